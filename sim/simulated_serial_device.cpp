#include "sim/simulated_serial_device.h"

#include <algorithm>
#include <utility>

namespace np72::sim {

SimulatedSerialDevice::SimulatedSerialDevice(SensorModel& model, std::string port_name,
                                             PostToWindow post)
    : model_(model), port_name_(std::move(port_name)), post_(std::move(post)) {}

bool SimulatedSerialDevice::Open(const std::string& name) {
  if (open_ || !plugged_in_ || name != port_name_) return false;
  open_ = true;
  return true;
}

void SimulatedSerialDevice::Close() {
  if (!open_) return;
  open_ = false;
  pending_.clear();
  ++*generation_;
}

void SimulatedSerialDevice::Write(const std::uint8_t* data, std::size_t size) {
  if (!open_ || !plugged_in_) return;
  Deliver(model_.Receive({data, size}));
}

std::size_t SimulatedSerialDevice::Read(std::uint8_t* data, std::size_t size) {
  if (!open_ || !plugged_in_) return 0;
  const std::size_t count = std::min(size, pending_.size());
  std::copy_n(pending_.begin(), count, data);
  pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(count));
  return count;
}

void SimulatedSerialDevice::Unplug() {
  if (!plugged_in_) return;
  plugged_in_ = false;
  if (!open_) return;
  PostWhileOpen([this] {
    if (events_ != nullptr) events_->DeviceGone();
  });
}

void SimulatedSerialDevice::SendIdent(std::uint8_t device_id) {
  if (open_ && plugged_in_) Deliver(model_.SendIdent(device_id));
}

void SimulatedSerialDevice::Deliver(Deliveries deliveries) {
  for (auto& delivery : deliveries) {
    PostWhileOpen([this, bytes = std::move(delivery)] {
      if (!plugged_in_) return;
      pending_.insert(pending_.end(), bytes.begin(), bytes.end());
      if (events_ != nullptr) events_->Received(static_cast<int>(pending_.size()));
    });
  }
}

void SimulatedSerialDevice::PostWhileOpen(std::function<void()> action) {
  post_([alive = std::weak_ptr<std::uint64_t>(generation_), posted = *generation_,
         action = std::move(action)] {
    const auto generation = alive.lock();
    if (generation && *generation == posted) action();
  });
}

}  // namespace np72::sim
