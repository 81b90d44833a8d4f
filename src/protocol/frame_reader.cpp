#include "protocol/frame_reader.h"

#include <algorithm>
#include <cstring>

namespace np72 {

std::span<std::uint8_t> FrameReader::Space() {
  Compact();
  return std::span<std::uint8_t>(bytes_).subspan(end_, std::min(kChunk, bytes_.size() - end_));
}

void FrameReader::Commit(std::size_t count, bool event_start) {
  const std::size_t first_new = end_;
  end_ += count;
  if (event_start && first_new > begin_ && WholeFrameAt(first_new)) begin_ = first_new;
}

std::optional<std::size_t> FrameReader::WholeFrameAt(std::size_t at) const {
  if (end_ - at < 2) return std::nullopt;
  const std::size_t size = ResponseSize(bytes_[at], bytes_[at + 1]);
  if (size == 0 || end_ - at < size) return std::nullopt;
  if (!ChecksumPasses(std::span<const std::uint8_t>(bytes_).subspan(at, size))) return std::nullopt;
  return size;
}

std::optional<std::span<const std::uint8_t>> FrameReader::Next() {
  while (begin_ < end_) {
    const std::size_t left = end_ - begin_;
    if (left < 2) {
      // A lone last byte may still begin a frame.
      if (bytes_[begin_] == FrameHeader || bytes_[begin_] == IdentMarker) return std::nullopt;
      ++begin_;
      continue;
    }
    const std::size_t size = ResponseSize(bytes_[begin_], bytes_[begin_ + 1]);
    if (size == 0) {
      ++begin_;
      continue;
    }
    if (left >= size) {
      current_size_ = size;
      return std::span<const std::uint8_t>(bytes_).subspan(begin_, size);
    }
    // Unfinished: wait for the rest, unless a whole frame already follows it.
    for (std::size_t at = begin_ + 1; at + 1 < end_; ++at) {
      if (WholeFrameAt(at)) {
        begin_ = at;
        break;
      }
    }
    if (end_ - begin_ < ResponseSize(bytes_[begin_], bytes_[begin_ + 1])) return std::nullopt;
  }
  return std::nullopt;
}

void FrameReader::Advance(bool passed) {
  begin_ += passed ? current_size_ : 1;
  current_size_ = 0;
}

void FrameReader::Compact() {
  if (begin_ == 0) return;
  const std::size_t held = end_ - begin_;
  std::memmove(bytes_.data(), bytes_.data() + begin_, held);
  begin_ = 0;
  end_ = held;
}

}  // namespace np72
