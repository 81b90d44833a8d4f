// TMaskEdit with the mask "9999": four positions drawn from a MaskedField,
// underscores for empty ones, digits typed over what stands at the caret.
// Its window text is the field read back ("100 "); WM_SETTEXT places a text.
#pragma once

#include "win32/own_window.h"
#include "window/masked_field.h"

namespace np72::win32 {

class MaskEdit final : public PaintedWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TMaskEdit";

  explicit MaskEdit(HWND hwnd) : PaintedWindow(hwnd) {}
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  const MaskedField& Field() const { return field_; }

 private:
  void Place(const wchar_t* text);
  void OnChar(wchar_t character);
  void OnKey(WPARAM key);
  void MoveCaret(int position, bool extend);
  // Empties the selected positions; false when nothing was selected.
  bool EraseSelection();
  void Changed();
  void Paint(HDC dc, RECT rect) override;
  int PositionAt(int x);
  int XOf(HDC dc, int position) const;
  void PlaceCaret();

  MaskedField field_;
  int anchor_ = 0;  // the other end of the selection; equal to the caret when none
};

}  // namespace np72::win32
