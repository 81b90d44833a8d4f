// np72-demo.exe: the tool's window with the simulated sensor plugged in at
// start, in-process, so that it runs live without hardware.
#include <functional>
#include <memory>

#include "sim/sensor_model.h"
#include "sim/simulated_port_lookup.h"
#include "sim/simulated_serial_device.h"
#include "win32/device_change.h"
#include "win32/main_window.h"
#include "win32/run_form.h"

namespace {

constexpr UINT kRunPosted = WM_APP + 2;

// The host's notifications, with the simulated sensor present from the start.
class SimulatedSensorPresent final : public np72::DeviceNotifications {
 public:
  void Subscribe(np72::WindowHandle window) override { host_.Subscribe(window); }
  std::vector<std::string> PresentInterfaces() override {
    return {std::string(np72::sim::kSimulatedInterfaceName)};
  }

 private:
  np72::win32::WindowDeviceNotifications host_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  np72::win32::MainWindow window;
  HWND hwnd = window.Hwnd();
  window.Route(kRunPosted, [](WPARAM, LPARAM posted) {
    std::unique_ptr<std::function<void()>>(reinterpret_cast<std::function<void()>*>(posted))->operator()();
  });
  np72::sim::SensorModel model;
  np72::sim::SimulatedSerialDevice serial(model, std::string(np72::sim::kSimulatedPortName),
                                          [hwnd](std::function<void()> action) {
                                            PostMessageW(hwnd, kRunPosted, 0,
                                                         reinterpret_cast<LPARAM>(new std::function<void()>(std::move(action))));
                                          });
  np72::sim::SimulatedPortLookup lookup;
  SimulatedSensorPresent notifications;
  return np72::win32::RunForm(window, serial, lookup, notifications);
}
