#include "win32/panel.h"

namespace np72::win32 {

LRESULT Panel::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_PAINT: {
      PAINTSTRUCT ps;
      Paint(BeginPaint(hwnd_, &ps));
      EndPaint(hwnd_, &ps);
      return 0;
    }
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(hwnd_, message, wparam, lparam);
      InvalidateRect(hwnd_, nullptr, FALSE);
      return result;
    }
    default:
      return Default(message, wparam, lparam);
  }
}

void Panel::SetColour(COLORREF colour) {
  colour_ = colour;
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void Panel::Paint(HDC dc) {
  RECT rect;
  GetClientRect(hwnd_, &rect);
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
