#include "win32/control_ops.h"

#include "win32/chart.h"
#include "win32/colours.h"
#include "win32/indicator.h"
#include "win32/mask_edit.h"
#include "win32/panel.h"
#include "win32/text.h"
#include "window/control_table.h"

namespace np72::win32 {

void ControlOps::SetText(Control control, std::string_view text) {
  HWND hwnd = window_.Of(control);
  SetWindowTextW(hwnd, Wide(text).c_str());
  if (RowOf(control).kind == ControlKind::Label) FitLabel(hwnd);
}

void ControlOps::FitLabel(HWND label) {
  const std::wstring text = WindowText(label);
  HDC dc = GetDC(label);
  const HGDIOBJ old_font = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old_font);
  ReleaseDC(label, dc);
  RECT rect;
  GetWindowRect(label, &rect);
  SetWindowPos(label, nullptr, 0, 0, size.cx, rect.bottom - rect.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(label, nullptr, TRUE);
}

void ControlOps::SetMaskText(Control control, std::string_view text) {
  SetWindowTextW(window_.Of(control), Wide(text).c_str());
}

std::string ControlOps::MaskText(Control control) const {
  return Own<MaskEdit>(window_.Of(control))->Field().ReadBack();
}

void ControlOps::Clear(Control control) {
  SetWindowTextW(window_.Of(control), L"");
}

void ControlOps::SetColour(Control control, Colour colour) {
  Own<Panel>(window_.Of(control))->SetColour(ColourRef(colour));
}

void ControlOps::SetVisible(Control control, bool visible) {
  ShowWindow(window_.Of(control), visible ? SW_SHOWNA : SW_HIDE);
}

void ControlOps::PaintImage(Control control, Colour brush) {
  brushes_[static_cast<std::size_t>(control)] = brush;
  Own<Indicator>(window_.Of(control))->SetBrush(ColourRef(brush));
}

Colour ControlOps::ImageBrush(Control control) const {
  return brushes_[static_cast<std::size_t>(control)];
}

void ControlOps::AppendLine(Control control, std::string_view line) {
  HWND memo = window_.Of(control);
  const int end = GetWindowTextLengthW(memo);
  const std::wstring text = (end > 0 ? L"\r\n" : L"") + Wide(line);
  SendMessageW(memo, EM_SETSEL, static_cast<WPARAM>(end), end);
  SendMessageW(memo, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void ControlOps::ClearLines(Control control) {
  SetWindowTextW(window_.Of(control), L"");
}

void ControlOps::ClearSeries(Control series) {
  Own<Chart>(window_.Of(series))->ClearSeries();
}

void ControlOps::AddPoint(Control series, int x, int y, Colour colour) {
  Own<Chart>(window_.Of(series))->AddPoint(x, y, ColourRef(colour));
}

WindowHandle ControlOps::Handle() {
  return reinterpret_cast<WindowHandle>(window_.Hwnd());
}

}  // namespace np72::win32
