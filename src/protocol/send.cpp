// The sending side of the sensor link: the send buffers and the operator's commands.
#include <stdexcept>
#include <string>

#include "window/form1.h"

namespace np72 {

namespace {

// Decimal digits with an optional leading sign; anything else is an error
// shown to the operator.
std::int32_t ToInteger(const std::string& text) {
  const auto fail = [&] { throw std::runtime_error("'" + text + "' is not a valid integer value"); };
  std::size_t at = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++at;
  if (at == text.size()) fail();
  std::int64_t magnitude = 0;
  for (; at < text.size(); ++at) {
    if (text[at] < '0' || text[at] > '9') fail();
    magnitude = magnitude * 10 + (text[at] - '0');
    if (magnitude > 0x80000000LL) fail();
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > 0x7FFFFFFFLL) fail();
  return static_cast<std::int32_t>(value);
}

std::string WithoutSpaces(std::string text) {
  std::erase(text, ' ');
  return text.empty() ? "0" : text;
}

}  // namespace

void TForm1::TransferData() {
  Seal(session_.ShortSendBuffer);
  ComPort1.Write(session_.ShortSendBuffer);
}

void TForm1::TransferDataLong() {
  Seal(session_.LongSendBuffer);
  ComPort1.Write(session_.LongSendBuffer);
}

void TForm1::SendShortCommand(std::uint8_t code) {
  session_.ShortSendBuffer[offset::Header] = FrameHeader;
  session_.ShortSendBuffer[offset::Code] = code;
  TransferData();
}

void TForm1::SendWriteSettings(std::int16_t pressure_setting, std::int16_t threshold1, std::int16_t threshold2,
                               std::int16_t threshold3) {
  LongFrame& frame = session_.LongSendBuffer;
  WriteSigned16(frame, offset::PressureSetting, pressure_setting);
  WriteSigned16(frame, offset::Threshold1, threshold1);
  WriteSigned16(frame, offset::Threshold2, threshold2);
  WriteSigned16(frame, offset::Threshold3, threshold3);
  TransferDataLong();
}

void TForm1::Button1Click() {
  SendShortCommand(CmdShortZeroAdjust);
}
void TForm1::Button4Click() {
  SendShortCommand(CmdCalibrate);
}
void TForm1::Button5Click() {
  SendShortCommand(CmdSetZero);
}
void TForm1::Button7Click() {
  SendShortCommand(CmdZeroAdjust);
}
void TForm1::Button9Click() {
  SendShortCommand(CmdReadSettings);
}

void TForm1::Button3Click() {
  session_.SkipNextPoll = true;
  SendShortCommand(CmdReadVersion);
}

void TForm1::Button2Click() {
  session_.LongSendBuffer[offset::Header] = FrameHeader;
  session_.LongSendBuffer[offset::Code] = CmdWriteSettings;
  SendWriteSettings(2000, 0, 100, 2000);
}

std::int16_t TForm1::SettingToWrite(std::size_t index, Control field) const {
  const std::string text = window_.MaskText(field);
  const ReportedSetting& reported = session_.Reported[index];
  // A value the field shows cut goes back whole while nobody has edited it.
  if (reported.valid && text == reported.shown.ReadBack()) return reported.value;
  return static_cast<std::int16_t>(ToInteger(WithoutSpaces(text)));
}

void TForm1::Button6Click() {
  session_.LongSendBuffer[offset::Header] = FrameHeader;
  session_.LongSendBuffer[offset::Code] = CmdWriteSettings;
  // Read in this order so that a bad field stops the fields after it unread.
  const std::int16_t pressure_setting = SettingToWrite(0, Control::MaskEdit4);
  const std::int16_t threshold1 = SettingToWrite(1, Control::MaskEdit3);
  const std::int16_t threshold2 = SettingToWrite(2, Control::MaskEdit2);
  const std::int16_t threshold3 = SettingToWrite(3, Control::MaskEdit1);
  SendWriteSettings(pressure_setting, threshold1, threshold2, threshold3);
}

}  // namespace np72
