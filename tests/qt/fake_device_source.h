// udev as the tests play it: devices present at start, events injected one by one.
#pragma once

#include <utility>
#include <vector>

#include "qt/device_source.h"

class FakeDeviceSource final : public np72::qt::DeviceSource {
 public:
  void Start(Listener listener) override { listener_ = std::move(listener); }
  std::vector<np72::qt::UdevRecord> Present() override { return present_; }

  void SetPresent(std::vector<np72::qt::UdevRecord> present) { present_ = std::move(present); }
  // As the monitor would deliver it, on the window thread.
  void Inject(const np72::qt::UdevRecord& record) {
    if (listener_) listener_(record);
  }

 private:
  Listener listener_;
  std::vector<np72::qt::UdevRecord> present_;
};

// The tty of a sensor, and the disk of a flash drive, as udev describes them.
inline np72::qt::UdevRecord SensorTty(const char* action, const QString& devnode,
                                      const char* syspath = "/sys/devices/pci0000:00/usb1/1-2/1-2:1.0/tty/ttyACM0") {
  return {action,
          syspath,
          devnode.toStdString(),
          {{"SUBSYSTEM", "tty"},
           {"DEVNAME", devnode.toStdString()},
           {"ID_VENDOR_ID", "0483"},
           {"ID_MODEL_ID", "5740"},
           {"ID_SERIAL", "STMicroelectronics_NP72_NP72000123"},
           {"ID_SERIAL_SHORT", "NP72000123"}}};
}

inline np72::qt::UdevRecord FlashDrive(const char* action) {
  return {action,
          "/sys/devices/pci0000:00/usb1/1-3/1-3:1.0/host6/target6:0:0/6:0:0:0/block/sdb",
          "/dev/sdb",
          {{"SUBSYSTEM", "block"},
           {"DEVNAME", "/dev/sdb"},
           {"ID_VENDOR_ID", "0781"},
           {"ID_MODEL_ID", "5567"},
           {"ID_SERIAL", "SanDisk_Cruzer_Blade_4C530001231120115142-0:0"},
           {"ID_SERIAL_SHORT", "4C530001231120115142"}}};
}
