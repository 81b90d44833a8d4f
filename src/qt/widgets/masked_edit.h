// A "9999" masked field: four positions, digits only, typed over, an
// underscore drawn for each empty position.
#pragma once

#include <QString>
#include <QWidget>

#include "window/masked_field.h"

namespace np72::qt {

class MaskedEdit final : public QWidget {
  Q_OBJECT

 public:
  explicit MaskedEdit(QWidget* parent);

  // Read back with a space in each empty position: "100 ".
  QString text() const;
  // As drawn: "100_".
  QString displayText() const;
  void setText(const QString& text);
  void clear();
  int cursorPosition() const { return field_.Caret(); }
  bool hasSelectedText() const { return anchor_ != field_.Caret(); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void MoveCaret(int position, bool extend);
  // Empties the selection; false when nothing was selected.
  bool EraseSelection();
  QRect TextRect() const;

  MaskedField field_;
  int anchor_ = 0;  // the other end of the selection; the caret is field_'s
};

}  // namespace np72::qt
