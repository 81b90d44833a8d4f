// What the sensor keeps: its calibration, its settings and its firmware identity.
#pragma once

#include <cstdint>

namespace np72::sim {

struct Settings {
  std::int16_t zeroVoltage;      // 0.1 mV
  std::int16_t pressureVoltage;  // 0.1 mV
  std::int16_t pressureSetting;
  std::int16_t threshold1;
  std::int16_t threshold2;
  std::int16_t threshold3;
  bool operator==(const Settings&) const = default;
};

struct FirmwareVersion {
  std::int16_t major;
  std::int16_t minor;
  std::uint32_t crc32;
  bool operator==(const FirmwareVersion&) const = default;
};

inline constexpr std::int16_t kPowerUpZeroVoltage = 4567;
inline constexpr std::int16_t kPowerUpPressureVoltage = 12345;
inline constexpr std::int16_t kPowerUpPressureSetting = 2000;
inline constexpr std::int16_t kPowerUpThreshold1 = 0;
inline constexpr std::int16_t kPowerUpThreshold2 = 100;
inline constexpr std::int16_t kPowerUpThreshold3 = 2000;
inline constexpr Settings kPowerUpSettings{kPowerUpZeroVoltage, kPowerUpPressureVoltage,
                                           kPowerUpPressureSetting, kPowerUpThreshold1,
                                           kPowerUpThreshold2, kPowerUpThreshold3};

inline constexpr std::int16_t kPowerUpVersionMajor = 1;
inline constexpr std::int16_t kPowerUpVersionMinor = 5;
inline constexpr std::uint32_t kPowerUpCrc32 = 0x80000001;
inline constexpr FirmwareVersion kPowerUpVersion{kPowerUpVersionMajor, kPowerUpVersionMinor,
                                                 kPowerUpCrc32};

}  // namespace np72::sim
