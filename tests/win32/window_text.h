// A control's window text as UTF-8, the way the tests compare it.
#pragma once

#include <string>

#include "win32/own_window.h"
#include "win32/text.h"

namespace np72::win32 {

inline std::string TextOf(HWND hwnd) { return Utf8(WindowText(hwnd)); }

}  // namespace np72::win32
