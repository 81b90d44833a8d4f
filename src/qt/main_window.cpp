#include "qt/main_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <vector>

#include "qt/app_icon.h"
#include "qt/fonts.h"
#include "qt/widgets/chart.h"
#include "qt/widgets/indicator.h"
#include "qt/widgets/masked_edit.h"
#include "qt/widgets/panel.h"
#include "window/control_table.h"

namespace np72::qt {

MainWindow::MainWindow() {
  setObjectName(ControlName(Control::Form1));
  setWindowTitle(QString::fromUtf8(kMainWindow.title));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setWindowIcon(QIcon(QPixmap::fromImage(DrawAppIcon(64))));
  setFont(ToQFont(kMainWindow.font));
  setAutoFillBackground(true);
  widgets_[static_cast<std::size_t>(Control::Form1)] = this;

  // Parents come before their children and siblings from bottom to top, so
  // creating in table order stacks every control as the form does.
  for (const ControlRow& row : ControlTable()) {
    QWidget* w = Create(row, widget(row.parent));
    w->setObjectName(ControlName(row.id));
    w->setFont(ToQFont(row.font));
    w->setGeometry(row.left, row.top, row.width, row.height);
    if (auto* label = qobject_cast<QLabel*>(w)) label->resize(label->sizeHint());
    w->setVisible(row.visibleAtStart);
    widgets_[static_cast<std::size_t>(row.id)] = w;
  }
  ChainTabOrder();

  move(kMainWindow.left, kMainWindow.top);
  resize(kMainWindow.width, kMainWindow.height);
}

QWidget* MainWindow::Create(const ControlRow& row, QWidget* parent) {
  const QString text = QString::fromUtf8(row.text);
  switch (row.kind) {
    case ControlKind::Panel: {
      auto* panel = new Panel(row.bevel, parent);
      panel->setText(text);
      return panel;
    }
    case ControlKind::GroupBox: return new QGroupBox(text, parent);
    case ControlKind::Label: {
      auto* label = new QLabel(text, parent);
      label->setWordWrap(false);
      label->setTextFormat(Qt::PlainText);
      return label;
    }
    case ControlKind::ReadOnlyEdit: {
      auto* edit = new QLineEdit(text, parent);
      edit->setReadOnly(true);
      return edit;
    }
    case ControlKind::MaskedField: {
      auto* edit = new MaskedEdit(parent);
      edit->setText(text);
      return edit;
    }
    case ControlKind::Button: {
      auto* button = new QPushButton(text, parent);
      button->setAutoDefault(false);
      connect(button, &QPushButton::clicked, this, [this, id = row.id] {
        if (onClick_) onClick_(id);
      });
      return button;
    }
    case ControlKind::Memo: {
      auto* memo = new QPlainTextEdit(text, parent);
      memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      memo->setLineWrapMode(QPlainTextEdit::NoWrap);
      return memo;
    }
    case ControlKind::Image: return new Indicator(parent);
    case ControlKind::Chart: return new Chart(kChart1, parent);
    case ControlKind::Window: break;
  }
  return new QWidget(parent);
}

void MainWindow::ChainTabOrder() {
  const auto table = ControlTable();
  const auto row_of = [&](Control control) {
    const auto row = std::find_if(table.begin(), table.end(), [&](const ControlRow& s) { return s.id == control; });
    return row - table.begin();
  };
  std::vector<const ControlRow*> focusable;
  for (const ControlRow& row : table) {
    if (row.tabOrder >= 0 && widget(row.id)->focusPolicy() != Qt::NoFocus) focusable.push_back(&row);
  }
  // Each parent's controls in their tab order, the parents in table order.
  std::stable_sort(focusable.begin(), focusable.end(), [&](const ControlRow* a, const ControlRow* b) {
    const auto pa = a->parent == Control::Form1 ? -1 : row_of(a->parent);
    const auto pb = b->parent == Control::Form1 ? -1 : row_of(b->parent);
    return pa != pb ? pa < pb : a->tabOrder < b->tabOrder;
  });
  for (std::size_t i = 1; i < focusable.size(); ++i) {
    setTabOrder(widget(focusable[i - 1]->id), widget(focusable[i]->id));
  }
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  KeepOuterSize();
}

// The table gives the outer frame; where the desktop draws a frame of its
// own, the client area shrinks by it.
void MainWindow::KeepOuterSize() {
  if (sized_) return;
  const QSize decoration = frameGeometry().size() - geometry().size();
  if (decoration.isEmpty()) return;
  sized_ = true;
  resize(QSize(kMainWindow.width, kMainWindow.height) - decoration);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (onClose_) onClose_();
  event->accept();
}

}  // namespace np72::qt
