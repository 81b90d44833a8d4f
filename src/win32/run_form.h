// The tool's run: the form over the main window and the host's facilities,
// from FormCreate to the end of the message loop.
#pragma once

#include "platform/device_notifications.h"
#include "platform/port_lookup.h"
#include "platform/serial_device.h"
#include "win32/main_window.h"

namespace np72::win32 {

int RunForm(MainWindow& window, SerialDevice& serial, PortLookup& lookup, DeviceNotifications& notifications);

}  // namespace np72::win32
