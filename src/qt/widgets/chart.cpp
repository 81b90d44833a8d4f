#include "qt/widgets/chart.h"

#include <QPainter>

#include "qt/fonts.h"

namespace np72::qt {

namespace {

constexpr int kXStep = 20;
constexpr int kYStep = 250;
constexpr int kMargin = 8;
constexpr int kTickLength = 4;

}  // namespace

Chart::Chart(const ChartSetup& setup, QWidget* parent) : QWidget(parent), setup_(setup), titleFont_(ToQFont(setup.titleFont)) {
  points_.reserve(256);
}

void Chart::clearPoints() {
  points_.clear();
  update();
}

void Chart::addPoint(int x, int y, const QColor& colour) {
  points_.push_back({x, y, colour});
  update();
}

QRect Chart::PlotArea() const {
  const QFontMetrics labels = fontMetrics();
  const int left = kMargin + labels.horizontalAdvance(QString::number(setup_.yMax)) + kTickLength + 4;
  const int top = kMargin + QFontMetrics(titleFont_).height() + kMargin;
  const int bottom = height() - kMargin - labels.height() - kTickLength;
  return QRect(QPoint(left, top), QPoint(width() - 2 * kMargin, bottom));
}

QPointF Chart::Map(const QRect& area, double x, double y) const {
  const double fx = (x - setup_.xMin) / double(setup_.xMax - setup_.xMin);
  const double fy = (y - setup_.yMin) / double(setup_.yMax - setup_.yMin);
  return {area.left() + fx * area.width(), area.bottom() - fy * area.height()};
}

void Chart::DrawAxes(QPainter& painter, const QRect& area) const {
  const QFontMetrics labels = fontMetrics();
  QPen grid(QColor(192, 192, 192));
  grid.setStyle(Qt::DotLine);
  for (int y = 0; y <= setup_.yMax; y += kYStep) {
    const int py = qRound(Map(area, setup_.xMin, y).y());
    painter.setPen(grid);
    painter.drawLine(area.left(), py, area.right(), py);
    painter.setPen(Qt::black);
    painter.drawLine(area.left() - kTickLength, py, area.left(), py);
    const QString text = QString::number(y);
    painter.drawText(area.left() - kTickLength - 2 - labels.horizontalAdvance(text), py + labels.ascent() / 2, text);
  }
  for (int x = setup_.xMin; x <= setup_.xMax; x += kXStep) {
    const int px = qRound(Map(area, x, setup_.yMin).x());
    painter.setPen(grid);
    painter.drawLine(px, area.top(), px, area.bottom());
    painter.setPen(Qt::black);
    painter.drawLine(px, area.bottom(), px, area.bottom() + kTickLength);
    const QString text = QString::number(x);
    painter.drawText(px - labels.horizontalAdvance(text) / 2, area.bottom() + kTickLength + labels.ascent(), text);
  }
  painter.setPen(Qt::black);
  painter.setBrush(Qt::NoBrush);  // the back wall is hollow
  painter.drawRect(area);
}

void Chart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));

  painter.setFont(titleFont_);
  painter.setPen(Qt::black);
  const QRect title(0, kMargin, width(), QFontMetrics(titleFont_).height());
  painter.drawText(title, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, QString::fromUtf8(setup_.title));

  painter.setFont(font());
  const QRect area = PlotArea();
  DrawAxes(painter, area);

  painter.setClipRect(area.adjusted(0, 0, 1, 1));
  painter.setRenderHint(QPainter::Antialiasing);
  for (std::size_t i = 1; i < points_.size(); ++i) {
    painter.setPen(QPen(points_[i].colour, 1));
    painter.drawLine(Map(area, points_[i - 1].x, points_[i - 1].y), Map(area, points_[i].x, points_[i].y));
  }
}

}  // namespace np72::qt
