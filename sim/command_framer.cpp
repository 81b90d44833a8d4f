#include "sim/command_framer.h"

#include "protocol/frames.h"

namespace np72::sim {

std::size_t CommandSize(std::uint8_t byte0, std::uint8_t byte1) {
  if (byte0 != FrameHeader) return 0;
  if (byte1 == CmdWriteSettings) return kLongFrameSize;
  if (byte1 >= CmdPollCurrent && byte1 <= CmdShortZeroAdjust) return kShortFrameSize;
  return 0;
}

std::vector<Bytes> CommandFramer::Feed(std::span<const std::uint8_t> bytes) {
  held_.insert(held_.end(), bytes.begin(), bytes.end());
  std::vector<Bytes> commands;
  std::size_t at = 0;
  while (at < held_.size()) {
    if (held_[at] != FrameHeader) {
      ++at;
      ++dropped_;
      continue;
    }
    if (at + 1 == held_.size()) break;  // the code byte is still to come
    const std::size_t size = CommandSize(held_[at], held_[at + 1]);
    if (size != 0 && at + size > held_.size()) break;  // the rest is still to come
    const std::span<const std::uint8_t> frame(held_.data() + at, size);
    if (size != 0 && ChecksumPasses(frame)) {
      commands.emplace_back(frame.begin(), frame.end());
      at += size;
    } else {
      ++at;
      ++dropped_;
    }
  }
  held_.erase(held_.begin(), held_.begin() + static_cast<std::ptrdiff_t>(at));
  return commands;
}

}  // namespace np72::sim
