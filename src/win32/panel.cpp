#include "win32/panel.h"

namespace np72::win32 {

void Panel::SetColour(COLORREF colour) {
  colour_ = colour;
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void Panel::Paint(HDC dc, RECT rect) {
  HBRUSH brush = CreateSolidBrush(colour_);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
  const bool lowered = (GetWindowLongW(hwnd_, GWL_STYLE) & kLowered) != 0;
  DrawEdge(dc, &rect, lowered ? BDR_SUNKENOUTER : BDR_RAISEDOUTER, BF_RECT);

  const std::wstring text = WindowText(hwnd_);
  if (text.empty()) return;
  const HGDIOBJ old_font = SelectObject(dc, Font());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old_font);
}

}  // namespace np72::win32
