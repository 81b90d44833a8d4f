// WM_DEVICECHANGE into the core's event, and the subscription to it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/device_notifications.h"

namespace np72::win32 {

// The event type and, from a device-interface record, the interface name,
// read no further than the record's own size says.
DeviceChange DecodeDeviceChange(WPARAM event_type, const void* record);

class WindowDeviceNotifications final : public DeviceNotifications {
 public:
  void Subscribe(WindowHandle window) override;
  // The sensor's USB device interfaces present now.
  std::vector<std::string> PresentInterfaces() override;
};

}  // namespace np72::win32
