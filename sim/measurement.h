// How the firmware turns the membrane's pressure into the values it reports.
#pragma once

#include <cstdint>

#include "sim/sensor_settings.h"

namespace np72::sim {

// The sensor's output voltage in 0.1 mV at a pressure in 0.01 kPa: the
// factory's transfer curve, which the power-up calibration matches.
std::int16_t OutputVoltage(std::int32_t pressure);

// The pressure in 0.01 kPa that the stored calibration reads from a voltage:
// ZeroVoltage reads 0, PressureVoltage reads PressureSetting. 0 when the two
// voltages are equal.
std::int16_t CalibratedPressure(std::int16_t voltage, const Settings& settings);

// Bits 1 to 3 when the pressure exceeds threshold 1 to 3; bit 0 when the
// thresholds do not strictly ascend; bit 7 when a firmware fault is injected.
std::uint8_t StatusFlagsFor(std::int16_t pressure, const Settings& settings, bool firmware_fault);

// `from` moved toward `to` by at most `max_step`: how a zero adjustment creeps.
std::int16_t MovedToward(std::int16_t from, std::int16_t to, std::int16_t max_step);

}  // namespace np72::sim
