// np72-on-pty: the real tool (window, QSerialPort device, hotplug, shell)
// with one sensor present at start on the given tty, for runs that measure
// the whole process against np72-sim-pty. Only udev is replaced: a pty is no
// USB device, so udev would never name it the sensor.
//
//   np72-on-pty /dev/pts/N
#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <string>

#include "fake_device_source.h"
#include "qt/front_end.h"
#include "qt/hotplug.h"
#include "qt/instance_guard.h"
#include "qt/serial_device.h"

int main(int argc, char* argv[]) {
  using namespace np72::qt;
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s TTY\n", argv[0]);
    return 2;
  }
  QApplication::setApplicationName("np72");

  FakeDeviceSource udev;
  udev.SetPresent({SensorTty("add", QString::fromLocal8Bit(argv[1]))});
  Hotplug hotplug(udev);
  QtDialogs dialogs;
  QtSerialDevice serial(dialogs);
  // A guard of its own process: measuring runs leave the tool, and each
  // other, free to start.
  SocketInstanceGuard guard(GuardName("np72-on-pty") + "." + std::to_string(getpid()));
  FrontEnd front_end(Host{serial, hotplug, hotplug, guard, dialogs});
  hotplug.SetReceiver([&](const np72::DeviceChange& event) { front_end.DeviceChanged(event); });
  front_end.Start();
  return QApplication::exec();
}
