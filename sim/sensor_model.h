// The NP72's firmware as the host sees it on the wire.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "sim/command_framer.h"
#include "sim/delivery_shaper.h"
#include "sim/fault.h"
#include "sim/pressure_signal.h"
#include "sim/sensor_settings.h"

namespace np72::sim {

inline constexpr std::uint32_t kDefaultSeed = 1;

// Deterministic for a seed. Not thread-safe: one owner drives it.
class SensorModel {
 public:
  explicit SensorModel(std::uint32_t seed = kDefaultSeed);

  // Takes bytes the host wrote, in any chunks, and carries out every command
  // they complete. Returns what the sensor sends back.
  Deliveries Receive(std::span<const std::uint8_t> written);
  // Unasked-for traffic: an IdentFrame (shaped by the fault like an answer),
  // or `count` random bytes.
  Deliveries SendIdent(std::uint8_t device_id);
  Deliveries SendGarbage(std::size_t count);
  // Answers that coalescing still holds back.
  Deliveries Flush();

  void SetFault(Fault fault) { shaper_.SetFault(fault); }
  Fault CurrentFault() const { return shaper_.CurrentFault(); }
  // One shot: the next answer arrives half, then the sensor sends nothing more.
  void Vanish() { shaper_.Vanish(); }
  bool Gone() const { return shaper_.Gone(); }

  void SetFirmwareFault(bool fault) { firmware_fault_ = fault; }
  void SetVersion(const FirmwareVersion& version) { version_ = version; }
  // Pins the membrane's pressure (0.01 kPa) so that a reading is known.
  void HoldPressure(std::int16_t pressure) { signal_.Hold(pressure); }
  void ReleasePressure() { signal_.Release(); }

  const Settings& StoredSettings() const { return settings_; }
  const FirmwareVersion& Version() const { return version_; }
  // The exact bytes of every command frame taken, in order.
  const std::vector<Bytes>& ReceivedCommands() const { return commands_; }
  // Bytes skipped while framing: garbage and frames that failed their checksum.
  std::size_t DroppedBytes() const { return framer_.DroppedBytes(); }
  std::size_t AnswersSent() const { return answers_; }

 private:
  Bytes Answer(const Bytes& command);
  // The output voltage at the membrane's pressure now, in 0.1 mV.
  std::int16_t MeasureVoltage();

  CommandFramer framer_;
  PressureSignal signal_;
  DeliveryShaper shaper_;
  Settings settings_ = kPowerUpSettings;
  FirmwareVersion version_ = kPowerUpVersion;
  bool firmware_fault_ = false;
  std::vector<Bytes> commands_;
  std::size_t answers_ = 0;
};

}  // namespace np72::sim
