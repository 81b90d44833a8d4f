// The pressure on the sensor's membrane: a slow swing with a little noise, the
// same for the same seed, so that the live view has something to follow.
#pragma once

#include <cstdint>
#include <optional>
#include <random>

namespace np72::sim {

class PressureSignal {
 public:
  explicit PressureSignal(std::uint32_t seed);

  // The pressure at the next reading, in 0.01 kPa. It moves by a few kPa at
  // most from one reading to the next and crosses the power-up thresholds.
  std::int32_t Next();
  // Pins the pressure at a value until Release, so that a reading is known.
  void Hold(std::int32_t pressure) { held_ = pressure; }
  void Release() { held_.reset(); }

 private:
  std::minstd_rand random_;
  std::uint32_t step_ = 0;
  std::optional<std::int32_t> held_;
};

}  // namespace np72::sim
