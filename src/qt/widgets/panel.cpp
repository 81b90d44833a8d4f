#include "qt/widgets/panel.h"

#include <QPainter>

namespace np72::qt {

Panel::Panel(Bevel bevel, QWidget* parent) : QFrame(parent), colour_(palette().color(QPalette::Button)) {
  setFrameStyle(QFrame::Panel | (bevel == Bevel::Lowered ? QFrame::Sunken : QFrame::Raised));
  setLineWidth(1);
}

void Panel::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  update();
}

void Panel::setColour(const QColor& colour) {
  if (colour == colour_) return;
  colour_ = colour;
  update();
}

void Panel::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), Qt::AlignCenter | Qt::TextSingleLine, text_);
  }
  QFrame::paintEvent(event);  // the bevel, over the fill
}

}  // namespace np72::qt
