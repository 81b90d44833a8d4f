// Frames and commands the simulator tests send and expect.
#pragma once

#include <cstdint>
#include <vector>

#include "protocol/frames.h"
#include "sim/sensor_model.h"

namespace np72::sim::test {

using Bytes = std::vector<std::uint8_t>;

inline const Bytes kPoll{0x5D, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x5F};
// The answer to kPoll at a held pressure of 10.00 kPa with the power-up settings.
inline const Bytes kCurrentDataAt1000{0x5D, 0x02, 0x08, 0x21, 0xE8, 0x03, 0x06, 0x9B};

inline Bytes ShortCommand(std::uint8_t code) {
  ShortFrame frame{FrameHeader, code};
  Seal(frame);
  return {frame.begin(), frame.end()};
}

inline Bytes WriteSettingsCommand(int pressure_setting, int threshold1, int threshold2,
                                  int threshold3) {
  LongFrame frame{FrameHeader, CmdWriteSettings};
  WriteSigned16(frame, offset::PressureSetting, pressure_setting);
  WriteSigned16(frame, offset::Threshold1, threshold1);
  WriteSigned16(frame, offset::Threshold2, threshold2);
  WriteSigned16(frame, offset::Threshold3, threshold3);
  Seal(frame);
  return {frame.begin(), frame.end()};
}

inline Bytes Joined(const Deliveries& deliveries) {
  Bytes all;
  for (const auto& delivery : deliveries) all.insert(all.end(), delivery.begin(), delivery.end());
  return all;
}

}  // namespace np72::sim::test
