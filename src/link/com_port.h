// ComPort1: the serial port component over the host's serial device.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "platform/serial_device.h"

namespace np72 {

// The form's port events.
class ComPortEvents {
 public:
  virtual void ComPort1AfterOpen() = 0;
  virtual void ComPort1AfterClose() = 0;
  virtual void ComPort1RxChar(int count) = 0;
  virtual void ComPort1DeviceGone() = 0;

 protected:
  ~ComPortEvents() = default;
};

// Keeps the component's contract in one place for every host: after-open runs
// inside Open, after-close inside Close, and no event of the device reaches
// the form while the port is not connected.
class ComPort final : public SerialEvents {
 public:
  ComPort(SerialDevice& device, ComPortEvents& events);
  ComPort(const ComPort&) = delete;
  ComPort& operator=(const ComPort&) = delete;

  const std::string& Port() const { return port_; }
  void SetPort(std::string name) { port_ = std::move(name); }
  bool Connected() const { return connected_; }

  // Nothing when connected already. Otherwise opens the device named by
  // Port and runs after-open; false, with nothing run, when it failed.
  bool Open();
  // Nothing when not connected. Otherwise releases the device, then runs after-close.
  void Close();
  // Both move nothing while the port is not connected.
  void Write(std::span<const std::uint8_t> bytes);
  std::size_t Read(std::span<std::uint8_t> into);

  void Received(int count) override;
  void DeviceGone() override;

 private:
  SerialDevice& device_;
  ComPortEvents& events_;
  std::string port_ = "COM1";
  bool connected_ = false;
};

}  // namespace np72
