#include "win32/shell.h"

#include "app/error_box.h"
#include "win32/text.h"

namespace np72::win32 {

bool NamedEventGuard::Acquire() {
  // Never closed: the system drops the hold when the process ends, however it ends.
  HANDLE guard = CreateEventW(nullptr, FALSE, TRUE, L"Kestrion");
  return guard != nullptr && WaitForSingleObject(guard, 10) == WAIT_OBJECT_0;
}

namespace {

void Box(HWND owner, std::string_view text, UINT icon) {
  MessageBoxW(owner, Wide(text).c_str(), Wide(kApplicationTitle).c_str(), MB_OK | icon);
}

}  // namespace

void MessageBoxDialogs::ShowMessage(std::string_view text) {
  Box(owner_, text, 0);
}

void MessageBoxDialogs::ShowError(std::string_view text) {
  Box(owner_, text, MB_ICONERROR);
}

void QuitApplication::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

std::string UserLocale::DecimalSeparator() const {
  wchar_t separator[8] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) == 0) return ".";
  return Utf8(separator);
}

}  // namespace np72::win32
