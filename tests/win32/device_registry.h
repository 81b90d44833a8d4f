// The sensor's device keys in the registry of the Wine prefix the tests run in.
#pragma once

#include <windows.h>

#include <string>

namespace np72::testing_registry {

std::wstring DeviceKey(const std::string& serial);
// Creates the device key of the sensor with this serial and sets its "FriendlyName".
void SetFriendlyName(const std::string& serial, DWORD type, const void* data, DWORD size);
void SetFriendlyName(const std::string& serial, DWORD type, const std::wstring& text);
void RemoveDeviceKey(const std::string& serial);
// The sensor's USB device interface name.
std::string SensorInterface(const std::string& serial);

}  // namespace np72::testing_registry
