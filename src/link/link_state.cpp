// The window's two looks: waiting for the sensor, and active.
#include "window/form1.h"

namespace np72 {

void TForm1::ComPort1AfterOpen() {
  window_.SetText(Control::Label10, "Устройство активно");
  window_.SetVisible(Control::Panel2, true);
  window_.SetVisible(Control::GroupBox4, true);
  window_.PaintImage(Control::Image1, Colour::Green);
  for (const Control edit : {Control::Edit2, Control::Edit11, Control::Edit12, Control::Edit13, Control::MaskEdit1,
                             Control::MaskEdit2, Control::MaskEdit3, Control::MaskEdit4}) {
    window_.Clear(edit);
  }
  // A new connection starts clean: the emptied fields no longer show what the
  // sensor reported, and no piece of the last connection's frame is kept.
  session_.Reported = {};
  session_.Receiver.Reset();
}

void TForm1::ComPort1AfterClose() {
  window_.SetText(Control::Label10, "Устройство не определено");
  window_.SetVisible(Control::Panel2, false);
  window_.SetVisible(Control::GroupBox4, false);
  window_.PaintImage(Control::Image1, Colour::Red);
  ResetHistory();
}

}  // namespace np72
