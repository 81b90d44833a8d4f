#include "win32/main_window.h"

#include <dbt.h>

#include "app/error_box.h"
#include "win32/chart.h"
#include "win32/device_change.h"
#include "win32/group_box.h"
#include "win32/indicator.h"
#include "win32/mask_edit.h"
#include "win32/panel.h"
#include "win32/text.h"
#include "window/control_table.h"
#include "window/form1.h"

namespace np72::win32 {

namespace {

constexpr const wchar_t* kFormClass = L"TForm1";

struct WindowClass {
  const wchar_t* name;
  DWORD style;
  DWORD exStyle;
};

WindowClass ClassOf(const ControlRow& row) {
  constexpr DWORD kContainer = WS_CLIPCHILDREN;
  switch (row.kind) {
    case ControlKind::Panel:
      return {Panel::kClassName, kContainer | (row.bevel == Bevel::Lowered ? Panel::kLowered : 0), 0};
    case ControlKind::GroupBox: return {GroupBox::kClassName, kContainer, 0};
    case ControlKind::Label: return {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case ControlKind::ReadOnlyEdit: return {L"EDIT", ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::MaskedField: return {MaskEdit::kClassName, WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::Button: return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::Memo:
      return {L"EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::Image: return {Indicator::kClassName, 0, 0};
    case ControlKind::Chart: return {Chart::kClassName, 0, 0};
    case ControlKind::Window: break;
  }
  return {L"STATIC", 0, 0};
}

void RegisterClasses() {
  RegisterOwnClass<Panel>();
  RegisterOwnClass<GroupBox>();
  RegisterOwnClass<MaskEdit>(IDC_IBEAM);
  RegisterOwnClass<Indicator>();
  RegisterOwnClass<Chart>();
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &MainWindow::Proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(wc.hInstance, L"MAINICON");
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kFormClass;
  RegisterClassExW(&wc);
}

bool IsReadOnlyEdit(HWND control) {
  wchar_t name[8] = {};
  GetClassNameW(control, name, 8);
  return lstrcmpiW(name, L"EDIT") == 0 && (GetWindowLongW(control, GWL_STYLE) & ES_READONLY) != 0;
}

}  // namespace

MainWindow::MainWindow() {
  RegisterClasses();
  const std::wstring title = Wide(kMainWindow.title);
  DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  if (!kMainWindow.maximizeButton) style &= ~static_cast<DWORD>(WS_MAXIMIZEBOX);
  hwnd_ = CreateWindowExW(0, kFormClass, title.c_str(), style, kMainWindow.left, kMainWindow.top, kMainWindow.width,
                          kMainWindow.height, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  controls_[static_cast<std::size_t>(Control::Form1)] = hwnd_;
  CreateControls();
}

MainWindow::~MainWindow() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  for (const auto& entry : fonts_) DeleteObject(entry.second);
}

HWND MainWindow::Of(Control control) const {
  return controls_[static_cast<std::size_t>(control)];
}

void MainWindow::CreateControls() {
  for (const ControlRow& row : ControlTable()) {
    const WindowClass window_class = ClassOf(row);
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | window_class.style;
    if (row.visibleAtStart) style |= WS_VISIBLE;
    HWND control = CreateWindowExW(window_class.exStyle, window_class.name, Wide(row.text).c_str(), style, row.left,
                                   row.top, row.width, row.height, Of(row.parent),
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(row.id))),
                                   GetModuleHandleW(nullptr), nullptr);
    // Each parent's children come from bottom to top: a later one lies over an earlier one.
    SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(row.font.family, row.font.pixelHeight)), FALSE);
    if (row.kind == ControlKind::Memo) SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
    controls_[static_cast<std::size_t>(row.id)] = control;
  }
  // Series1 is drawn by its chart.
  controls_[static_cast<std::size_t>(Control::Series1)] = Of(Control::Chart1);
}

HFONT MainWindow::FontFor(const char* family, int pixel_height) {
  HFONT& font = fonts_[{family, pixel_height}];
  if (font == nullptr) {
    font = CreateFontW(-pixel_height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, Wide(family).c_str());
  }
  return font;
}

void MainWindow::Attach(TForm1& form, Dialogs& dialogs) {
  form_ = &form;
  dialogs_ = &dialogs;
}

void MainWindow::Route(UINT message, std::function<void(WPARAM, LPARAM)> handler) {
  routes_[message] = std::move(handler);
}

void MainWindow::Show() {
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  UpdateWindow(hwnd_);
}

template <class Handler>
void MainWindow::Guarded(Handler&& handler) {
  if (form_ != nullptr) RunGuarded(*dialogs_, std::forward<Handler>(handler));
}

LRESULT CALLBACK MainWindow::Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<const CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return self != nullptr ? self->Handle(message, wparam, lparam) : DefWindowProcW(hwnd, message, wparam, lparam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  if (const auto route = routes_.find(message); route != routes_.end()) {
    Guarded([&] { route->second(wparam, lparam); });
    return 0;
  }
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED && lparam != 0) {
        const int index = LOWORD(wparam) - ControlId(Control::Form1);
        if (index > 0 && index < static_cast<int>(kControlCount)) {
          Guarded([&] { form_->Click(static_cast<Control>(index)); });
        }
      }
      return 0;
    case WM_CTLCOLORSTATIC:
      // A read-only edit keeps the white of an edit; labels take the face colour.
      if (IsReadOnlyEdit(reinterpret_cast<HWND>(lparam))) {
        SetBkColor(reinterpret_cast<HDC>(wparam), GetSysColor(COLOR_WINDOW));
        SetTextColor(reinterpret_cast<HDC>(wparam), GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
      }
      break;
    case WM_DEVICECHANGE:
      Guarded([&] { form_->WMDeviceChange(DecodeDeviceChange(wparam, reinterpret_cast<const void*>(lparam))); });
      return TRUE;
    case WM_CLOSE:
      Guarded([&] { form_->FormClose(); });
      DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY:
      form_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

}  // namespace np72::win32
