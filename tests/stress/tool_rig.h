// The Linux tool as the operator runs it, with its real serial port code,
// against the simulated sensor on a pty; udev's events injected.
#pragma once

#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "fake_device_source.h"
#include "qt/front_end.h"
#include "qt/hotplug.h"
#include "qt/instance_guard.h"
#include "qt/serial_device.h"
#include "sim_pty.h"

namespace np72::stress {

// For what the tool does at once or on its next poll.
inline constexpr int kTimeoutMs = 5000;

class RecordingDialogs final : public Dialogs {
 public:
  void ShowMessage(std::string_view text) override { shown.emplace_back(text); }
  void ShowError(std::string_view text) override { shown.emplace_back(text); }
  std::vector<std::string> shown;
};

class ToolRig {
 public:
  // A window that takes its own guard, so that rigs can follow one another in one process.
  ToolRig();
  ~ToolRig();

  // Starts a new simulator, plugged in nowhere yet; false when it gave no pty.
  bool StartSensor();
  // The simulator quits: its pty hangs up under the tool.
  void StopSensor();
  SimPty& sensor() { return *sim_; }

  void ShowWindow();
  void PlugIn();
  void Unplug();  // udev's removal of the sensor's tty

  QString Text(Control control);
  // Empties a read-only field, so that the next value shown is a new one.
  void ClearShown(Control control);
  bool ActiveLook();
  bool WaitingLook();
  QStringList Log();
  void ClearLog();  // the diagnostics panel's button
  // How many polls the simulator has received.
  int Polls();
  const std::vector<std::string>& Dialogs() const { return dialogs_.shown; }

 private:
  std::unique_ptr<SimPty> sim_;
  FakeDeviceSource source_;
  qt::Hotplug hotplug_{source_};
  RecordingDialogs dialogs_;
  qt::QtSerialDevice serial_{dialogs_};
  qt::SocketInstanceGuard guard_;
  std::unique_ptr<qt::FrontEnd> front_;
  QString plugged_;  // the device node of the last arrival
};

}  // namespace np72::stress
