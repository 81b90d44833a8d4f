// The frames the sensor sends, sealed with their checksum.
#pragma once

#include <cstdint>

#include "protocol/frames.h"
#include "sim/sensor_settings.h"

namespace np72::sim {

ShortFrame CurrentDataFrame(std::int16_t sensor_voltage, std::int16_t pressure, std::uint8_t flags);
ShortFrame ShortZeroAdjustFrame(const Settings& settings);
ShortFrame IdentFrame(std::uint8_t device_id);
// code is the command answered: 1, 3, 4, 5 or 6.
LongFrame SettingsFrame(std::uint8_t code, const Settings& settings);
LongFrame VersionFrame(const FirmwareVersion& version);

}  // namespace np72::sim
