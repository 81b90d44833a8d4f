// TChart Chart1 with its one line series: fixed axes, a title, a line through
// the points in ascending X. Points are only stored as they come; the chart
// repaints once, double-buffered, when the message queue is idle.
#pragma once

#include <string>
#include <vector>

#include "win32/own_window.h"

namespace np72::win32 {

class Chart final : public PaintedWindow {
 public:
  static constexpr const wchar_t* kClassName = L"TChart";

  explicit Chart(HWND hwnd) : PaintedWindow(hwnd) {}
  ~Chart() override;

  void ClearSeries();
  void AddPoint(int x, int y, COLORREF colour);

 private:
  struct Point {
    int x, y;
    COLORREF colour;
  };
  void Invalidate();
  void Paint(HDC dc, RECT rect) override;
  void PaintAxes(HDC dc, const RECT& plot);
  void PaintSeries(HDC dc, const RECT& plot);

  std::vector<Point> points_;
  HFONT title_font_ = nullptr;
  bool invalid_ = false;
};

}  // namespace np72::win32
