// The poll timer: a current-data request every tick, and the blinking indicator.
#include "window/form1.h"
#include "window/number_format.h"

namespace np72 {

void TForm1::Timer1Timer() {
  if (session_.SkipNextPoll) {
    session_.SkipNextPoll = false;
  } else {
    SendShortCommand(CmdPollCurrent);
  }
  session_.TickCount = static_cast<std::int16_t>(session_.TickCount + 1);
  window_.SetText(Control::Label9, Decimal(session_.TickCount));
  const bool green = window_.ImageBrush(Control::Image1) == Colour::Green;
  window_.PaintImage(Control::Image1, green ? Colour::ButtonFace : Colour::Green);
}

void TForm1::Button8Click() {
  if (Timer1.Enabled()) {
    window_.SetText(Control::Button8, "Timer OFF");
    Timer1.SetEnabled(false);
  } else {
    window_.SetText(Control::Button8, "Timer ON");
    Timer1.SetEnabled(true);
  }
}

}  // namespace np72
