// The 10 x 10 connection square: a black outline filled with the brush colour.
#pragma once

#include <QColor>
#include <QWidget>

namespace np72::qt {

class Indicator final : public QWidget {
  Q_OBJECT

 public:
  explicit Indicator(QWidget* parent);

  QColor brush() const { return brush_; }
  // Nothing is drawn until the first paint with a brush.
  void paintWith(const QColor& brush);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor brush_;
  bool painted_ = false;
};

}  // namespace np72::qt
