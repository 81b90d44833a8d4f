#include "e2e_tool.h"

#include <dbt.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "win32/text.h"
#include "window/control_table.h"

namespace np72::e2e {

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) throw std::runtime_error(std::string(name) + " is not set: run scripts/test-win32.sh");
  return value;
}

// The first top-level window of the process that `matches` accepts.
HWND TopWindowOf(DWORD process_id, bool (*matches)(HWND)) {
  struct Search {
    DWORD pid;
    bool (*matches)(HWND);
    HWND found;
  } search{process_id, matches, nullptr};
  EnumWindows(
      [](HWND hwnd, LPARAM param) {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid != s->pid || !s->matches(hwnd)) return TRUE;
        s->found = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND MainWindowOf(DWORD process_id) {
  return TopWindowOf(process_id, [](HWND hwnd) {
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    return lstrcmpW(name, L"TForm1") == 0;
  });
}

std::string WindowTextOf(HWND hwnd) {
  wchar_t text[4096] = {};
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(hwnd, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &ignored);
  return win32::Utf8(text);
}

}  // namespace

PROCESS_INFORMATION StartTool() {
  std::wstring command = L"\"" + win32::Wide(NP72_EXE) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    throw std::runtime_error("np72.exe did not start");
  }
  return process;
}

Tool::Tool() : process_(StartTool()) {
  // The window is there once FormCreate has run and it is shown.
  WaitFor([&] { return (window_ = MainWindowOf(process_.dwProcessId)) != nullptr && IsWindowVisible(window_); }, 20000);
  if (window_ == nullptr) throw std::runtime_error("np72.exe showed no window");
}

Tool::~Tool() {
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT && !Close()) TerminateProcess(process_.hProcess, 1);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool Tool::Close() {
  PostMessageW(window_, WM_CLOSE, 0, 0);
  return WaitForSingleObject(process_.hProcess, 10000) == WAIT_OBJECT_0;
}

HWND Tool::Of(Control control) const {
  if (control == Control::Form1) return window_;
  return GetDlgItem(Of(RowOf(control).parent), ControlId(control));
}

std::string Tool::Text(Control control) const {
  return WindowTextOf(Of(control));
}

void Tool::SetText(Control control, const std::string& text) const {
  const std::wstring wide = win32::Wide(text);
  SendMessageW(Of(control), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

bool Tool::Visible(Control control) const {
  return IsWindowVisible(Of(control)) != FALSE;
}

void Tool::Click(Control control) const {
  SendMessageW(Of(control), BM_CLICK, 0, 0);
}

void Tool::DeviceChange(WPARAM code, const std::string& interface_name) const {
  if (interface_name.empty()) {
    SendMessageW(window_, WM_DEVICECHANGE, code, 0);
    return;
  }
  constexpr std::size_t kNameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name);
  std::vector<char> record(kNameOffset + interface_name.size() + 1, '\0');
  auto* header = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_A*>(record.data());
  header->dbcc_size = static_cast<DWORD>(record.size());
  header->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  interface_name.copy(record.data() + kNameOffset, interface_name.size());
  SendMessageW(window_, WM_DEVICECHANGE, code, reinterpret_cast<LPARAM>(record.data()));
}

HWND MessageBoxOf(DWORD process_id) {
  return TopWindowOf(process_id, [](HWND hwnd) {
    wchar_t title[32] = {};
    GetWindowTextW(hwnd, title, 32);
    return lstrcmpW(title, L"NP72 Viewer") == 0 && IsWindowVisible(hwnd) != FALSE;
  });
}

std::string MessageText(HWND box) {
  return WindowTextOf(GetDlgItem(box, 0xFFFF));
}

bool MessageHasIcon(HWND box) {
  // The message box's icon control holds an icon only when the box has one.
  HWND icon = GetDlgItem(box, 0x0440);
  return icon != nullptr && SendMessageW(icon, STM_GETICON, 0, 0) != 0;
}

void PressOk(HWND box) {
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

std::vector<Frame> ReceivedFrames() {
  std::ifstream log(Environment("NP72_SIM_LOG"));
  std::vector<Frame> frames;
  std::string line;
  while (std::getline(log, line)) {
    std::istringstream words(line);
    std::string word;
    if (!(words >> word) || word != "rx") continue;
    Frame frame;
    while (words >> word) frame.push_back(static_cast<std::uint8_t>(std::stoul(word, nullptr, 16)));
    frames.push_back(frame);
  }
  return frames;
}

void SimulatorCommand(const std::string& line) {
  std::ofstream commands(Environment("NP72_SIM_COMMANDS"), std::ios::app);
  commands << line << '\n';
}

}  // namespace np72::e2e
