#include "sim/host_commands.h"

#include "protocol/frames.h"

namespace np72::sim {

std::vector<std::uint8_t> ShortCommand(std::uint8_t code) {
  ShortFrame frame{FrameHeader, code};
  Seal(frame);
  return {frame.begin(), frame.end()};
}

std::vector<std::uint8_t> WriteSettingsCommand(int pressure_setting, int threshold1,
                                               int threshold2, int threshold3) {
  LongFrame frame{FrameHeader, CmdWriteSettings};
  WriteSigned16(frame, offset::PressureSetting, pressure_setting);
  WriteSigned16(frame, offset::Threshold1, threshold1);
  WriteSigned16(frame, offset::Threshold2, threshold2);
  WriteSigned16(frame, offset::Threshold3, threshold3);
  Seal(frame);
  return {frame.begin(), frame.end()};
}

}  // namespace np72::sim
