// TImage Image1: a 10 x 10 square painted with a black outline and a brush colour.
#pragma once

#include <optional>

#include "win32/own_window.h"

namespace np72::win32 {

class Indicator final : public PaintedWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TImage";

  explicit Indicator(HWND hwnd) : PaintedWindow(hwnd) {}
  void SetBrush(COLORREF brush);

 private:
  void Paint(HDC dc, RECT rect) override;

  std::optional<COLORREF> brush_;  // no picture until the first paint
};

}  // namespace np72::win32
