// What the operator reads on a control, whatever its kind.
#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "qt/widgets/masked_edit.h"
#include "qt/widgets/panel.h"

inline QString TextOf(const QWidget* widget) {
  if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (auto* panel = qobject_cast<const np72::qt::Panel*>(widget)) return panel->text();
  if (auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text();
  if (auto* masked = qobject_cast<const np72::qt::MaskedEdit*>(widget)) return masked->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  if (auto* box = qobject_cast<const QGroupBox*>(widget)) return box->title();
  if (auto* memo = qobject_cast<const QPlainTextEdit*>(widget)) return memo->toPlainText();
  return {};
}
