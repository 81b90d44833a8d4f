#include "window/form1.h"

#include "window/control_table.h"

namespace np72 {

TForm1::TForm1(const Platform& platform)
    : ComPort1(platform.serial, *this),
      Timer1(platform.ticks, kTimer1IntervalMs),
      window_(platform.window),
      lookup_(platform.lookup),
      locale_(platform.locale),
      guard_(platform.guard),
      notifications_(platform.notifications),
      dialogs_(platform.dialogs),
      application_(platform.application) {}

void TForm1::Click(Control button) {
  switch (button) {
    case Control::Button1: return Button1Click();
    case Control::Button2: return Button2Click();
    case Control::Button3: return Button3Click();
    case Control::Button4: return Button4Click();
    case Control::Button5: return Button5Click();
    case Control::Button6: return Button6Click();
    case Control::Button7: return Button7Click();
    case Control::Button8: return Button8Click();
    case Control::Button9: return Button9Click();
    case Control::Button11: return Button11Click();
    default: return;
  }
}

}  // namespace np72
