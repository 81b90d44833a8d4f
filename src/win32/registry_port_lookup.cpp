#include "win32/registry_port_lookup.h"

#include <windows.h>

#include <stdexcept>

#include "link/sensor_names.h"
#include "win32/text.h"

namespace np72::win32 {

namespace {

// The key is only read, never created, and closed on every way out.
class ReadOnlyKey {
 public:
  explicit ReadOnlyKey(const std::wstring& path) {
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key_) != ERROR_SUCCESS) key_ = nullptr;
  }
  ~ReadOnlyKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  ReadOnlyKey(const ReadOnlyKey&) = delete;
  ReadOnlyKey& operator=(const ReadOnlyKey&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// The value's text as stored, up to its first zero; empty when the key or the value is missing.
std::string StringValue(const std::wstring& key_path, const wchar_t* name) {
  const ReadOnlyKey key(key_path);
  if (key.get() == nullptr) return {};
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExW(key.get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
  if (type != REG_SZ && type != REG_EXPAND_SZ) {
    throw std::runtime_error("Invalid data type for '" + Utf8(name) + "'");
  }
  std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (RegQueryValueExW(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS) {
    return {};
  }
  text.resize(text.find(L'\0'));
  return Utf8(text);
}

}  // namespace

std::string RegistryPortLookup::PortName(const std::string& interfaceName) {
  const std::string instance = DeviceInstanceOf(interfaceName);
  if (instance.empty()) return {};
  const std::wstring key_path = L"SYSTEM\\CurrentControlSet\\Enum\\" + Wide(instance);
  return PortNameFromFriendlyName(StringValue(key_path, L"FriendlyName"));
}

}  // namespace np72::win32
