// Host facilities that answer and do nothing, for runs that measure or fuzz
// only the tool's own work: one sensor is present at start, on COM5.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace np72::testing {

struct IdleHost final : TickSource, PortLookup, Locale, InstanceGuard, DeviceNotifications, Dialogs, Application {
  void Start(int) override {}
  void Stop() override {}
  std::string PortName(const std::string&) override { return "COM5"; }
  std::string DecimalSeparator() const override { return ","; }
  bool Acquire() override { return true; }
  void Subscribe(WindowHandle) override {}
  std::vector<std::string> PresentInterfaces() override { return {"\\\\?\\USB#VID_0483&PID_5740#NP72IDLE#{x}"}; }
  void ShowMessage(std::string_view) override {}
  void ShowError(std::string_view) override {}
  void Terminate() override {}

  Platform With(WindowOps& window, SerialDevice& serial) {
    return {window, serial, *this, *this, *this, *this, *this, *this, *this};
  }
};

}  // namespace np72::testing
