#include "sim/sensor_model.h"

#include "protocol/frames.h"
#include "sim/measurement.h"
#include "sim/response_frames.h"

namespace np72::sim {

namespace {
// How far one zero adjustment moves the zero point toward the present voltage.
constexpr std::int16_t kZeroAdjustStep = 50;       // 5 mV
constexpr std::int16_t kShortZeroAdjustStep = 10;  // 1 mV

Bytes BytesOf(std::span<const std::uint8_t> frame) { return {frame.begin(), frame.end()}; }

void Append(Deliveries& to, Deliveries more) {
  for (auto& delivery : more) to.push_back(std::move(delivery));
}
}  // namespace

SensorModel::SensorModel(std::uint32_t seed) : signal_(seed), shaper_(seed + 1) {}

Deliveries SensorModel::Receive(std::span<const std::uint8_t> written) {
  Deliveries out;
  for (const Bytes& command : framer_.Feed(written)) {
    commands_.push_back(command);
    ++answers_;
    Append(out, shaper_.Answer(Answer(command)));
  }
  return out;
}

Deliveries SensorModel::SendIdent(std::uint8_t device_id) {
  return shaper_.Answer(IdentFrame(device_id));
}

Deliveries SensorModel::SendGarbage(std::size_t count) { return shaper_.Garbage(count); }

Deliveries SensorModel::Flush() { return shaper_.Flush(); }

std::int16_t SensorModel::MeasureVoltage() { return OutputVoltage(signal_.Next()); }

Bytes SensorModel::Answer(const Bytes& command) {
  const std::uint8_t code = command[offset::Code];
  switch (code) {
    case CmdWriteSettings:
      settings_.pressureSetting = ReadSigned16(command, offset::PressureSetting);
      settings_.threshold1 = ReadSigned16(command, offset::Threshold1);
      settings_.threshold2 = ReadSigned16(command, offset::Threshold2);
      settings_.threshold3 = ReadSigned16(command, offset::Threshold3);
      break;
    case CmdPollCurrent: {
      const std::int16_t voltage = MeasureVoltage();
      const std::int16_t pressure = CalibratedPressure(voltage, settings_);
      return BytesOf(
          CurrentDataFrame(voltage, pressure, StatusFlagsFor(pressure, settings_, firmware_fault_)));
    }
    case CmdZeroAdjust:
      settings_.zeroVoltage = MovedToward(settings_.zeroVoltage, MeasureVoltage(), kZeroAdjustStep);
      break;
    case CmdSetZero: settings_.zeroVoltage = MeasureVoltage(); break;
    case CmdCalibrate: settings_.pressureVoltage = MeasureVoltage(); break;
    case CmdReadVersion: return BytesOf(VersionFrame(version_));
    case CmdShortZeroAdjust:
      settings_.zeroVoltage =
          MovedToward(settings_.zeroVoltage, MeasureVoltage(), kShortZeroAdjustStep);
      return BytesOf(ShortZeroAdjustFrame(settings_));
    default: break;  // CmdReadSettings only reports
  }
  return BytesOf(SettingsFrame(code, settings_));
}

}  // namespace np72::sim
