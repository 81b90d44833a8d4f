// What the tool reads out of device-interface names and friendly names.
#pragma once

#include <string>
#include <string_view>

namespace np72 {

// A device interface of the sensor: its name contains "NP72" (case-sensitive).
bool NamesSensor(std::string_view interface_name);

// The port name inside a friendly name: from the first "(COM" on, without the
// "(", up to the first ")" after it if there is one. "USB Serial Device (COM5)"
// gives "COM5"; a name without "(COM" gives an empty text.
std::string PortNameFromFriendlyName(std::string_view friendly_name);

// The device instance behind an interface name:
// \\?\USB#VID_0483&PID_5740#NP72000123#{guid} gives USB\VID_0483&PID_5740\NP72000123.
std::string DeviceInstanceOf(std::string_view interface_name);

// Device instances compare without regard to case (Vid_0483 and VID_0483 are one device).
bool SameDeviceInstance(std::string_view a, std::string_view b);

}  // namespace np72
