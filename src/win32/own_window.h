// The front-end's own window classes: one C++ object per window, made when
// the window is created and freed when it is destroyed.
#pragma once

#include <windows.h>

#include <string>

namespace np72::win32 {

class OwnWindow {
 public:
  OwnWindow(const OwnWindow&) = delete;
  OwnWindow& operator=(const OwnWindow&) = delete;
  virtual ~OwnWindow() = default;

 protected:
  explicit OwnWindow(HWND hwnd) : hwnd_(hwnd) {}
  // The font, and the messages a container hands on to the main window
  // (button clicks and the colours of the controls inside it).
  LRESULT Default(UINT message, WPARAM wparam, LPARAM lparam);
  HFONT Font() const { return font_; }

  HWND hwnd_;

 private:
  HFONT font_ = nullptr;
};

// A window that paints every pixel itself, into a buffer so that it never
// flickers, and repaints when its text changes.
class PaintedWindow : public OwnWindow {
 public:
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);

 protected:
  using OwnWindow::OwnWindow;
  virtual void Paint(HDC dc, RECT client) = 0;
};

// A window's text as it stands.
std::wstring WindowText(HWND hwnd);

template <class T>
T* Own(HWND hwnd) {
  return reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

template <class T>
LRESULT CALLBACK OwnWindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new T(hwnd)));
  T* self = Own<T>(hwnd);
  if (self == nullptr) return DefWindowProcW(hwnd, message, wparam, lparam);
  const LRESULT result = self->Handle(message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    delete self;
  }
  return result;
}

// Registers T's class under T::kClassName.
template <class T>
void RegisterOwnClass(LPCWSTR cursor = IDC_ARROW) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &OwnWindowProc<T>;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, cursor);
  wc.lpszClassName = T::kClassName;
  RegisterClassExW(&wc);
}

}  // namespace np72::win32
