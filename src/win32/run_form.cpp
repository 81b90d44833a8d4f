#include "win32/run_form.h"

#include "app/error_box.h"
#include "win32/control_ops.h"
#include "win32/shell.h"
#include "win32/window_ticks.h"
#include "window/form1.h"

namespace np72::win32 {

int RunForm(MainWindow& window, SerialDevice& serial, PortLookup& lookup, DeviceNotifications& notifications) {
  ControlOps ops(window);
  MessageBoxDialogs dialogs(window.Hwnd());
  QuitApplication application;
  NamedEventGuard guard;
  UserLocale locale;
  TForm1* ticking = nullptr;
  WindowTicks ticks(window, [&ticking] { ticking->Timer1Timer(); });
  TForm1 form(Platform{ops, serial, ticks, lookup, locale, guard, notifications, dialogs, application});
  ticking = &form;
  window.Attach(form, dialogs);

  // Every control exists now; the window is shown after FormCreate.
  RunGuarded(dialogs, [&] { form.FormCreate(); });
  if (!application.Terminated()) window.Show();

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace np72::win32
