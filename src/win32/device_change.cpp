#include "win32/device_change.h"

#include <dbt.h>

#include <cstring>

namespace np72::win32 {

DeviceChange DecodeDeviceChange(WPARAM event_type, const void* record) {
  DeviceChange event;
  event.eventType = static_cast<std::uint32_t>(event_type);
  if (record == nullptr) return event;
  const auto* header = static_cast<const DEV_BROADCAST_HDR*>(record);
  constexpr std::size_t kNameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name);
  if (header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE || header->dbch_size <= kNameOffset) return event;
  const char* name = static_cast<const char*>(record) + kNameOffset;
  const std::size_t room = header->dbch_size - kNameOffset;
  event.interfaceName.assign(name, strnlen(name, room));
  return event;
}

void WindowDeviceNotifications::Subscribe(WindowHandle window) {
  DEV_BROADCAST_DEVICEINTERFACE_A filter{};
  filter.dbcc_size = sizeof filter;
  filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  // The registration lasts as long as the window.
  RegisterDeviceNotificationA(reinterpret_cast<HWND>(window), &filter,
                              DEVICE_NOTIFY_WINDOW_HANDLE | DEVICE_NOTIFY_ALL_INTERFACE_CLASSES);
}

}  // namespace np72::win32
