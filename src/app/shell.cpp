// Start-up and shutdown of the main window.
#include "app/error_box.h"
#include "window/form1.h"

namespace np72 {

void TForm1::FormCreate() {
  if (!guard_.Acquire()) {
    dialogs_.ShowMessage("Программа \"Kestrion\" уже работает!");
    application_.Terminate();
    return;
  }
  window_.ClearLines(Control::LogMemo);
  notifications_.Subscribe(window_.Handle());
  window_.PaintImage(Control::Image1, Colour::Red);
  // A sensor plugged in before the start is opened as if it had just arrived.
  OpenPresentSensors();
}

void TForm1::FormClose() {
  Timer1.SetEnabled(false);
  ComPort1.Close();
}

}  // namespace np72
