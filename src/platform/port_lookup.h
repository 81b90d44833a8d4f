// Which serial port the host gave an arrived device.
#pragma once

#include <string>

namespace np72 {

class PortLookup {
 public:
  // The port name of the device behind the interface ("COM5", "/dev/ttyACM0"),
  // or an empty text when the host has none for it. Throws
  // std::runtime_error("Invalid data type for 'FriendlyName'") when the
  // host's record of it has the wrong type.
  virtual std::string PortName(const std::string& interfaceName) = 0;

 protected:
  ~PortLookup() = default;
};

}  // namespace np72
