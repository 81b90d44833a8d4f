// The host's serial device behind ComPort1.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace np72 {

// What the device reports, always on the window thread.
class SerialEvents {
 public:
  // Bytes have arrived; count is the number now pending (at least 1). The
  // device reads nothing by itself, and reports again only after more bytes
  // have arrived.
  virtual void Received(int count) = 0;
  // The device went away under an open port (failing reads, writes or status calls).
  virtual void DeviceGone() = 0;

 protected:
  ~SerialEvents() = default;
};

class SerialDevice {
 public:
  virtual void SetEvents(SerialEvents& events) = 0;
  // Opens the named device at 9600 baud, 8 data bits, no parity, 1 stop bit,
  // no flow control, DTR and RTS inactive, and starts watching it. False when
  // the device could not be opened or set up; nothing stays open then.
  virtual bool Open(const std::string& name) = 0;
  // Stops watching and releases the device. A receive event already handed
  // over to the window thread is delivered before Close returns, none after.
  virtual void Close() = 0;
  // Hands all bytes to the device before returning; failures are not reported.
  virtual void Write(const std::uint8_t* data, std::size_t size) = 0;
  // Takes up to size pending bytes at once, in arrival order; returns how many.
  virtual std::size_t Read(std::uint8_t* data, std::size_t size) = 0;

 protected:
  ~SerialDevice() = default;
};

}  // namespace np72
