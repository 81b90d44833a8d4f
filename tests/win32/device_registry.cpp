#include "device_registry.h"

#include "win32/text.h"

namespace np72::testing_registry {

std::wstring DeviceKey(const std::string& serial) {
  return L"SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_0483&PID_5740\\" + win32::Wide(serial);
}

void SetFriendlyName(const std::string& serial, DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_LOCAL_MACHINE, DeviceKey(serial).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  RegSetValueExW(key, L"FriendlyName", 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
}

void SetFriendlyName(const std::string& serial, DWORD type, const std::wstring& text) {
  SetFriendlyName(serial, type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void RemoveDeviceKey(const std::string& serial) {
  RegDeleteKeyW(HKEY_LOCAL_MACHINE, DeviceKey(serial).c_str());
}

std::string SensorInterface(const std::string& serial) {
  return "\\\\?\\USB#VID_0483&PID_5740#" + serial + "#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";
}

}  // namespace np72::testing_registry
