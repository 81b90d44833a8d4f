// The state that lives for the whole run.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "protocol/frame_reader.h"
#include "protocol/frames.h"
#include "window/masked_field.h"

namespace np72 {

// The last 200 voltage readings behind the chart, in whole mV.
struct VoltageHistory {
  static constexpr int kSlots = 200;
  std::array<std::int32_t, kSlots + 1> readings{};  // numbered 1 to 200; [0] unused
  std::int32_t writePosition = 1;
};

// A settings value as the sensor reported it, and the text its field got.
// While the field still reads back that text, a settings write sends the
// value itself: a value of more than four characters is shown cut.
struct ReportedSetting {
  bool valid = false;
  std::int16_t value = 0;
  MaskedField shown;
};

struct DeviceSession {
  ShortFrame ShortSendBuffer{};
  LongFrame LongSendBuffer{};
  bool SkipNextPoll = false;
  ShortFrame ShortReceiveBuffer{};
  LongFrame LongReceiveBuffer{};
  FrameReader Receiver;
  std::int16_t IdentCount = 0;
  std::int16_t TickCount = 0;
  std::uint16_t PrevDevCode = 0;
  std::uint16_t CurDevCode = 0;
  // The device instance (USB\VID_0483&PID_5740\<serial>) whose arrival opened
  // the port; empty while no sensor is open.
  std::string OpenedDevice;
  VoltageHistory History;
  // In the order MaskEdit4, MaskEdit3, MaskEdit2, MaskEdit1.
  std::array<ReportedSetting, 4> Reported{};
};

}  // namespace np72
