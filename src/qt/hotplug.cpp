#include "qt/hotplug.h"

#include <algorithm>

#include "link/sensor_names.h"

namespace np72::qt {

namespace {

constexpr const char* kComPortInterfaceClass = "{86E0D1E0-8089-11D0-9CE4-08003E301F73}";

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
  return text;
}

std::string SerialOf(const UdevRecord& record) {
  std::string serial = record.Property("ID_SERIAL_SHORT");
  if (serial.empty()) serial = record.Property("ID_SERIAL");
  // '#' and '\' separate the parts of an interface name.
  std::replace(serial.begin(), serial.end(), '#', '_');
  std::replace(serial.begin(), serial.end(), '\\', '_');
  return serial;
}

}  // namespace

bool IsSensor(const UdevRecord& record) {
  const auto has_marker = [&](const char* property) { return NamesSensor(record.Property(property)); };
  return Upper(record.Property("ID_VENDOR_ID")) == "0483" && Upper(record.Property("ID_MODEL_ID")) == "5740" &&
         (has_marker("ID_SERIAL_SHORT") || has_marker("ID_SERIAL"));
}

std::string InterfaceNameOf(const UdevRecord& record) {
  const std::string vendor = record.Property("ID_VENDOR_ID");
  const std::string model = record.Property("ID_MODEL_ID");
  if (vendor.empty() || model.empty()) return {};
  return "\\\\?\\USB#VID_" + Upper(vendor) + "&PID_" + Upper(model) + "#" + SerialOf(record) + "#" +
         kComPortInterfaceClass;
}

void Hotplug::Subscribe(WindowHandle) {
  source_.Start([this](const UdevRecord& record) { OnRecord(record); });
}

std::vector<std::string> Hotplug::PresentInterfaces() {
  std::vector<std::string> names;
  for (const UdevRecord& record : source_.Present()) {
    const auto [entry, fresh] = known_.try_emplace(record.syspath, Known{InterfaceNameOf(record), record.devnode, IsSensor(record)});
    if (fresh && !entry->second.interfaceName.empty()) names.push_back(entry->second.interfaceName);
  }
  return names;
}

std::string Hotplug::PortName(const std::string& interfaceName) {
  for (const auto& [syspath, known] : known_) {
    if (known.sensor && known.interfaceName == interfaceName) return known.devnode;
  }
  return {};
}

void Hotplug::OnRecord(const UdevRecord& record) {
  if (record.action == "add") {
    // The enumeration at start may have reported it already.
    const auto [entry, fresh] = known_.try_emplace(record.syspath, Known{InterfaceNameOf(record), record.devnode, IsSensor(record)});
    if (!fresh) return;
    Deliver(kDevNodesChanged, {});
    Deliver(kDeviceArrival, entry->second.interfaceName);
  } else if (record.action == "remove") {
    const auto entry = known_.find(record.syspath);
    const std::string name = entry != known_.end() ? entry->second.interfaceName : InterfaceNameOf(record);
    if (entry != known_.end()) known_.erase(entry);
    Deliver(kDeviceRemoveComplete, name);
    Deliver(kDevNodesChanged, {});
  }
}

void Hotplug::Deliver(std::uint32_t code, const std::string& interfaceName) {
  if (receiver_) receiver_(DeviceChange{code, interfaceName});
}

}  // namespace np72::qt
