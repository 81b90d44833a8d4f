#include "sim/delivery_shaper.h"

#include <algorithm>

namespace np72::sim {

namespace {
constexpr std::size_t kMostGarbage = 7;  // fewer than a frame, so it never passes for one
constexpr std::size_t kMostCuts = 3;
}  // namespace

DeliveryShaper::DeliveryShaper(std::uint32_t seed) : random_(seed) {}

Deliveries DeliveryShaper::Answer(std::span<const std::uint8_t> frame) {
  if (gone_) return {};
  Bytes answer(frame.begin(), frame.end());
  if (fault_ == Fault::BadChecksum) answer.back() ^= static_cast<std::uint8_t>(1u << Below(8));
  if (vanishing_) {
    gone_ = true;
    held_.clear();
    answer.resize(answer.size() / 2);
    return {answer};
  }
  switch (fault_) {
    case Fault::Silent: return {};
    case Fault::Garbage: return WithGarbage(std::move(answer));
    case Fault::Split: return Split(answer);
    case Fault::Coalesce: return Coalesced(answer);
    case Fault::None:
    case Fault::BadChecksum: break;
  }
  return {answer};
}

Deliveries DeliveryShaper::Garbage(std::size_t count) {
  if (gone_ || count == 0) return {};
  return {RandomBytes(count)};
}

Deliveries DeliveryShaper::Flush() {
  if (held_.empty()) return {};
  Deliveries out;
  out.push_back(std::move(held_));
  held_.clear();
  held_answers_ = 0;
  return out;
}

Bytes DeliveryShaper::RandomBytes(std::size_t count) {
  Bytes bytes(count);
  for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random_());
  return bytes;
}

// The garbage comes either on its own or in front of the answer in one piece.
Deliveries DeliveryShaper::WithGarbage(Bytes answer) {
  Bytes garbage = RandomBytes(1 + Below(kMostGarbage));
  if (Below(2) == 0) return {garbage, answer};
  garbage.insert(garbage.end(), answer.begin(), answer.end());
  return {garbage};
}

// Byte by byte, or cut at one to three random points.
Deliveries DeliveryShaper::Split(const Bytes& answer) {
  std::vector<std::size_t> cuts;
  if (Below(2) == 0) {
    for (std::size_t at = 1; at < answer.size(); ++at) cuts.push_back(at);
  } else {
    const std::size_t count = 1 + Below(kMostCuts);
    for (std::size_t i = 0; i < count; ++i) cuts.push_back(1 + Below(answer.size() - 1));
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
  }
  cuts.push_back(answer.size());
  Deliveries pieces;
  std::size_t from = 0;
  for (const std::size_t to : cuts) {
    pieces.emplace_back(answer.begin() + static_cast<std::ptrdiff_t>(from),
                        answer.begin() + static_cast<std::ptrdiff_t>(to));
    from = to;
  }
  return pieces;
}

Deliveries DeliveryShaper::Coalesced(const Bytes& answer) {
  held_.insert(held_.end(), answer.begin(), answer.end());
  if (++held_answers_ < coalesce_target_) return {};
  coalesce_target_ = 2 + Below(2);
  return Flush();
}

}  // namespace np72::sim
