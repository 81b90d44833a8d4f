// The application shell's facilities: the named guard, the message boxes,
// the quit request and the user's regional settings.
#pragma once

#include <windows.h>

#include "platform/instance_guard.h"
#include "platform/locale.h"
#include "platform/shell.h"

namespace np72::win32 {

// The auto-reset event "Kestrion", held until the process ends.
class NamedEventGuard final : public InstanceGuard {
 public:
  bool Acquire() override;
};

class MessageBoxDialogs final : public Dialogs {
 public:
  explicit MessageBoxDialogs(HWND owner) : owner_(owner) {}
  void ShowMessage(std::string_view text) override;
  void ShowError(std::string_view text) override;

 private:
  HWND owner_;
};

class QuitApplication final : public Application {
 public:
  void Terminate() override;
  bool Terminated() const { return terminated_; }

 private:
  bool terminated_ = false;
};

class UserLocale final : public Locale {
 public:
  std::string DecimalSeparator() const override;
};

}  // namespace np72::win32
