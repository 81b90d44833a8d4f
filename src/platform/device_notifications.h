// Device-change events and the subscription to them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/window_ops.h"

namespace np72 {

inline constexpr std::uint16_t kDevNodesChanged = 0x0007;
inline constexpr std::uint16_t kDeviceArrival = 0x8000;
inline constexpr std::uint16_t kDeviceRemoveComplete = 0x8004;

// One device-change event as the host sends it.
struct DeviceChange {
  std::uint32_t eventType = 0;  // only its low 16 bits are the code
  // The device-interface name (\\?\USB#VID_0483&PID_5740#<serial>#{guid})
  // for arrivals and removals of device interfaces; empty for other records.
  std::string interfaceName;
};

class DeviceNotifications {
 public:
  // Subscribes the window to device-interface events of every class.
  virtual void Subscribe(WindowHandle window) = 0;
  // The names of the device interfaces present now, for a sensor that was
  // plugged in before the tool started.
  virtual std::vector<std::string> PresentInterfaces() = 0;

 protected:
  ~DeviceNotifications() = default;
};

}  // namespace np72
