// The simulated sensor as the host's device manager sees it.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "platform/port_lookup.h"

namespace np72::sim {

// The interface name under which the simulated sensor arrives.
inline constexpr std::string_view kSimulatedInterfaceName =
    R"(\\?\USB#VID_0483&PID_5740#NP72SIM0001#{A5DCBF10-6530-11D2-901F-00C04FB951ED})";
// The port the host gives it.
inline constexpr std::string_view kSimulatedPortName = "COM7";

// Knows the simulated sensor's port and no other.
class SimulatedPortLookup final : public np72::PortLookup {
 public:
  explicit SimulatedPortLookup(std::string port_name = std::string(kSimulatedPortName))
      : port_name_(std::move(port_name)) {}

  std::string PortName(const std::string& interfaceName) override {
    return interfaceName == kSimulatedInterfaceName ? port_name_ : std::string();
  }

 private:
  std::string port_name_;
};

}  // namespace np72::sim
