#include "win32/mask_edit.h"

#include <algorithm>
#include <string>

#include "win32/text.h"

namespace np72::win32 {

namespace {

constexpr int kMargin = 2;

}  // namespace

LRESULT MaskEdit::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      Place(reinterpret_cast<const CREATESTRUCTW*>(lparam)->lpszName);
      return 0;
    case WM_SETTEXT:
      Place(reinterpret_cast<const wchar_t*>(lparam));
      return TRUE;
    case WM_GETDLGCODE:
      return DLGC_WANTCHARS | DLGC_WANTARROWS;
    case WM_CHAR:
      OnChar(static_cast<wchar_t>(wparam));
      return 0;
    case WM_KEYDOWN:
      OnKey(wparam);
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd_);
      MoveCaret(PositionAt(static_cast<short>(LOWORD(lparam))), (wparam & MK_SHIFT) != 0);
      SetCapture(hwnd_);
      return 0;
    case WM_MOUSEMOVE:
      if (GetCapture() == hwnd_) MoveCaret(PositionAt(static_cast<short>(LOWORD(lparam))), true);
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == hwnd_) ReleaseCapture();
      return 0;
    case WM_SETFOCUS:
      CreateCaret(hwnd_, nullptr, 1, 16);
      PlaceCaret();
      ShowCaret(hwnd_);
      return 0;
    case WM_KILLFOCUS:
      DestroyCaret();
      return 0;
    default:
      return PaintedWindow::Handle(message, wparam, lparam);
  }
}

void MaskEdit::Place(const wchar_t* text) {
  field_.Place(Utf8(text != nullptr ? text : L""));
  anchor_ = field_.Caret();
  Changed();
}

void MaskEdit::OnChar(wchar_t character) {
  if (character == L'\b') {
    if (!EraseSelection()) field_.Backspace();
  } else if (character >= L'0' && character <= L'9') {
    EraseSelection();
    if (!field_.Type(static_cast<char>(character))) {
      MessageBeep(MB_OK);
      return;
    }
  } else {
    return;
  }
  anchor_ = field_.Caret();
  Changed();
}

void MaskEdit::OnKey(WPARAM key) {
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  switch (key) {
    case VK_LEFT: MoveCaret(field_.Caret() - 1, shift); break;
    case VK_RIGHT: MoveCaret(field_.Caret() + 1, shift); break;
    case VK_HOME: MoveCaret(0, shift); break;
    case VK_END: MoveCaret(MaskedField::kPositions, shift); break;
    case VK_DELETE:
      if (!EraseSelection()) field_.Delete();
      anchor_ = field_.Caret();
      Changed();
      break;
    default: break;
  }
}

void MaskEdit::MoveCaret(int position, bool extend) {
  field_.SetCaret(position);
  if (!extend) anchor_ = field_.Caret();
  PlaceCaret();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

bool MaskEdit::EraseSelection() {
  if (anchor_ == field_.Caret()) return false;
  field_.Erase(std::min(anchor_, field_.Caret()), std::max(anchor_, field_.Caret()));
  anchor_ = field_.Caret();
  return true;
}

void MaskEdit::Changed() {
  const std::wstring text = Wide(field_.ReadBack());
  DefWindowProcW(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  PlaceCaret();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

int MaskEdit::XOf(HDC dc, int position) const {
  const std::wstring shown = Wide(field_.Display());
  SIZE size{};
  GetTextExtentPoint32W(dc, shown.c_str(), std::min(position, static_cast<int>(shown.size())), &size);
  return kMargin + size.cx;
}

int MaskEdit::PositionAt(int x) {
  HDC dc = GetDC(hwnd_);
  const HGDIOBJ old_font = SelectObject(dc, Font());
  int position = 0;
  while (position < MaskedField::kPositions && x > (XOf(dc, position) + XOf(dc, position + 1)) / 2) ++position;
  SelectObject(dc, old_font);
  ReleaseDC(hwnd_, dc);
  return position;
}

void MaskEdit::PlaceCaret() {
  if (GetFocus() != hwnd_) return;
  HDC dc = GetDC(hwnd_);
  const HGDIOBJ old_font = SelectObject(dc, Font());
  SetCaretPos(XOf(dc, field_.Caret()), kMargin);
  SelectObject(dc, old_font);
  ReleaseDC(hwnd_, dc);
}

void MaskEdit::Paint(HDC target, RECT rect) {
  FillRect(target, &rect, GetSysColorBrush(COLOR_WINDOW));
  const HGDIOBJ old_font = SelectObject(target, Font());
  const std::wstring shown = Wide(field_.Display());
  SetBkMode(target, TRANSPARENT);
  SetTextColor(target, GetSysColor(COLOR_WINDOWTEXT));
  TextOutW(target, kMargin, kMargin, shown.c_str(), static_cast<int>(shown.size()));
  if (anchor_ != field_.Caret()) {
    const int first = std::min(anchor_, field_.Caret());
    const int last = std::max(anchor_, field_.Caret());
    RECT selection{XOf(target, first), rect.top + 1, XOf(target, last), rect.bottom - 1};
    InvertRect(target, &selection);
  }
  SelectObject(target, old_font);
}

}  // namespace np72::win32
