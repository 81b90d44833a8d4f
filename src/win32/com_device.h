// The COM port behind ComPort1. A monitoring thread watches the line and
// posts a notification to the window thread when bytes arrived or the
// device went away; the window thread reads the pending count itself.
#pragma once

#include <windows.h>

#include <atomic>
#include <thread>

#include "platform/serial_device.h"
#include "win32/main_window.h"

namespace np72::win32 {

class ComDevice final : public SerialDevice {
 public:
  explicit ComDevice(MainWindow& window);
  ~ComDevice();
  ComDevice(const ComDevice&) = delete;
  ComDevice& operator=(const ComDevice&) = delete;

  void SetEvents(SerialEvents& events) override { events_ = &events; }
  bool Open(const std::string& name) override;
  void Close() override;
  void Write(const std::uint8_t* data, std::size_t size) override;
  std::size_t Read(std::uint8_t* data, std::size_t size) override;

 private:
  enum Notice : LPARAM { kBytes = 1, kGone = 2 };

  void Monitor(HANDLE port, HANDLE stop, unsigned generation);
  void Post(unsigned generation, Notice notice);
  void OnNotice(WPARAM generation, LPARAM notice);
  void DeliverBytes();
  // Tells the window thread once that the device went away.
  void ReportGone(unsigned generation);
  // The bytes waiting in the driver's input queue; -1 when the device is gone.
  static long Pending(HANDLE port);

  HWND hwnd_;
  SerialEvents* events_ = nullptr;
  HANDLE port_ = INVALID_HANDLE_VALUE;
  HANDLE stop_ = nullptr;
  std::thread monitor_;
  // Notifications of an earlier opening are dropped.
  std::atomic<unsigned> generation_{0};
  std::atomic<bool> notice_pending_{false};
  std::atomic<bool> read_since_notice_{false};
  std::atomic<bool> gone_reported_{false};
  // Window thread only: the count last reported, and whether anything was read since.
  long reported_ = 0;
  bool read_since_report_ = false;
};

}  // namespace np72::win32
