#include "qt/front_end.h"

#include "app/error_box.h"

namespace np72::qt {

FrontEnd::FrontEnd(const Host& host)
    : dialogs_(host.dialogs),
      ops_(window_),
      ticks_([this] { Guarded([this] { form_.Timer1Timer(); }); }),
      form_(Platform{ops_, host.serial, ticks_, host.lookup, locale_, host.guard, host.notifications, host.dialogs,
                     application_}) {
  window_.SetClickHandler([this](Control button) { Guarded([&] { form_.Click(button); }); });
  window_.SetCloseHandler([this] { Guarded([this] { form_.FormClose(); }); });
}

template <class Handler>
void FrontEnd::Guarded(Handler&& handler) {
  RunGuarded(dialogs_, std::forward<Handler>(handler));
}

void FrontEnd::Start() {
  Guarded([this] { form_.FormCreate(); });
  window_.show();
}

void FrontEnd::DeviceChanged(const DeviceChange& event) {
  Guarded([&] { form_.WMDeviceChange(event); });
}

}  // namespace np72::qt
