#include "protocol/frames.h"

namespace np72 {

std::uint8_t Checksum(std::span<const std::uint8_t> frame) {
  std::uint8_t sum = frame[0];
  for (std::size_t i = 1; i + 1 < frame.size(); ++i) sum ^= frame[i];
  return sum;
}

bool ChecksumPasses(std::span<const std::uint8_t> frame) {
  return Checksum(frame) == frame.back();
}

void Seal(std::span<std::uint8_t> frame) {
  frame.back() = Checksum(frame);
}

std::int16_t ReadSigned16(std::span<const std::uint8_t> frame, std::size_t at) {
  return static_cast<std::int16_t>(ReadUnsigned16(frame, at));
}

std::uint16_t ReadUnsigned16(std::span<const std::uint8_t> frame, std::size_t at) {
  return static_cast<std::uint16_t>(frame[at] | (frame[at + 1] << 8));
}

void WriteSigned16(std::span<std::uint8_t> frame, std::size_t at, std::int32_t value) {
  const auto bits = static_cast<std::uint16_t>(value);
  frame[at] = static_cast<std::uint8_t>(bits & 0xFF);
  frame[at + 1] = static_cast<std::uint8_t>(bits >> 8);
}

ResponseKind KindOf(std::span<const std::uint8_t> frame) {
  const std::uint8_t header = frame[offset::Header];
  const std::uint8_t code = frame[offset::Code];
  if (frame.size() == kShortFrameSize) {
    if (header == IdentMarker && code == IdentMarker) return ResponseKind::Ident;
    if (header != FrameHeader) return ResponseKind::None;
    if (code == CmdPollCurrent) return ResponseKind::CurrentData;
    if (code == CmdShortZeroAdjust) return ResponseKind::ShortZeroAdjust;
    return ResponseKind::None;
  }
  if (frame.size() == kLongFrameSize && header == FrameHeader) {
    switch (code) {
      case CmdWriteSettings:
      case CmdZeroAdjust:
      case CmdSetZero:
      case CmdCalibrate:
      case CmdReadSettings: return ResponseKind::Settings;
      case CmdReadVersion: return ResponseKind::Version;
      default: break;
    }
  }
  return ResponseKind::None;
}

std::size_t ResponseSize(std::uint8_t byte0, std::uint8_t byte1) {
  if (byte0 == IdentMarker) return byte1 == IdentMarker ? kShortFrameSize : 0;
  if (byte0 != FrameHeader) return 0;
  if (byte1 == CmdPollCurrent || byte1 == CmdShortZeroAdjust) return kShortFrameSize;
  if (byte1 >= CmdWriteSettings && byte1 <= CmdReadVersion) return kLongFrameSize;
  return 0;
}

}  // namespace np72
