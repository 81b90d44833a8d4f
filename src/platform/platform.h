// Everything the tool's logic needs of its host, handed to TForm1 at construction.
#pragma once

#include "platform/device_notifications.h"
#include "platform/instance_guard.h"
#include "platform/locale.h"
#include "platform/port_lookup.h"
#include "platform/serial_device.h"
#include "platform/shell.h"
#include "platform/tick_source.h"
#include "platform/window_ops.h"

namespace np72 {

struct Platform {
  WindowOps& window;
  SerialDevice& serial;
  TickSource& ticks;
  PortLookup& lookup;
  Locale& locale;
  InstanceGuard& guard;
  DeviceNotifications& notifications;
  Dialogs& dialogs;
  Application& application;
};

}  // namespace np72
