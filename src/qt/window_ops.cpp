#include "qt/window_ops.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <stdexcept>

#include "qt/widgets/chart.h"
#include "qt/widgets/indicator.h"
#include "qt/widgets/masked_edit.h"
#include "qt/widgets/panel.h"

namespace np72::qt {

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QColor ToQColor(Colour colour, const QWidget& window) {
  switch (colour) {
    case Colour::Red: return QColor(kRedRgb.r, kRedRgb.g, kRedRgb.b);
    case Colour::Green: return QColor(kGreenRgb.r, kGreenRgb.g, kGreenRgb.b);
    case Colour::ButtonFace: break;
  }
  return window.palette().color(QPalette::Button);
}

template <class Widget>
Widget& QtWindowOps::As(Control control) const {
  // Series1 is drawn by the chart that holds it.
  auto* widget = qobject_cast<Widget*>(window_.widget(control == Control::Series1 ? Control::Chart1 : control));
  if (widget == nullptr) throw std::logic_error(std::string("no such operation on ") + ControlName(control));
  return *widget;
}

void QtWindowOps::SetText(Control control, std::string_view text) {
  QWidget* widget = window_.widget(control);
  const QString value = FromUtf8(text);
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(value);
    label->resize(label->sizeHint());  // a label follows its text, growing to the right
  } else if (auto* panel = qobject_cast<Panel*>(widget)) {
    panel->setText(value);
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(value);
  } else {
    As<QAbstractButton>(control).setText(value);
  }
}

void QtWindowOps::SetMaskText(Control control, std::string_view text) {
  As<MaskedEdit>(control).setText(FromUtf8(text));
}

std::string QtWindowOps::MaskText(Control control) const {
  return As<MaskedEdit>(control).text().toStdString();
}

void QtWindowOps::Clear(Control control) {
  if (auto* masked = qobject_cast<MaskedEdit*>(window_.widget(control))) {
    masked->clear();
  } else {
    As<QLineEdit>(control).clear();
  }
}

void QtWindowOps::SetColour(Control control, Colour colour) {
  As<Panel>(control).setColour(ToQColor(colour, window_));
}

void QtWindowOps::SetVisible(Control control, bool visible) {
  window_.widget(control)->setVisible(visible);
}

void QtWindowOps::PaintImage(Control control, Colour brush) {
  As<Indicator>(control).paintWith(ToQColor(brush, window_));
  brush_ = brush;
}

Colour QtWindowOps::ImageBrush(Control control) const {
  As<Indicator>(control);  // only the indicator has a brush
  return brush_;
}

void QtWindowOps::AppendLine(Control control, std::string_view line) {
  As<QPlainTextEdit>(control).appendPlainText(FromUtf8(line));
}

void QtWindowOps::ClearLines(Control control) {
  As<QPlainTextEdit>(control).clear();
}

void QtWindowOps::ClearSeries(Control series) {
  As<Chart>(series).clearPoints();
}

void QtWindowOps::AddPoint(Control series, int x, int y, Colour colour) {
  As<Chart>(series).addPoint(x, y, ToQColor(colour, window_));
}

WindowHandle QtWindowOps::Handle() {
  return static_cast<WindowHandle>(window_.winId());
}

}  // namespace np72::qt
