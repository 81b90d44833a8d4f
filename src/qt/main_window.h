// The main window, built control by control from the control table.
#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "window/control_table.h"

namespace np72::qt {

class MainWindow final : public QWidget {
  Q_OBJECT

 public:
  MainWindow();

  // The widget of a control: the window itself for Form1, nullptr for Series1.
  QWidget* widget(Control control) const { return widgets_[static_cast<std::size_t>(control)]; }
  void SetClickHandler(std::function<void(Control)> handler) { onClick_ = std::move(handler); }
  void SetCloseHandler(std::function<void()> handler) { onClose_ = std::move(handler); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* Create(const ControlRow& row, QWidget* parent);
  void ChainTabOrder();
  void KeepOuterSize();

  std::array<QWidget*, kControlCount> widgets_{};
  std::function<void(Control)> onClick_;
  std::function<void()> onClose_;
  bool sized_ = false;
};

}  // namespace np72::qt
