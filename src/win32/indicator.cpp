#include "win32/indicator.h"

namespace np72::win32 {

void Indicator::Paint(HDC dc, RECT rect) {
  if (!brush_) {
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  HBRUSH brush = CreateSolidBrush(*brush_);
  const HGDIOBJ old_brush = SelectObject(dc, brush);
  const HGDIOBJ old_pen = SelectObject(dc, GetStockObject(BLACK_PEN));
  Rectangle(dc, 0, 0, 10, 10);
  SelectObject(dc, old_pen);
  SelectObject(dc, old_brush);
  DeleteObject(brush);
}

void Indicator::SetBrush(COLORREF brush) {
  brush_ = brush;
  InvalidateRect(hwnd_, nullptr, FALSE);
}

}  // namespace np72::win32
