// TGroupBox: an etched frame with its caption at the top left, holding controls.
#pragma once

#include "win32/own_window.h"

namespace np72::win32 {

class GroupBox final : public PaintedWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TGroupBox";

  explicit GroupBox(HWND hwnd) : PaintedWindow(hwnd) {}

 private:
  void Paint(HDC dc, RECT rect) override;
};

}  // namespace np72::win32
