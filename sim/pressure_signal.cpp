#include "sim/pressure_signal.h"

#include <cmath>
#include <numbers>

namespace np72::sim {

namespace {
constexpr double kMiddle = 1100.0;    // 11.00 kPa
constexpr double kSwing = 1200.0;     // from -1.00 to 23.00 kPa
constexpr double kReadingsPerSwing = 120.0;
constexpr std::uint32_t kNoiseSpan = 7;  // -3 to +3 (0.03 kPa)
}  // namespace

PressureSignal::PressureSignal(std::uint32_t seed) : random_(seed) {}

std::int32_t PressureSignal::Next() {
  if (held_) return *held_;
  const double phase = 2.0 * std::numbers::pi * step_++ / kReadingsPerSwing;
  const auto noise = static_cast<std::int32_t>(random_() % kNoiseSpan) - 3;
  return static_cast<std::int32_t>(std::lround(kMiddle + kSwing * std::sin(phase))) + noise;
}

}  // namespace np72::sim
