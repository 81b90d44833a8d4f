#include "link/com_port.h"

namespace np72 {

ComPort::ComPort(SerialDevice& device, ComPortEvents& events) : device_(device), events_(events) {
  device_.SetEvents(*this);
}

bool ComPort::Open() {
  if (connected_) return true;
  if (!device_.Open(port_)) return false;
  connected_ = true;
  events_.ComPort1AfterOpen();
  return true;
}

void ComPort::Close() {
  if (!connected_) return;
  // Receive events already handed over still run inside the device's close,
  // while the port counts as connected; after-close comes after them.
  device_.Close();
  connected_ = false;
  events_.ComPort1AfterClose();
}

void ComPort::Write(std::span<const std::uint8_t> bytes) {
  if (connected_) device_.Write(bytes.data(), bytes.size());
}

std::size_t ComPort::Read(std::span<std::uint8_t> into) {
  return connected_ ? device_.Read(into.data(), into.size()) : 0;
}

void ComPort::Received(int count) {
  if (connected_ && count > 0) events_.ComPort1RxChar(count);
}

void ComPort::DeviceGone() {
  if (connected_) events_.ComPort1DeviceGone();
}

}  // namespace np72
