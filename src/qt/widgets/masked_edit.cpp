#include "qt/widgets/masked_edit.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace np72::qt {

namespace {

constexpr int kTextMargin = 2;

}  // namespace

MaskedEdit::MaskedEdit(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setCursor(Qt::IBeamCursor);
  setBackgroundRole(QPalette::Base);
}

QString MaskedEdit::text() const {
  return QString::fromStdString(field_.ReadBack());
}

QString MaskedEdit::displayText() const {
  return QString::fromStdString(field_.Display());
}

void MaskedEdit::setText(const QString& text) {
  field_.Place(text.toStdString());
  anchor_ = field_.Caret();
  update();
}

void MaskedEdit::clear() {
  field_.Clear();
  anchor_ = field_.Caret();
  update();
}

void MaskedEdit::MoveCaret(int position, bool extend) {
  field_.SetCaret(position);
  if (!extend) anchor_ = field_.Caret();
}

bool MaskedEdit::EraseSelection() {
  if (!hasSelectedText()) return false;
  field_.Erase(std::min(anchor_, field_.Caret()), std::max(anchor_, field_.Caret()));
  anchor_ = field_.Caret();
  return true;
}

void MaskedEdit::keyPressEvent(QKeyEvent* event) {
  const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
  const int caret = field_.Caret();
  if (event == QKeySequence::SelectAll) {
    anchor_ = 0;
    field_.SetCaret(MaskedField::kPositions);
  } else if (event->key() == Qt::Key_Left) {
    MoveCaret(caret - 1, shift);
  } else if (event->key() == Qt::Key_Right) {
    MoveCaret(caret + 1, shift);
  } else if (event->key() == Qt::Key_Home) {
    MoveCaret(0, shift);
  } else if (event->key() == Qt::Key_End) {
    MoveCaret(MaskedField::kPositions, shift);
  } else if (event->key() == Qt::Key_Backspace) {
    if (!EraseSelection()) field_.Backspace();
    anchor_ = field_.Caret();
  } else if (event->key() == Qt::Key_Delete) {
    if (!EraseSelection()) field_.Delete();
  } else if (event->text().size() == 1 && event->text()[0].isDigit() && event->text()[0].unicode() < 0x80) {
    EraseSelection();
    field_.Type(event->text()[0].toLatin1());
    anchor_ = field_.Caret();
  } else {
    // Anything else is no digit: the field keeps its text, the window may use the key.
    QWidget::keyPressEvent(event);
    return;
  }
  update();
}

void MaskedEdit::mousePressEvent(QMouseEvent* event) {
  const QString shown = displayText();
  const int x = event->position().toPoint().x() - TextRect().left();
  int position = 0;
  while (position < shown.size() &&
         fontMetrics().horizontalAdvance(shown.left(position)) + fontMetrics().horizontalAdvance(shown[position]) / 2 <
             x) {
    ++position;
  }
  MoveCaret(position, event->modifiers().testFlag(Qt::ShiftModifier));
  setFocus(Qt::MouseFocusReason);
  update();
}

void MaskedEdit::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void MaskedEdit::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

QRect MaskedEdit::TextRect() const {
  QStyleOptionFrame frame;
  frame.initFrom(this);
  frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, this);
  return style()->subElementRect(QStyle::SE_LineEditContents, &frame, this).adjusted(kTextMargin, 0, -kTextMargin, 0);
}

void MaskedEdit::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionFrame frame;
  frame.initFrom(this);
  frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, this);
  frame.midLineWidth = 0;
  frame.state |= QStyle::State_Sunken;
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &frame, &painter, this);

  const QRect area = TextRect();
  const QString shown = displayText();
  const QFontMetrics metrics = fontMetrics();
  const auto x_of = [&](int position) { return area.left() + metrics.horizontalAdvance(shown.left(position)); };
  const int top = area.top() + (area.height() - metrics.height()) / 2;

  if (hasSelectedText()) {
    const int first = std::min(anchor_, field_.Caret());
    const int last = std::max(anchor_, field_.Caret());
    painter.fillRect(QRect(x_of(first), top, x_of(last) - x_of(first), metrics.height()),
                     palette().brush(QPalette::Highlight));
  }
  painter.setPen(palette().color(QPalette::Text));
  painter.drawText(QPoint(area.left(), top + metrics.ascent()), shown);
  if (hasFocus()) painter.fillRect(QRect(x_of(field_.Caret()), top, 1, metrics.height()), palette().color(QPalette::Text));
}

}  // namespace np72::qt
