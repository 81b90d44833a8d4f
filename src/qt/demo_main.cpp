// np72-demo: the tool's window with the simulated sensor plugged in at start.
#include <QApplication>
#include <QMetaObject>

#include "app/error_box.h"
#include "qt/front_end.h"
#include "qt/instance_guard.h"
#include "sim/simulated_port_lookup.h"
#include "sim/simulated_serial_device.h"

namespace {

// The simulated sensor is present from the start and never comes or goes.
class SimulatedSensorPresent final : public np72::DeviceNotifications {
 public:
  void Subscribe(np72::WindowHandle) override {}
  std::vector<std::string> PresentInterfaces() override { return {std::string(np72::sim::kSimulatedInterfaceName)}; }
};

}  // namespace

int main(int argc, char* argv[]) {
  using namespace np72::qt;
  QApplication application(argc, argv);
  QApplication::setApplicationName("np72-demo");

  QtDialogs dialogs;
  np72::sim::SensorModel model;
  // The simulated port's events reach the form from the loop, guarded like any other.
  np72::sim::SimulatedSerialDevice serial(
      model, std::string(np72::sim::kSimulatedPortName), [&dialogs](std::function<void()> closure) {
        QMetaObject::invokeMethod(
            qApp, [&dialogs, closure = std::move(closure)] { np72::RunGuarded(dialogs, closure); },
            Qt::QueuedConnection);
      });
  np72::sim::SimulatedPortLookup lookup;
  SimulatedSensorPresent notifications;
  SocketInstanceGuard guard(GuardName("Kestrion"));
  FrontEnd front_end(Host{serial, notifications, lookup, guard, dialogs});
  front_end.Start();
  return QApplication::exec();
}
