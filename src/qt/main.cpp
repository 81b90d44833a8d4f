// np72: the NP72 service tool on a Linux desktop.
#include <QApplication>

#include "qt/front_end.h"
#include "qt/hotplug.h"
#include "qt/instance_guard.h"
#include "qt/serial_device.h"
#include "qt/udev_source.h"

int main(int argc, char* argv[]) {
  using namespace np72::qt;
  QApplication application(argc, argv);
  QApplication::setApplicationName("np72");
  QApplication::setDesktopFileName("np72");

  UdevSource udev;
  Hotplug hotplug(udev);
  QtDialogs dialogs;
  QtSerialDevice serial(dialogs);
  SocketInstanceGuard guard(GuardName("Kestrion"));
  FrontEnd front_end(Host{serial, hotplug, hotplug, guard, dialogs});
  hotplug.SetReceiver([&](const np72::DeviceChange& event) { front_end.DeviceChanged(event); });
  front_end.Start();
  return QApplication::exec();
}
