// A TForm1 on recording fakes, created as the application creates it.
#pragma once

#include <gtest/gtest.h>

#include "fake_platform.h"
#include "window/form1.h"

namespace np72::testing {

inline const std::string kSensorInterface =
    "\\\\?\\USB#VID_0483&PID_5740#NP72000123#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";
inline const std::string kSensorPortInterface =
    "\\\\?\\USB#VID_0483&PID_5740#NP72000123#{86e0d1e0-8089-11d0-9ce4-08003e301f73}";
inline const std::string kFlashDriveInterface =
    "\\\\?\\USB#VID_0951&PID_1666#E0D55EA573DCF450#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";

class FormTest : public ::testing::Test {
 protected:
  FormTest() {
    fakes.lookup.ports[kSensorInterface] = "COM5";
    fakes.lookup.ports[kSensorPortInterface] = "COM5";
  }

  // The host's events for a plugged-in sensor: nodes changed, then the arrival.
  void PlugIn(const std::string& interface_name = kSensorInterface) {
    form.WMDeviceChange({kDevNodesChanged, {}});
    form.WMDeviceChange({kDeviceArrival, interface_name});
  }
  void Remove(const std::string& interface_name = kSensorInterface) {
    form.WMDeviceChange({kDevNodesChanged, {}});
    form.WMDeviceChange({kDeviceRemoveComplete, interface_name});
  }
  // Created, subscribed, sensor plugged in, and what all that wrote forgotten.
  void Connect() {
    form.FormCreate();
    PlugIn();
    Forget();
  }
  void Forget() {
    fakes.window.calls.clear();
    fakes.window.paints.clear();
    fakes.window.log.clear();
    fakes.serial.written.clear();
  }

  FakePlatform fakes;
  TForm1 form{fakes.Get()};
};

}  // namespace np72::testing
