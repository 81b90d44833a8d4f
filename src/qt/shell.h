// The small host services: message boxes, the quit request, the decimal
// separator and the poll timer's ticks.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "platform/locale.h"
#include "platform/shell.h"
#include "platform/tick_source.h"

namespace np72::qt {

class QtDialogs final : public Dialogs {
 public:
  void ShowMessage(std::string_view text) override;
  void ShowError(std::string_view text) override;
};

class QtApplication final : public Application {
 public:
  void Terminate() override;
};

class QtLocale final : public Locale {
 public:
  std::string DecimalSeparator() const override;
};

class QtTickSource final : public TickSource {
 public:
  explicit QtTickSource(std::function<void()> onTick);
  void Start(int interval_ms) override;
  void Stop() override;

 private:
  QTimer timer_;
};

}  // namespace np72::qt
