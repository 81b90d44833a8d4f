// The tool's window and form, wired to the host's services: every event
// reaches the form through the error box's guard.
#pragma once

#include "platform/platform.h"
#include "qt/main_window.h"
#include "qt/shell.h"
#include "qt/window_ops.h"
#include "window/form1.h"

namespace np72::qt {

// What differs between the real tool, the demo and the tests.
struct Host {
  SerialDevice& serial;
  DeviceNotifications& notifications;
  PortLookup& lookup;
  InstanceGuard& guard;
  Dialogs& dialogs;
};

class FrontEnd {
 public:
  explicit FrontEnd(const Host& host);
  FrontEnd(const FrontEnd&) = delete;
  FrontEnd& operator=(const FrontEnd&) = delete;

  // FormCreate, once every control exists, then the window is shown.
  void Start();
  // One device-change event of the host.
  void DeviceChanged(const DeviceChange& event);

  MainWindow& window() { return window_; }
  TForm1& form() { return form_; }

 private:
  template <class Handler>
  void Guarded(Handler&& handler);

  Dialogs& dialogs_;
  MainWindow window_;
  QtWindowOps ops_;
  QtTickSource ticks_;
  QtLocale locale_;
  QtApplication application_;
  TForm1 form_;
};

}  // namespace np72::qt
