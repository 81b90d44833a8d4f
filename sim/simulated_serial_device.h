// A SerialDevice with the simulated sensor plugged in, for the demo and the tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/serial_device.h"
#include "sim/sensor_model.h"

namespace np72::sim {

// Runs a closure later on the window thread.
using PostToWindow = std::function<void(std::function<void()>)>;

// Every call comes on the window thread, where the posted closures run too.
// Each delivery of the model arrives when its posted closure runs: the bytes
// join the pending input and Received reports the total pending. Closures
// posted before Close (or the device's end) do nothing when they run later.
class SimulatedSerialDevice final : public np72::SerialDevice {
 public:
  // `port_name` is the one name that Open accepts ("COM7").
  SimulatedSerialDevice(SensorModel& model, std::string port_name, PostToWindow post);
  SimulatedSerialDevice(const SimulatedSerialDevice&) = delete;
  SimulatedSerialDevice& operator=(const SimulatedSerialDevice&) = delete;

  void SetEvents(np72::SerialEvents& events) override { events_ = &events; }
  bool Open(const std::string& name) override;
  void Close() override;
  void Write(const std::uint8_t* data, std::size_t size) override;
  std::size_t Read(std::uint8_t* data, std::size_t size) override;

  // The sensor is pulled out: an open port hears DeviceGone (posted), and
  // opens, reads and writes fail until PlugIn.
  void Unplug();
  void PlugIn() { plugged_in_ = true; }
  // The sensor sends an IdentFrame of its own accord.
  void SendIdent(std::uint8_t device_id);

  bool IsOpen() const { return open_; }
  std::size_t Pending() const { return pending_.size(); }

 private:
  void Deliver(Deliveries deliveries);
  // Posts `action` so that it runs only if the port has not been closed since.
  void PostWhileOpen(std::function<void()> action);

  SensorModel& model_;
  std::string port_name_;
  PostToWindow post_;
  np72::SerialEvents* events_ = nullptr;
  bool open_ = false;
  bool plugged_in_ = true;
  Bytes pending_;
  // Bumped by every Close; posted closures hold it weakly, so they also see the device's end.
  std::shared_ptr<std::uint64_t> generation_ = std::make_shared<std::uint64_t>(0);
};

}  // namespace np72::sim
