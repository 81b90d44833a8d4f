#include "sim/measurement.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "protocol/frames.h"

namespace np72::sim {

namespace {

std::int16_t Saturated(double value) {
  constexpr double kLow = std::numeric_limits<std::int16_t>::min();
  constexpr double kHigh = std::numeric_limits<std::int16_t>::max();
  return static_cast<std::int16_t>(std::lround(std::clamp(value, kLow, kHigh)));
}

}  // namespace

std::int16_t OutputVoltage(std::int32_t pressure) {
  const double span = kPowerUpPressureVoltage - kPowerUpZeroVoltage;
  return Saturated(kPowerUpZeroVoltage + span * pressure / kPowerUpPressureSetting);
}

std::int16_t CalibratedPressure(std::int16_t voltage, const Settings& settings) {
  const double span = settings.pressureVoltage - settings.zeroVoltage;
  if (span == 0) return 0;
  return Saturated(double(voltage - settings.zeroVoltage) * settings.pressureSetting / span);
}

std::uint8_t StatusFlagsFor(std::int16_t pressure, const Settings& settings, bool firmware_fault) {
  std::uint8_t flags = 0;
  if (!(settings.threshold1 < settings.threshold2 && settings.threshold2 < settings.threshold3)) {
    flags |= SettingsError;
  }
  if (pressure > settings.threshold1) flags |= Threshold1Exceeded;
  if (pressure > settings.threshold2) flags |= Threshold2Exceeded;
  if (pressure > settings.threshold3) flags |= Threshold3Exceeded;
  if (firmware_fault) flags |= FirmwareFault;
  return flags;
}

std::int16_t MovedToward(std::int16_t from, std::int16_t to, std::int16_t max_step) {
  const int step = std::clamp(to - from, -int{max_step}, int{max_step});
  return static_cast<std::int16_t>(from + step);
}

}  // namespace np72::sim
