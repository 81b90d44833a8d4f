#include "win32/own_window.h"

namespace np72::win32 {

LRESULT OwnWindow::Default(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wparam);
      if (LOWORD(lparam) != 0) InvalidateRect(hwnd_, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return SendMessageW(GetAncestor(hwnd_, GA_ROOT), message, wparam, lparam);
    default:
      return DefWindowProcW(hwnd_, message, wparam, lparam);
  }
}

std::wstring WindowText(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace np72::win32
