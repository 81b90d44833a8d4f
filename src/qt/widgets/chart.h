// Chart1 with its line series Series1: fixed axes, a title, no legend.
#pragma once

#include <QColor>
#include <QWidget>
#include <vector>

#include "window/control_table.h"

namespace np72::qt {

class Chart final : public QWidget {
  Q_OBJECT

 public:
  struct Point {
    int x, y;
    QColor colour;
  };

  Chart(const ChartSetup& setup, QWidget* parent);

  const ChartSetup& setup() const { return setup_; }
  const std::vector<Point>& points() const { return points_; }
  // Both only store and schedule one repaint: a reading adds 200 points.
  void clearPoints();
  void addPoint(int x, int y, const QColor& colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect PlotArea() const;
  QPointF Map(const QRect& area, double x, double y) const;
  void DrawAxes(QPainter& painter, const QRect& area) const;

  const ChartSetup& setup_;
  QFont titleFont_;
  std::vector<Point> points_;
};

}  // namespace np72::qt
