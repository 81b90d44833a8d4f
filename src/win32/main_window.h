// The main window TForm1 and every control of the control table as a real
// child window; it turns window messages into calls of the form's handlers.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <map>
#include <string>
#include <utility>

#include "platform/control.h"
#include "platform/shell.h"

namespace np72 {
class TForm1;
}

namespace np72::win32 {

class MainWindow {
 public:
  // Creates the window and all its controls, not yet shown.
  MainWindow();
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  HWND Hwnd() const { return hwnd_; }
  HWND Of(Control control) const;

  // From here on the window's events reach the form, each guarded by the error box.
  void Attach(TForm1& form, Dialogs& dialogs);
  // A message of the front-end's own (timer ticks, port notifications, posted
  // work), handed to its handler as one guarded event.
  void Route(UINT message, std::function<void(WPARAM, LPARAM)> handler);
  void Show();

  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

 private:
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void CreateControls();
  HFONT FontFor(const char* family, int pixel_height);
  template <class Handler>
  void Guarded(Handler&& handler);

  HWND hwnd_ = nullptr;
  std::array<HWND, kControlCount> controls_{};
  std::map<std::pair<std::string, int>, HFONT> fonts_;
  std::map<UINT, std::function<void(WPARAM, LPARAM)>> routes_;
  TForm1* form_ = nullptr;
  Dialogs* dialogs_ = nullptr;
};

}  // namespace np72::win32
