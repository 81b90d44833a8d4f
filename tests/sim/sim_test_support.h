// Frames and commands the simulator tests send and expect.
#pragma once

#include <cstdint>
#include <vector>

#include "protocol/frames.h"
#include "sim/host_commands.h"
#include "sim/sensor_model.h"

namespace np72::sim::test {

using Bytes = std::vector<std::uint8_t>;

inline const Bytes kPoll{0x5D, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x5F};
// The answer to kPoll at a held pressure of 10.00 kPa with the power-up settings.
inline const Bytes kCurrentDataAt1000{0x5D, 0x02, 0x08, 0x21, 0xE8, 0x03, 0x06, 0x9B};

inline Bytes Joined(const Deliveries& deliveries) {
  Bytes all;
  for (const auto& delivery : deliveries) all.insert(all.end(), delivery.begin(), delivery.end());
  return all;
}

}  // namespace np72::sim::test
