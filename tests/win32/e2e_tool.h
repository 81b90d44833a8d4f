// Drives a running np72.exe from another process, the way the host and the
// operator do: window messages, the registry and the simulator's log.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/control.h"

namespace np72::e2e {

using Frame = std::vector<std::uint8_t>;

// One np72.exe process and its main window.
class Tool {
 public:
  Tool();
  ~Tool();
  Tool(const Tool&) = delete;
  Tool& operator=(const Tool&) = delete;

  DWORD ProcessId() const { return process_.dwProcessId; }
  HANDLE Process() const { return process_.hProcess; }
  HWND Window() const { return window_; }
  HWND Of(Control control) const;
  std::string Text(Control control) const;
  void SetText(Control control, const std::string& text) const;
  bool Visible(Control control) const;
  void Click(Control control) const;
  // A WM_DEVICECHANGE as the host sends it; a name makes it a device-interface record.
  void DeviceChange(WPARAM code, const std::string& interface_name = {}) const;
  // Closes the window; true when the process then ended.
  bool Close();

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

// A started np72.exe whose window may never show.
PROCESS_INFORMATION StartTool();
// The "NP72 Viewer" box a process shows, or null.
HWND MessageBoxOf(DWORD process_id);
std::string MessageText(HWND box);
bool MessageHasIcon(HWND box);
void PressOk(HWND box);

// The simulator on the pty: the frames it received and the commands it takes.
std::vector<Frame> ReceivedFrames();
void SimulatorCommand(const std::string& line);

// Polls until the condition holds or the time is up.
template <class Condition>
bool WaitFor(Condition condition, DWORD timeout_ms = 5000) {
  const ULONGLONG end = GetTickCount64() + timeout_ms;
  do {
    if (condition()) return true;
    Sleep(50);
  } while (GetTickCount64() < end);
  return condition();
}

}  // namespace np72::e2e
