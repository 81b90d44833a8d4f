// The live measurement: voltage, status flags, pressure and the 200-point chart.
#include "window/form1.h"
#include "window/number_format.h"

namespace np72 {

void TForm1::ShowCurrentData(std::int16_t sensor_voltage, std::int16_t pressure, std::uint8_t status_flags) {
  window_.SetText(Control::Edit13, WholeFromTenths(sensor_voltage) + " мв");
  RezervToBit(status_flags);
  window_.SetText(Control::Edit2, FixedHundredths(pressure, locale_.DecimalSeparator()));

  VoltageHistory& history = session_.History;
  if (history.writePosition > VoltageHistory::kSlots) history.writePosition = 1;
  history.readings[history.writePosition] = sensor_voltage / 10;

  // The newest reading at X = 200, the oldest kept one at X = 1.
  window_.ClearSeries(Control::Series1);
  std::int32_t read = history.writePosition + 1;
  for (int x = 1; x <= VoltageHistory::kSlots; ++x, ++read) {
    if (read > VoltageHistory::kSlots) read = 1;
    window_.AddPoint(Control::Series1, x, history.readings[read], Colour::Red);
  }
  ++history.writePosition;
}

void TForm1::RezervToBit(std::uint8_t status_flags) {
  struct Flag {
    Control panel;
    std::uint8_t mask;
    const char* set;
    const char* clear;
  };
  static constexpr Flag kFlags[] = {
      {Control::FlagNastroiki, SettingsError, "Ошибка настройки", "Настройки в норме"},
      {Control::FlagPorog1, Threshold1Exceeded, "Превышение порога 1", "Нет превышения порога 1"},
      {Control::FlagPorog2, Threshold2Exceeded, "Превышение порога 2", "Нет превышения порога 2"},
      {Control::FlagPorog3, Threshold3Exceeded, "Превышение порога 3", "Нет превышения порога 3"},
      {Control::Panel4, FirmwareFault, "Сбой ПО", "Проверка ПО выполнена"},
  };
  for (const Flag& flag : kFlags) {
    const bool set = (status_flags & flag.mask) != 0;
    window_.SetColour(flag.panel, set ? Colour::Red : Colour::ButtonFace);
    window_.SetText(flag.panel, set ? flag.set : flag.clear);
  }
}

void TForm1::ResetHistory() {
  window_.ClearSeries(Control::Series1);
  session_.History = VoltageHistory{};
}

}  // namespace np72
