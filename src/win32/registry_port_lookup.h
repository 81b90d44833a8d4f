// The port of an arrived sensor, from its device key's "FriendlyName".
#pragma once

#include "platform/port_lookup.h"

namespace np72::win32 {

class RegistryPortLookup final : public PortLookup {
 public:
  std::string PortName(const std::string& interfaceName) override;
};

}  // namespace np72::win32
