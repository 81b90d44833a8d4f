// The receiving side of the sensor link: frames taken off the port, checked and shown.
#include <algorithm>

#include "window/form1.h"
#include "window/number_format.h"

namespace np72 {

void TForm1::ComPort1RxChar(int count) {
  window_.SetText(Control::Label11, Decimal(count));
  FrameReader& reader = session_.Receiver;
  const bool whole_event_possible = !reader.Holding() && (count == kShortFrameSize || count == kLongFrameSize);
  auto remaining = static_cast<std::size_t>(std::max(count, 0));
  bool event_start = true;
  while (remaining > 0) {
    const std::span<std::uint8_t> space = reader.Space();
    const std::size_t read = ComPort1.Read(space.first(std::min(remaining, space.size())));
    if (read == 0) return;
    // Exactly one frame's worth pending, nothing held: that is one frame,
    // whatever its first bytes say.
    if (whole_event_possible && read == static_cast<std::size_t>(count)) {
      Examine(space.first(read));
      return;
    }
    remaining -= read;
    reader.Commit(read, event_start);
    event_start = false;
    while (const auto frame = reader.Next()) reader.Advance(Examine(*frame));
  }
}

bool TForm1::Examine(std::span<const std::uint8_t> frame) {
  return frame.size() == kShortFrameSize ? ExamineShort(frame) : ExamineLong(frame);
}

bool TForm1::ExamineShort(std::span<const std::uint8_t> frame) {
  ShortFrame& buffer = session_.ShortReceiveBuffer;
  std::copy(frame.begin(), frame.end(), buffer.begin());
  if (!ChecksumPasses(buffer)) return false;
  window_.SetText(Control::Label6, DumpText(buffer));
  switch (KindOf(buffer)) {
    case ResponseKind::Ident: ShowIdent(buffer[offset::DeviceId]); break;
    case ResponseKind::CurrentData:
      ShowCurrentData(ReadSigned16(buffer, offset::SensorVoltage), ReadSigned16(buffer, offset::Pressure),
                      buffer[offset::StatusFlags]);
      break;
    case ResponseKind::ShortZeroAdjust:
      ShowShortZeroAdjust(ReadSigned16(buffer, offset::ZeroVoltage), ReadSigned16(buffer, offset::PressureVoltage));
      break;
    default: break;
  }
  return true;
}

bool TForm1::ExamineLong(std::span<const std::uint8_t> frame) {
  LongFrame& buffer = session_.LongReceiveBuffer;
  std::copy(frame.begin(), frame.end(), buffer.begin());
  // Every 18 bytes taken are dumped, good or bad.
  window_.SetText(Control::Label12, DumpText(buffer));
  if (!ChecksumPasses(buffer)) return false;
  switch (KindOf(buffer)) {
    case ResponseKind::Settings:
      ShowSettings(ReadSigned16(buffer, offset::ZeroVoltage), ReadSigned16(buffer, offset::PressureVoltage),
                   ReadSigned16(buffer, offset::PressureSetting), ReadSigned16(buffer, offset::Threshold1),
                   ReadSigned16(buffer, offset::Threshold2), ReadSigned16(buffer, offset::Threshold3));
      break;
    case ResponseKind::Version:
      ShowVersion(ReadUnsigned16(buffer, offset::CrcLow), ReadUnsigned16(buffer, offset::CrcHigh),
                  ReadSigned16(buffer, offset::VersionMajor), ReadSigned16(buffer, offset::VersionMinor));
      break;
    default: break;
  }
  return true;
}

}  // namespace np72
