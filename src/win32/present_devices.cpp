// The sensors plugged in before the start. Windows' device database knows
// which USB devices are present; where it knows no USB device at all (Wine),
// the devices recorded under the registry's Enum\USB key stand for them.
#include "win32/device_change.h"

#include <cfgmgr32.h>
#include <setupapi.h>

#include <algorithm>

#include "win32/text.h"

namespace np72::win32 {

namespace {

constexpr const wchar_t* kSensorHardware = L"USB\\VID_0483&PID_5740";
constexpr const char* kUsbDeviceInterfaceClass = "{a5dcbf10-6530-11d2-901f-00c04fb951ed}";

// \\?\USB#VID_0483&PID_5740#<serial>#{usb device interface class}
std::string InterfaceNameOf(std::wstring instance) {
  std::replace(instance.begin(), instance.end(), L'\\', L'#');
  return "\\\\?\\" + Utf8(instance) + "#" + kUsbDeviceInterfaceClass;
}

bool IsSensor(std::wstring instance) {
  const std::wstring hardware = kSensorHardware;
  if (instance.size() <= hardware.size()) return false;
  return CompareStringOrdinal(instance.c_str(), static_cast<int>(hardware.size()), hardware.c_str(),
                              static_cast<int>(hardware.size()), TRUE) == CSTR_EQUAL &&
         instance[hardware.size()] == L'\\';
}

// Device instances below the USB enumerator; `present` narrows them to the
// devices plugged in now. Empty when the device database knows none.
std::vector<std::wstring> UsbInstances(bool present) {
  std::vector<std::wstring> instances;
  const DWORD flags = DIGCF_ALLCLASSES | (present ? DIGCF_PRESENT : 0);
  HDEVINFO set = SetupDiGetClassDevsW(nullptr, L"USB", nullptr, flags);
  if (set == INVALID_HANDLE_VALUE) return instances;
  SP_DEVINFO_DATA device{};
  device.cbSize = sizeof device;
  for (DWORD i = 0; SetupDiEnumDeviceInfo(set, i, &device); ++i) {
    wchar_t id[MAX_DEVICE_ID_LEN] = {};
    if (SetupDiGetDeviceInstanceIdW(set, &device, id, MAX_DEVICE_ID_LEN, nullptr)) instances.emplace_back(id);
  }
  SetupDiDestroyDeviceInfoList(set);
  return instances;
}

std::vector<std::wstring> RegistryInstances() {
  std::vector<std::wstring> instances;
  const std::wstring key_path = std::wstring(L"SYSTEM\\CurrentControlSet\\Enum\\") + kSensorHardware;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key_path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return instances;
  wchar_t serial[256];
  for (DWORD i = 0;; ++i) {
    DWORD length = 256;
    if (RegEnumKeyExW(key, i, serial, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    instances.push_back(std::wstring(kSensorHardware) + L"\\" + serial);
  }
  RegCloseKey(key);
  return instances;
}

}  // namespace

std::vector<std::string> WindowDeviceNotifications::PresentInterfaces() {
  std::vector<std::wstring> instances = UsbInstances(true);
  if (instances.empty() && UsbInstances(false).empty()) instances = RegistryInstances();
  std::vector<std::string> names;
  for (const std::wstring& instance : instances) {
    if (IsSensor(instance)) names.push_back(InterfaceNameOf(instance));
  }
  return names;
}

}  // namespace np72::win32
