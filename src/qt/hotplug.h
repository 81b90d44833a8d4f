// udev's tty devices as the host's device-change events, and the device node
// behind an arrived sensor.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "platform/device_notifications.h"
#include "platform/port_lookup.h"
#include "qt/device_source.h"

namespace np72::qt {

// A tty of the sensor: USB 0483:5740 with "NP72" in its serial.
bool IsSensor(const UdevRecord& record);
// The device-interface name a USB tty would have on Windows,
// \\?\USB#VID_0483&PID_5740#<serial>#{86E0D1E0-8089-11D0-9CE4-08003E301F73},
// so that the tool reads arrivals the same way on both hosts. Empty for a
// tty that is no USB device.
std::string InterfaceNameOf(const UdevRecord& record);

class Hotplug final : public DeviceNotifications, public PortLookup {
 public:
  using Receiver = std::function<void(const DeviceChange&)>;

  explicit Hotplug(DeviceSource& source) : source_(source) {}
  // Where the events go: the form's device-change handler.
  void SetReceiver(Receiver receiver) { receiver_ = std::move(receiver); }

  void Subscribe(WindowHandle window) override;
  std::vector<std::string> PresentInterfaces() override;
  // The device node of a sensor that udev reported; empty for anything else.
  std::string PortName(const std::string& interfaceName) override;

 private:
  struct Known {
    std::string interfaceName;
    std::string devnode;
    bool sensor;
  };
  void OnRecord(const UdevRecord& record);
  void Deliver(std::uint32_t code, const std::string& interfaceName);

  DeviceSource& source_;
  Receiver receiver_;
  std::map<std::string, Known> known_;  // by syspath: a device is reported once
};

}  // namespace np72::qt
