#include "qt/udev_source.h"

#include <libudev.h>

#include <QSocketNotifier>

namespace np72::qt {

namespace {

constexpr const char* kSubsystem = "tty";

UdevRecord RecordOf(udev_device* device, const char* action) {
  UdevRecord record;
  record.action = action != nullptr ? action : "";
  record.syspath = udev_device_get_syspath(device);
  const char* node = udev_device_get_devnode(device);
  record.devnode = node != nullptr ? node : "";
  udev_list_entry* entry = nullptr;
  udev_list_entry_foreach(entry, udev_device_get_properties_list_entry(device)) {
    const char* value = udev_list_entry_get_value(entry);
    record.properties[udev_list_entry_get_name(entry)] = value != nullptr ? value : "";
  }
  return record;
}

}  // namespace

UdevSource::UdevSource() : udev_(udev_new()) {}

UdevSource::~UdevSource() {
  notifier_.reset();
  if (monitor_ != nullptr) udev_monitor_unref(monitor_);
  if (udev_ != nullptr) udev_unref(udev_);
}

void UdevSource::Start(Listener listener) {
  listener_ = std::move(listener);
  if (udev_ == nullptr || monitor_ != nullptr) return;
  monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
  if (monitor_ == nullptr) return;  // no notifications then, as when a subscription fails
  udev_monitor_filter_add_match_subsystem_devtype(monitor_, kSubsystem, nullptr);
  if (udev_monitor_enable_receiving(monitor_) < 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(udev_monitor_get_fd(monitor_), QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, &UdevSource::Drain);
}

void UdevSource::Drain() {
  while (udev_device* device = udev_monitor_receive_device(monitor_)) {
    const UdevRecord record = RecordOf(device, udev_device_get_action(device));
    udev_device_unref(device);
    if (listener_) listener_(record);
  }
}

std::vector<UdevRecord> UdevSource::Present() {
  std::vector<UdevRecord> present;
  if (udev_ == nullptr) return present;
  udev_enumerate* enumerate = udev_enumerate_new(udev_);
  udev_enumerate_add_match_subsystem(enumerate, kSubsystem);
  udev_enumerate_scan_devices(enumerate);
  udev_list_entry* entry = nullptr;
  udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate)) {
    if (udev_device* device = udev_device_new_from_syspath(udev_, udev_list_entry_get_name(entry))) {
      present.push_back(RecordOf(device, "add"));
      udev_device_unref(device);
    }
  }
  udev_enumerate_unref(enumerate);
  return present;
}

}  // namespace np72::qt
