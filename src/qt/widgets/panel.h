// A panel: a one-pixel bevel, a background colour of its own and one line of
// centred text; it may hold other controls.
#pragma once

#include <QColor>
#include <QFrame>
#include <QString>

#include "window/control_table.h"

namespace np72::qt {

class Panel final : public QFrame {
  Q_OBJECT

 public:
  Panel(Bevel bevel, QWidget* parent);

  QString text() const { return text_; }
  void setText(const QString& text);
  QColor colour() const { return colour_; }
  void setColour(const QColor& colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  QColor colour_;
};

}  // namespace np72::qt
