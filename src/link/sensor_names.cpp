#include "link/sensor_names.h"

#include <algorithm>

namespace np72 {

bool NamesSensor(std::string_view interface_name) {
  return interface_name.find("NP72") != std::string_view::npos;
}

std::string PortNameFromFriendlyName(std::string_view friendly_name) {
  const std::size_t start = friendly_name.find("(COM");
  if (start == std::string_view::npos) return {};
  std::string_view port = friendly_name.substr(start + 1);
  return std::string(port.substr(0, port.find(')')));
}

std::string DeviceInstanceOf(std::string_view interface_name) {
  constexpr std::string_view kPrefix = "\\\\?\\";
  if (interface_name.starts_with(kPrefix)) interface_name.remove_prefix(kPrefix.size());
  std::string instance(interface_name.substr(0, interface_name.find("#{")));
  std::replace(instance.begin(), instance.end(), '#', '\\');
  return instance;
}

bool SameDeviceInstance(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace np72
