// np72.exe: the service tool on the host's COM ports and device notifications.
#include "win32/com_device.h"
#include "win32/device_change.h"
#include "win32/main_window.h"
#include "win32/registry_port_lookup.h"
#include "win32/run_form.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  np72::win32::MainWindow window;
  np72::win32::ComDevice serial(window);
  np72::win32::RegistryPortLookup lookup;
  np72::win32::WindowDeviceNotifications notifications;
  return np72::win32::RunForm(window, serial, lookup, notifications);
}
