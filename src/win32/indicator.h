// TImage Image1: a 10 x 10 square painted with a black outline and a brush colour.
#pragma once

#include <optional>

#include "win32/own_window.h"

namespace np72::win32 {

class Indicator final : public OwnWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TImage";

  explicit Indicator(HWND hwnd) : OwnWindow(hwnd) {}
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void Paint(COLORREF brush);

 private:
  std::optional<COLORREF> brush_;  // no picture until the first paint
};

}  // namespace np72::win32
