#include "qt/app_icon.h"

#include <QPainter>

namespace np72::qt {

QImage DrawAppIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 64.0, size / 64.0);

  const QColor frame(0x1c, 0x3d, 0x5a);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x2b, 0x5d, 0x8a));
  painter.drawRoundedRect(QRectF(2, 2, 60, 60), 8, 8);
  painter.setBrush(QColor(0xf4, 0xf4, 0xf4));
  painter.setPen(QPen(frame, 3));
  painter.drawEllipse(QPointF(32, 36), 22, 22);

  const QRectF dial(14, 18, 36, 36);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0xc8, 0xc8, 0xc8), 4));
  painter.drawArc(dial, 0, 180 * 16);
  painter.setPen(QPen(Qt::red, 4));
  painter.drawArc(dial, 0, 50 * 16);

  painter.setPen(QPen(frame, 3, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(32, 36), QPointF(44, 22));
  painter.setPen(Qt::NoPen);
  painter.setBrush(frame);
  painter.drawEllipse(QPointF(32, 36), 3.5, 3.5);
  painter.setBrush(QColor(0, 128, 0));
  painter.drawRect(QRectF(22, 45, 20, 7));
  return image;
}

}  // namespace np72::qt
