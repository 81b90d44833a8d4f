// The error box that an error escaping a handler ends in.
#pragma once

#include <exception>
#include <string>
#include <string_view>

#include "platform/shell.h"

namespace np72 {

inline constexpr const char* kApplicationTitle = "NP72 Viewer";

// The message with a full stop added when its last character comes after the
// full stop in the character set (a letter or a digit, not "!", ")" or "'").
std::string ErrorBoxText(std::string_view message);

// Runs one event's handler; an error that escapes it is shown in the error
// box, and the tool goes on with the next event.
template <class Handler>
void RunGuarded(Dialogs& dialogs, Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    dialogs.ShowError(ErrorBoxText(error.what()));
  }
}

}  // namespace np72
