// Cuts the byte stream taken off the port into response frames.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "protocol/frames.h"

namespace np72 {

// Frames may arrive together, in pieces or after garbage. The first two bytes
// of a response tell its size; a byte that begins no frame whose checksum
// passes is dropped. Between events at most one unfinished frame is held.
class FrameReader {
 public:
  // The most bytes taken off the port in one go.
  static constexpr std::size_t kChunk = 256;
  static constexpr std::size_t kMaxHeld = kLongFrameSize - 1;

  bool Holding() const { return end_ > begin_; }
  std::size_t Held() const { return end_ - begin_; }

  // Room for the next bytes read off the port: at most kChunk.
  std::span<std::uint8_t> Space();
  // Takes the first `count` bytes of Space(). `event_start` marks the first
  // bytes of a receive event: when they begin a whole frame of their own, a
  // frame left unfinished by earlier events was garbage and is dropped.
  void Commit(std::size_t count, bool event_start);

  // The next whole frame to examine, or nothing until more bytes come.
  std::optional<std::span<const std::uint8_t>> Next();
  // After Next: the frame passed its checksum and is used up, or it failed
  // and only its first byte is dropped.
  void Advance(bool passed);
  // Drops everything held.
  void Reset() { begin_ = end_ = 0; }

 private:
  std::optional<std::size_t> WholeFrameAt(std::size_t at) const;
  void Compact();

  std::array<std::uint8_t, kMaxHeld + kChunk> bytes_{};
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  std::size_t current_size_ = 0;
};

}  // namespace np72
