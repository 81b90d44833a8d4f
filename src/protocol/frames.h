// The wire format of the sensor link: 8-byte and 18-byte frames with an XOR checksum.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace np72 {

inline constexpr std::size_t kShortFrameSize = 8;
inline constexpr std::size_t kLongFrameSize = 18;

using ShortFrame = std::array<std::uint8_t, kShortFrameSize>;
using LongFrame = std::array<std::uint8_t, kLongFrameSize>;

inline constexpr std::uint8_t FrameHeader = 0x5D;
inline constexpr std::uint8_t IdentMarker = 0x4D;  // bytes 0 and 1 of an IdentFrame, "MM"

enum CommandCode : std::uint8_t {
  CmdWriteSettings = 1,
  CmdPollCurrent = 2,
  CmdZeroAdjust = 3,
  CmdSetZero = 4,
  CmdCalibrate = 5,
  CmdReadSettings = 6,
  CmdReadVersion = 7,
  CmdShortZeroAdjust = 8,
};

// Offsets of the fields that more than one frame kind shares.
namespace offset {
inline constexpr std::size_t Header = 0;
inline constexpr std::size_t Code = 1;
inline constexpr std::size_t SensorVoltage = 2;  // CurrentDataFrame
inline constexpr std::size_t Pressure = 4;
inline constexpr std::size_t StatusFlags = 6;
inline constexpr std::size_t ZeroVoltage = 2;  // SettingsFrame, ShortZeroAdjustFrame
inline constexpr std::size_t PressureVoltage = 4;
inline constexpr std::size_t PressureSetting = 6;  // SettingsFrame and CmdWriteSettings
inline constexpr std::size_t Threshold1 = 8;
inline constexpr std::size_t Threshold2 = 10;
inline constexpr std::size_t Threshold3 = 12;
inline constexpr std::size_t CrcLow = 2;  // VersionFrame
inline constexpr std::size_t CrcHigh = 4;
inline constexpr std::size_t VersionMajor = 6;
inline constexpr std::size_t VersionMinor = 8;
inline constexpr std::size_t DeviceId = 6;  // IdentFrame
}  // namespace offset

// StatusFlags bits.
inline constexpr std::uint8_t SettingsError = 0x01;
inline constexpr std::uint8_t Threshold1Exceeded = 0x02;
inline constexpr std::uint8_t Threshold2Exceeded = 0x04;
inline constexpr std::uint8_t Threshold3Exceeded = 0x08;
inline constexpr std::uint8_t FirmwareFault = 0x80;

// XOR of every byte of the frame but the last.
std::uint8_t Checksum(std::span<const std::uint8_t> frame);
bool ChecksumPasses(std::span<const std::uint8_t> frame);
// Puts the checksum into the frame's last byte.
void Seal(std::span<std::uint8_t> frame);

// 16-bit fields, low byte first.
std::int16_t ReadSigned16(std::span<const std::uint8_t> frame, std::size_t at);
std::uint16_t ReadUnsigned16(std::span<const std::uint8_t> frame, std::size_t at);
// Stores the value's low 16 bits in two's complement.
void WriteSigned16(std::span<std::uint8_t> frame, std::size_t at, std::int32_t value);

enum class ResponseKind { None, Ident, CurrentData, ShortZeroAdjust, Settings, Version };

// The kind of a frame of its size, told by its first two bytes.
ResponseKind KindOf(std::span<const std::uint8_t> frame);

// The size of the response that these first two bytes begin (8 or 18), or 0
// when no response begins so.
std::size_t ResponseSize(std::uint8_t byte0, std::uint8_t byte1);

}  // namespace np72
