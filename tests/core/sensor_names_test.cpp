#include "link/sensor_names.h"

#include <gtest/gtest.h>

namespace np72 {
namespace {

TEST(SensorNames, PortNameIsCutOutOfTheFriendlyName) {
  const std::pair<const char*, const char*> cases[] = {
      {"USB Serial Device (COM5)", "COM5"},
      {"Port (COM12) extra", "COM12"},
      {"Port (COM7", "COM7"},
      {"A (COM3) (COM4)", "COM3"},
      {"X (COM)", "COM"},
      {"Device (com5)", ""},
      {"", ""},
  };
  for (const auto& [friendly, port] : cases) EXPECT_EQ(PortNameFromFriendlyName(friendly), port) << friendly;
}

TEST(SensorNames, DeviceInstanceOfAnInterface) {
  EXPECT_EQ(DeviceInstanceOf("\\\\?\\USB#VID_0483&PID_5740#NP72000123#{a5dcbf10-6530-11d2-901f-00c04fb951ed}"),
            "USB\\VID_0483&PID_5740\\NP72000123");
  EXPECT_EQ(DeviceInstanceOf("USB#VID_0483&PID_5740#NP72000123"), "USB\\VID_0483&PID_5740\\NP72000123");
  EXPECT_EQ(DeviceInstanceOf(""), "");
}

TEST(SensorNames, SensorMarkerAndInstanceComparison) {
  EXPECT_TRUE(NamesSensor("x#NP720000001B#y"));
  EXPECT_FALSE(NamesSensor("x#np72#y"));
  EXPECT_TRUE(SameDeviceInstance("USB\\VID_0483&PID_5740\\NP72", "usb\\Vid_0483&Pid_5740\\np72"));
  EXPECT_FALSE(SameDeviceInstance("USB\\VID_0483&PID_5740\\NP72", "USB\\VID_0483&PID_5740\\NP721"));
}

}  // namespace
}  // namespace np72
