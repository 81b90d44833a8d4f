#include "qt/widgets/indicator.h"

#include <QPainter>

namespace np72::qt {

Indicator::Indicator(QWidget* parent) : QWidget(parent) {}

void Indicator::paintWith(const QColor& brush) {
  brush_ = brush;
  painted_ = true;
  update();
}

void Indicator::paintEvent(QPaintEvent*) {
  if (!painted_) return;
  QPainter painter(this);
  painter.setPen(Qt::black);
  painter.setBrush(brush_);
  // The rectangle from (0, 0) to (10, 10): its outline lies on the outermost pixels.
  painter.drawRect(QRect(0, 0, width() - 1, height() - 1));
}

}  // namespace np72::qt
