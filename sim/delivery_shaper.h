// Turns the sensor's answers into what reaches the host, misbehaving on demand.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <span>
#include <vector>

#include "sim/command_framer.h"
#include "sim/fault.h"

namespace np72::sim {

// Each delivery is the bytes that arrive at the host together.
using Deliveries = std::vector<Bytes>;

class DeliveryShaper {
 public:
  explicit DeliveryShaper(std::uint32_t seed);

  void SetFault(Fault fault) { fault_ = fault; }
  Fault CurrentFault() const { return fault_; }

  // One shot: the next answer arrives half, then nothing ever again.
  void Vanish() { vanishing_ = true; }
  bool Gone() const { return gone_; }

  Deliveries Answer(std::span<const std::uint8_t> frame);
  // `count` random bytes at once, whatever the fault.
  Deliveries Garbage(std::size_t count);
  // The answers that coalescing still holds back, as one delivery.
  Deliveries Flush();

 private:
  Bytes RandomBytes(std::size_t count);
  Deliveries WithGarbage(Bytes answer);
  Deliveries Split(const Bytes& answer);
  Deliveries Coalesced(const Bytes& answer);
  std::size_t Below(std::size_t bound) { return random_() % bound; }

  std::minstd_rand random_;
  Fault fault_ = Fault::None;
  bool vanishing_ = false;
  bool gone_ = false;
  Bytes held_;
  std::size_t held_answers_ = 0;
  std::size_t coalesce_target_ = 2;
};

}  // namespace np72::sim
