// Stand-ins for the host's facilities, each recording what it was asked.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "recording_window.h"

namespace np72::testing {

using Bytes = std::vector<std::uint8_t>;

// A serial device whose input the test feeds and whose output it reads.
class FakeSerialDevice final : public SerialDevice {
 public:
  void SetEvents(SerialEvents& sink) override { events = &sink; }
  bool Open(const std::string& name) override;
  void Close() override;
  void Write(const std::uint8_t* data, std::size_t size) override;
  std::size_t Read(std::uint8_t* data, std::size_t size) override;

  // Bytes arrive: they are pending, and the receive event reports the count.
  void Arrive(const Bytes& bytes);

  SerialEvents* events = nullptr;
  bool openSucceeds = true;
  bool open = false;
  std::vector<std::string> opened;  // names of every Open attempt
  int closes = 0;
  std::function<void()> onClose;  // runs inside Close, e.g. to deliver a last event
  std::vector<Bytes> written;     // one entry per Write
  std::deque<std::uint8_t> pending;
};

class FakeTicks final : public TickSource {
 public:
  void Start(int interval_ms) override {
    running = true;
    interval = interval_ms;
    ++starts;
  }
  void Stop() override {
    running = false;
    ++stops;
  }
  bool running = false;
  int interval = 0;
  int starts = 0;
  int stops = 0;
};

class FakeLookup final : public PortLookup {
 public:
  std::string PortName(const std::string& interface_name) override;
  std::map<std::string, std::string> ports;  // interface name -> port name
  bool wrongType = false;
  std::vector<std::string> asked;
};

class FakeLocale final : public Locale {
 public:
  std::string DecimalSeparator() const override { return separator; }
  std::string separator = ",";
};

class FakeGuard final : public InstanceGuard {
 public:
  bool Acquire() override { return free; }
  bool free = true;
};

class FakeNotifications final : public DeviceNotifications {
 public:
  void Subscribe(WindowHandle window) override { subscribed.push_back(window); }
  std::vector<std::string> PresentInterfaces() override { return present; }
  std::vector<WindowHandle> subscribed;
  std::vector<std::string> present;
};

class FakeDialogs final : public Dialogs {
 public:
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  void ShowError(std::string_view text) override { errors.emplace_back(text); }
  std::vector<std::string> messages;
  std::vector<std::string> errors;
};

class FakeApplication final : public Application {
 public:
  void Terminate() override { ++terminations; }
  int terminations = 0;
};

// All of them, ready to hand to TForm1.
struct FakePlatform {
  RecordingWindow window;
  FakeSerialDevice serial;
  FakeTicks ticks;
  FakeLookup lookup;
  FakeLocale locale;
  FakeGuard guard;
  FakeNotifications notifications;
  FakeDialogs dialogs;
  FakeApplication application;

  Platform Get() { return {window, serial, ticks, lookup, locale, guard, notifications, dialogs, application}; }
};

}  // namespace np72::testing
