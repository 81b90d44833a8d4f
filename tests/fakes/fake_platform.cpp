#include "fake_platform.h"

namespace np72::testing {

bool FakeSerialDevice::Open(const std::string& name) {
  opened.push_back(name);
  open = openSucceeds;
  return open;
}

void FakeSerialDevice::Close() {
  ++closes;
  if (onClose) onClose();
  open = false;
  pending.clear();
}

void FakeSerialDevice::Write(const std::uint8_t* data, std::size_t size) {
  written.emplace_back(data, data + size);
}

std::size_t FakeSerialDevice::Read(std::uint8_t* data, std::size_t size) {
  std::size_t taken = 0;
  for (; taken < size && !pending.empty(); ++taken) {
    data[taken] = pending.front();
    pending.pop_front();
  }
  return taken;
}

void FakeSerialDevice::Arrive(const Bytes& bytes) {
  pending.insert(pending.end(), bytes.begin(), bytes.end());
  events->Received(static_cast<int>(pending.size()));
}

std::string FakeLookup::PortName(const std::string& interface_name) {
  asked.push_back(interface_name);
  if (wrongType) throw std::runtime_error("Invalid data type for 'FriendlyName'");
  const auto port = ports.find(interface_name);
  return port == ports.end() ? std::string() : port->second;
}

}  // namespace np72::testing
