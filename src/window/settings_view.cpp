// The settings stored in the sensor, its firmware version, and the diagnostics panel.
#include <iterator>
#include <utility>

#include "window/form1.h"
#include "window/number_format.h"

namespace np72 {

void TForm1::ShowSettings(std::int16_t zero_voltage, std::int16_t pressure_voltage, std::int16_t pressure_setting,
                          std::int16_t threshold1, std::int16_t threshold2, std::int16_t threshold3) {
  window_.SetText(Control::Edit12, WholeFromTenths(zero_voltage));
  window_.SetText(Control::Edit11, WholeFromTenths(pressure_voltage));
  const std::pair<Control, std::int16_t> fields[] = {
      {Control::MaskEdit4, pressure_setting},
      {Control::MaskEdit3, threshold1},
      {Control::MaskEdit2, threshold2},
      {Control::MaskEdit1, threshold3},
  };
  for (std::size_t i = 0; i < std::size(fields); ++i) {
    const auto [field, value] = fields[i];
    const std::string text = Decimal(value);
    window_.SetMaskText(field, text);
    ReportedSetting& reported = session_.Reported[i];
    reported.valid = true;
    reported.value = value;
    reported.shown.Place(text);
  }
}

void TForm1::ShowShortZeroAdjust(std::int16_t zero_voltage, std::int16_t pressure_voltage) {
  window_.SetText(Control::Edit12, WholeFromTenths(zero_voltage));
  window_.SetText(Control::Edit11, WholeFromTenths(pressure_voltage));
  window_.AppendLine(Control::LogMemo, "короткий подстр.0");
}

void TForm1::ShowVersion(std::uint16_t crc_low, std::uint16_t crc_high, std::int16_t version_major,
                         std::int16_t version_minor) {
  window_.SetText(Control::Panel3, "Версия ПО: " + Decimal(version_major) + "." + Decimal(version_minor) +
                                       "    CRC32: 0x" + Hex4(crc_high) + Hex4(crc_low));
}

void TForm1::ShowIdent(std::uint8_t device_id) {
  window_.SetText(Control::Label1, "ID: " + Decimal(device_id));
  session_.IdentCount = static_cast<std::int16_t>(session_.IdentCount + 1);
  window_.SetText(Control::Label8, Decimal(session_.IdentCount));
  window_.AppendLine(Control::LogMemo, "id");
}

void TForm1::Button11Click() {
  window_.ClearLines(Control::LogMemo);
  window_.SetText(Control::Label1, "Id: неопределено");
}

}  // namespace np72
