// Timer1's ticks: a window timer on the main window.
#pragma once

#include "platform/tick_source.h"
#include "win32/main_window.h"

namespace np72::win32 {

class WindowTicks final : public TickSource {
 public:
  // Each tick runs on_tick on the window thread.
  WindowTicks(MainWindow& window, std::function<void()> on_tick);
  void Start(int interval_ms) override;
  void Stop() override;

 private:
  HWND hwnd_;
  bool running_ = false;
};

}  // namespace np72::win32
