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

LRESULT PaintedWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC target = BeginPaint(hwnd_, &ps);
      RECT client;
      GetClientRect(hwnd_, &client);
      HDC buffer = CreateCompatibleDC(target);
      HBITMAP bitmap = CreateCompatibleBitmap(target, client.right, client.bottom);
      const HGDIOBJ old_bitmap = SelectObject(buffer, bitmap);
      Paint(buffer, client);
      BitBlt(target, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
      SelectObject(buffer, old_bitmap);
      DeleteObject(bitmap);
      DeleteDC(buffer);
      EndPaint(hwnd_, &ps);
      return 0;
    }
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(hwnd_, message, wparam, lparam);
      InvalidateRect(hwnd_, nullptr, FALSE);
      return result;
    }
    default:
      return Default(message, wparam, lparam);
  }
}

std::wstring WindowText(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace np72::win32
