#include "win32/window_ticks.h"

namespace np72::win32 {

namespace {

constexpr UINT_PTR kTimer1 = 1;

}  // namespace

WindowTicks::WindowTicks(MainWindow& window, std::function<void()> on_tick) : hwnd_(window.Hwnd()) {
  window.Route(WM_TIMER, [this, tick = std::move(on_tick)](WPARAM id, LPARAM) {
    // A tick already due when the timer stopped is dropped.
    if (id == kTimer1 && running_) tick();
  });
}

void WindowTicks::Start(int interval_ms) {
  running_ = true;
  SetTimer(hwnd_, kTimer1, static_cast<UINT>(interval_ms), nullptr);
}

void WindowTicks::Stop() {
  running_ = false;
  KillTimer(hwnd_, kTimer1);
}

}  // namespace np72::win32
