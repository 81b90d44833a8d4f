// Where tty devices come and go: libudev on a real host, an injected source
// in tests (no udevd runs in a build sandbox).
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace np72::qt {

// One udev device as an event or the enumeration reports it.
struct UdevRecord {
  std::string action;   // "add", "remove", ...; "add" for present devices
  std::string syspath;  // the device's identity
  std::string devnode;  // "/dev/ttyACM0"
  std::map<std::string, std::string> properties;

  std::string Property(const std::string& name) const {
    const auto found = properties.find(name);
    return found != properties.end() ? found->second : std::string();
  }
};

class DeviceSource {
 public:
  using Listener = std::function<void(const UdevRecord&)>;
  virtual ~DeviceSource() = default;
  // Starts watching; every later event reaches the listener on the window thread.
  virtual void Start(Listener listener) = 0;
  // The devices present now. Called after Start, so none falls between the two.
  virtual std::vector<UdevRecord> Present() = 0;
};

}  // namespace np72::qt
