#include "sim/response_frames.h"

namespace np72::sim {

namespace {

template <typename Frame>
Frame Started(std::uint8_t code) {
  Frame frame{};
  frame[offset::Header] = FrameHeader;
  frame[offset::Code] = code;
  return frame;
}

}  // namespace

ShortFrame CurrentDataFrame(std::int16_t sensor_voltage, std::int16_t pressure, std::uint8_t flags) {
  auto frame = Started<ShortFrame>(CmdPollCurrent);
  WriteSigned16(frame, offset::SensorVoltage, sensor_voltage);
  WriteSigned16(frame, offset::Pressure, pressure);
  frame[offset::StatusFlags] = flags;
  Seal(frame);
  return frame;
}

ShortFrame ShortZeroAdjustFrame(const Settings& settings) {
  auto frame = Started<ShortFrame>(CmdShortZeroAdjust);
  WriteSigned16(frame, offset::ZeroVoltage, settings.zeroVoltage);
  WriteSigned16(frame, offset::PressureVoltage, settings.pressureVoltage);
  Seal(frame);
  return frame;
}

ShortFrame IdentFrame(std::uint8_t device_id) {
  ShortFrame frame{};
  frame[0] = IdentMarker;
  frame[1] = IdentMarker;
  frame[offset::DeviceId] = device_id;
  Seal(frame);
  return frame;
}

LongFrame SettingsFrame(std::uint8_t code, const Settings& settings) {
  auto frame = Started<LongFrame>(code);
  WriteSigned16(frame, offset::ZeroVoltage, settings.zeroVoltage);
  WriteSigned16(frame, offset::PressureVoltage, settings.pressureVoltage);
  WriteSigned16(frame, offset::PressureSetting, settings.pressureSetting);
  WriteSigned16(frame, offset::Threshold1, settings.threshold1);
  WriteSigned16(frame, offset::Threshold2, settings.threshold2);
  WriteSigned16(frame, offset::Threshold3, settings.threshold3);
  Seal(frame);
  return frame;
}

LongFrame VersionFrame(const FirmwareVersion& version) {
  auto frame = Started<LongFrame>(CmdReadVersion);
  WriteSigned16(frame, offset::CrcLow, static_cast<std::int32_t>(version.crc32 & 0xFFFF));
  WriteSigned16(frame, offset::CrcHigh, static_cast<std::int32_t>(version.crc32 >> 16));
  WriteSigned16(frame, offset::VersionMajor, version.major);
  WriteSigned16(frame, offset::VersionMinor, version.minor);
  Seal(frame);
  return frame;
}

}  // namespace np72::sim
