// TGroupBox: an etched frame with its caption at the top left, holding controls.
#pragma once

#include "win32/own_window.h"

namespace np72::win32 {

class GroupBox final : public OwnWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TGroupBox";

  explicit GroupBox(HWND hwnd) : OwnWindow(hwnd) {}
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  void Paint(HDC dc);
};

}  // namespace np72::win32
