#include "win32/group_box.h"

namespace np72::win32 {

void GroupBox::Paint(HDC dc, RECT rect) {
  FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
  const HGDIOBJ old_font = SelectObject(dc, Font());
  TEXTMETRICW metrics;
  GetTextMetricsW(dc, &metrics);
  RECT frame = rect;
  frame.top = metrics.tmHeight / 2;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);

  const std::wstring caption = WindowText(hwnd_);
  if (!caption.empty()) {
    SIZE size;
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
    RECT text_rect{8, 0, 8 + size.cx + 4, metrics.tmHeight};
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetBkMode(dc, OPAQUE);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text_rect,
              DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  SelectObject(dc, old_font);
}

}  // namespace np72::win32
