// Cuts the bytes the host writes into command frames, as the firmware does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace np72::sim {

using Bytes = std::vector<std::uint8_t>;

// The size of the command that begins with these two bytes (18 for
// CmdWriteSettings, 8 for the short commands), or 0 when none does.
std::size_t CommandSize(std::uint8_t byte0, std::uint8_t byte1);

// Writes may arrive in any chunks. A byte that begins no command, or a command
// whose checksum fails, is dropped on its own and framing starts again at the
// next byte.
class CommandFramer {
 public:
  // The whole commands that these bytes complete, in order.
  std::vector<Bytes> Feed(std::span<const std::uint8_t> bytes);
  std::size_t DroppedBytes() const { return dropped_; }

 private:
  Bytes held_;
  std::size_t dropped_ = 0;
};

}  // namespace np72::sim
