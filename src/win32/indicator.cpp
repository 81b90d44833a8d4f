#include "win32/indicator.h"

namespace np72::win32 {

LRESULT Indicator::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_ERASEBKGND) return 1;
  if (message != WM_PAINT) return Default(message, wparam, lparam);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT rect;
  GetClientRect(hwnd_, &rect);
  if (brush_) {
    HBRUSH brush = CreateSolidBrush(*brush_);
    const HGDIOBJ old_brush = SelectObject(dc, brush);
    const HGDIOBJ old_pen = SelectObject(dc, GetStockObject(BLACK_PEN));
    Rectangle(dc, 0, 0, 10, 10);
    SelectObject(dc, old_pen);
    SelectObject(dc, old_brush);
    DeleteObject(brush);
  } else {
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
  }
  EndPaint(hwnd_, &ps);
  return 0;
}

void Indicator::Paint(COLORREF brush) {
  brush_ = brush;
  InvalidateRect(hwnd_, nullptr, FALSE);
}

}  // namespace np72::win32
