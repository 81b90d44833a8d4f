#include "win32/chart.h"

#include <algorithm>

#include "win32/text.h"
#include "window/control_table.h"

namespace np72::win32 {

namespace {

constexpr int kXStep = 20;
constexpr int kYStep = 250;

int MapX(const RECT& plot, int x) {
  return plot.left + MulDiv(x - kChart1.xMin, plot.right - plot.left, kChart1.xMax - kChart1.xMin);
}

int MapY(const RECT& plot, int y) {
  return plot.bottom - MulDiv(y - kChart1.yMin, plot.bottom - plot.top, kChart1.yMax - kChart1.yMin);
}

void PaintText(HDC dc, const std::wstring& text, RECT rect, UINT format) {
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

Chart::~Chart() {
  if (title_font_ != nullptr) DeleteObject(title_font_);
}

void Chart::ClearSeries() {
  points_.clear();
  Invalidate();
}

void Chart::AddPoint(int x, int y, COLORREF colour) {
  // X values are kept in ascending order.
  const auto at = std::upper_bound(points_.begin(), points_.end(), x, [](int value, const Point& p) { return value < p.x; });
  points_.insert(at, Point{x, y, colour});
  Invalidate();
}

void Chart::Invalidate() {
  if (invalid_) return;
  invalid_ = true;
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void Chart::Paint(HDC dc, RECT rect) {
  invalid_ = false;
  FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
  SetBkMode(dc, TRANSPARENT);

  if (title_font_ == nullptr) {
    title_font_ = CreateFontW(-kChart1.titleFont.pixelHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                              Wide(kChart1.titleFont.family).c_str());
  }
  const HGDIOBJ old_font = SelectObject(dc, title_font_);
  TEXTMETRICW title_metrics;
  GetTextMetricsW(dc, &title_metrics);
  SetTextColor(dc, RGB(0, 0, 0));
  PaintText(dc, Wide(kChart1.title), RECT{rect.left, 4, rect.right, 4 + title_metrics.tmHeight}, DT_CENTER);

  SelectObject(dc, Font());
  TEXTMETRICW metrics;
  GetTextMetricsW(dc, &metrics);
  SIZE widest{};
  const std::wstring widest_label = std::to_wstring(kChart1.yMax);
  GetTextExtentPoint32W(dc, widest_label.c_str(), static_cast<int>(widest_label.size()), &widest);
  const RECT plot{rect.left + widest.cx + 12, 4 + title_metrics.tmHeight + 8, rect.right - 14,
                  rect.bottom - metrics.tmHeight - 10};
  PaintAxes(dc, plot);
  PaintSeries(dc, plot);
  SelectObject(dc, old_font);
}

void Chart::PaintAxes(HDC dc, const RECT& plot) {
  HPEN grid = CreatePen(PS_DOT, 1, RGB(128, 128, 128));
  const HGDIOBJ old_pen = SelectObject(dc, grid);
  SetTextColor(dc, RGB(0, 0, 0));
  TEXTMETRICW metrics;
  GetTextMetricsW(dc, &metrics);
  for (int y = 0; y <= kChart1.yMax; y += kYStep) {
    const int py = MapY(plot, y);
    MoveToEx(dc, plot.left, py, nullptr);
    LineTo(dc, plot.right, py);
    PaintText(dc, std::to_wstring(y), RECT{0, py - metrics.tmHeight / 2, plot.left - 6, py + metrics.tmHeight}, DT_RIGHT);
  }
  for (int x = kChart1.xMin; x <= kChart1.xMax; x += kXStep) {
    const int px = MapX(plot, x);
    MoveToEx(dc, px, plot.top, nullptr);
    LineTo(dc, px, plot.bottom);
    PaintText(dc, std::to_wstring(x), RECT{px - 20, plot.bottom + 4, px + 20, plot.bottom + 4 + metrics.tmHeight},
              DT_CENTER);
  }
  SelectObject(dc, GetStockObject(BLACK_PEN));
  MoveToEx(dc, plot.left, plot.top, nullptr);
  LineTo(dc, plot.left, plot.bottom);
  LineTo(dc, plot.right + 1, plot.bottom);
  SelectObject(dc, old_pen);
  DeleteObject(grid);
}

void Chart::PaintSeries(HDC dc, const RECT& plot) {
  if (points_.empty()) return;
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, plot.left, plot.top, plot.right + 1, plot.bottom + 1);
  HPEN pen = nullptr;
  COLORREF pen_colour = 0;
  MoveToEx(dc, MapX(plot, points_.front().x), MapY(plot, points_.front().y), nullptr);
  for (const Point& point : points_) {
    if (pen == nullptr || point.colour != pen_colour) {
      HPEN next = CreatePen(PS_SOLID, 1, point.colour);
      SelectObject(dc, next);
      if (pen != nullptr) DeleteObject(pen);
      pen = next;
      pen_colour = point.colour;
    }
    LineTo(dc, MapX(plot, point.x), MapY(plot, point.y));
  }
  RestoreDC(dc, saved);
  if (pen != nullptr) DeleteObject(pen);
}

}  // namespace np72::win32
