// TPanel: a one-pixel bevel, a background colour of its own, one line of centred text.
#pragma once

#include "win32/own_window.h"

namespace np72::win32 {

class Panel final : public PaintedWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TPanel";
  // Window style bit for a lowered bevel (raised without it).
  static constexpr DWORD kLowered = 0x0001;

  explicit Panel(HWND hwnd) : PaintedWindow(hwnd) {}
  void SetColour(COLORREF colour);

 private:
  void Paint(HDC dc, RECT rect) override;
  COLORREF colour_ = GetSysColor(COLOR_BTNFACE);
};

}  // namespace np72::win32
