#include "sim/sensor_model.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "sim_test_support.h"

namespace np72::sim::test {
namespace {

struct AnswerCase {
  const char* name;
  std::int16_t held_pressure;
  Bytes command;
  Bytes answer;
};

void PrintTo(const AnswerCase& c, std::ostream* out) { *out << c.name; }

// The answers at a held pressure, worked out by hand from the transfer curve
// (4567 + pressure * 7778 / 2000, in 0.1 mV) and the power-up settings.
const AnswerCase kAnswers[] = {
    {"WriteDefaults", 1000,
     {0x5D, 0x01, 0x00, 0x00, 0x00, 0x00, 0xD0, 0x07, 0x00, 0x00, 0x64, 0x00, 0xD0, 0x07, 0x00,
      0x00, 0x00, 0x38},
     {0x5D, 0x01, 0xD7, 0x11, 0x39, 0x30, 0xD0, 0x07, 0x00, 0x00, 0x64, 0x00, 0xD0, 0x07, 0x00,
      0x00, 0x00, 0xF7}},
    {"PollCurrent", 1000, kPoll, kCurrentDataAt1000},
    {"ZeroAdjustCreepsByFiveMillivolts", 1000,
     {0x5D, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x5E},
     {0x5D, 0x03, 0x09, 0x12, 0x39, 0x30, 0xD0, 0x07, 0x00, 0x00, 0x64, 0x00, 0xD0, 0x07, 0x00,
      0x00, 0x00, 0x28}},
    {"SetZeroTakesPresentVoltage", 10,
     {0x5D, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x59},
     {0x5D, 0x04, 0xFE, 0x11, 0x39, 0x30, 0xD0, 0x07, 0x00, 0x00, 0x64, 0x00, 0xD0, 0x07, 0x00,
      0x00, 0x00, 0xDB}},
    {"CalibrateTakesPresentVoltage", 1000,
     {0x5D, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x58},
     {0x5D, 0x05, 0xD7, 0x11, 0x08, 0x21, 0xD0, 0x07, 0x00, 0x00, 0x64, 0x00, 0xD0, 0x07, 0x00,
      0x00, 0x00, 0xD3}},
    {"ReadSettings", 1000,
     {0x5D, 0x06, 0x00, 0x00, 0x00, 0x00, 0x00, 0x5B},
     {0x5D, 0x06, 0xD7, 0x11, 0x39, 0x30, 0xD0, 0x07, 0x00, 0x00, 0x64, 0x00, 0xD0, 0x07, 0x00,
      0x00, 0x00, 0xF0}},
    {"ReadVersionLowHalfOfCrcFirst", 1000,
     {0x5D, 0x07, 0x00, 0x00, 0x00, 0x00, 0x00, 0x5A},
     {0x5D, 0x07, 0x01, 0x00, 0x00, 0x80, 0x01, 0x00, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
      0x00, 0x00, 0xDF}},
    {"ShortZeroAdjustCreepsByOneMillivolt", 10,
     {0x5D, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x55},
     {0x5D, 0x08, 0xE1, 0x11, 0x39, 0x30, 0x00, 0xAC}},
};

class ModelAnswers : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(ModelAnswers, AnswerIsByteExactAndArrivesWhole) {
  SensorModel model;
  model.HoldPressure(GetParam().held_pressure);
  const Deliveries deliveries = model.Receive(GetParam().command);
  ASSERT_EQ(deliveries.size(), 1u);
  EXPECT_EQ(deliveries[0], GetParam().answer);
  EXPECT_EQ(model.ReceivedCommands(), std::vector<Bytes>{GetParam().command});
  EXPECT_EQ(model.AnswersSent(), 1u);
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, ModelAnswers, ::testing::ValuesIn(kAnswers),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

TEST(SensorModel, PowersUpWithTheFactorySettingsAndVersion) {
  const SensorModel model;
  EXPECT_EQ(model.StoredSettings(), (Settings{4567, 12345, 2000, 0, 100, 2000}));
  EXPECT_EQ(model.Version(), (FirmwareVersion{1, 5, 0x80000001}));
}

TEST(SensorModel, WrittenSettingsAreStoredAndReportedBack) {
  SensorModel model;
  const Bytes written = Joined(model.Receive(WriteSettingsCommand(1500, 10, 200, 3000)));
  EXPECT_EQ(model.StoredSettings(), (Settings{4567, 12345, 1500, 10, 200, 3000}));
  const Bytes expected{0x5D, 0x01, 0xD7, 0x11, 0x39, 0x30, 0xDC, 0x05, 0x0A,
                       0x00, 0xC8, 0x00, 0xB8, 0x0B, 0x00, 0x00, 0x00, 0x3B};
  EXPECT_EQ(written, expected);
  Bytes read_back = Joined(model.Receive(ShortCommand(CmdReadSettings)));
  read_back[offset::Code] = CmdWriteSettings;
  Seal(read_back);
  EXPECT_EQ(read_back, expected);
}

TEST(SensorModel, NegativeSettingsTravelAsTwosComplement) {
  SensorModel model;
  model.Receive(WriteSettingsCommand(-1, -15, -32768, 32767));
  EXPECT_EQ(model.StoredSettings().pressureSetting, -1);
  EXPECT_EQ(model.StoredSettings().threshold1, -15);
  EXPECT_EQ(model.StoredSettings().threshold2, -32768);
  EXPECT_EQ(model.StoredSettings().threshold3, 32767);
}

TEST(SensorModel, SetZeroAndCalibrateMakeThePresentPressureReadZeroAndTheSetting) {
  SensorModel model;
  model.HoldPressure(1234);
  model.Receive(ShortCommand(CmdSetZero));
  EXPECT_EQ(ReadSigned16(Joined(model.Receive(kPoll)), offset::Pressure), 0);
  model.HoldPressure(1700);
  model.Receive(ShortCommand(CmdCalibrate));
  EXPECT_EQ(ReadSigned16(Joined(model.Receive(kPoll)), offset::Pressure), 2000);
}

TEST(SensorModel, SetVersionIsReported) {
  SensorModel model;
  model.SetVersion({2, 17, 0x1234ABCD});
  const Bytes answer = Joined(model.Receive(ShortCommand(CmdReadVersion)));
  EXPECT_EQ(ReadUnsigned16(answer, offset::CrcLow), 0xABCD);
  EXPECT_EQ(ReadUnsigned16(answer, offset::CrcHigh), 0x1234);
  EXPECT_EQ(ReadSigned16(answer, offset::VersionMajor), 2);
  EXPECT_EQ(ReadSigned16(answer, offset::VersionMinor), 17);
  EXPECT_TRUE(ChecksumPasses(answer));
}

TEST(SensorModel, IdentFrameCarriesTheDeviceId) {
  SensorModel model;
  EXPECT_EQ(Joined(model.SendIdent(42)), (Bytes{0x4D, 0x4D, 0x00, 0x00, 0x00, 0x00, 0x2A, 0x2A}));
}

struct FlagCase {
  const char* name;
  int threshold1, threshold2, threshold3;
  std::uint8_t flags;
};

void PrintTo(const FlagCase& c, std::ostream* out) { *out << c.name; }

// The held pressure reads 1000 (10.00 kPa).
const FlagCase kFlags[] = {
    {"PowerUpThresholds", 0, 100, 2000, Threshold1Exceeded | Threshold2Exceeded},
    {"OnlyBelowFirst", 999, 1000, 1001, Threshold1Exceeded},
    {"EqualIsNotExceeded", 1000, 1001, 1002, 0},
    {"AllExceeded", -5, 500, 999, Threshold1Exceeded | Threshold2Exceeded | Threshold3Exceeded},
    {"EqualThresholdsAreAnError", 100, 100, 2000,
     SettingsError | Threshold1Exceeded | Threshold2Exceeded},
    {"DescendingThresholdsAreAnError", 2000, 100, 3000, SettingsError | Threshold2Exceeded},
};

class ModelFlags : public ::testing::TestWithParam<FlagCase> {};

TEST_P(ModelFlags, FlagsFollowTheThresholds) {
  SensorModel model;
  model.HoldPressure(1000);
  const auto& c = GetParam();
  model.Receive(WriteSettingsCommand(2000, c.threshold1, c.threshold2, c.threshold3));
  const Bytes answer = Joined(model.Receive(kPoll));
  ASSERT_EQ(ReadSigned16(answer, offset::Pressure), 1000);
  EXPECT_EQ(answer[offset::StatusFlags], c.flags);
  EXPECT_TRUE(ChecksumPasses(answer));
}

INSTANTIATE_TEST_SUITE_P(Thresholds, ModelFlags, ::testing::ValuesIn(kFlags),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

TEST(SensorModel, FirmwareFaultSetsBitSevenOnlyWhileInjected) {
  SensorModel model;
  model.HoldPressure(1000);
  model.SetFirmwareFault(true);
  EXPECT_EQ(Joined(model.Receive(kPoll)), (Bytes{0x5D, 0x02, 0x08, 0x21, 0xE8, 0x03, 0x86, 0x1B}));
  model.SetFirmwareFault(false);
  EXPECT_EQ(Joined(model.Receive(kPoll)), kCurrentDataAt1000);
}

TEST(SensorModel, LiveReadingsMoveSmoothlyAcrossTheThresholds) {
  SensorModel model;
  int lowest = 1 << 20, highest = -(1 << 20), previous = 0, largest_step = 0;
  std::uint8_t flags_seen = 0, flags_missed = 0xFF;
  for (int poll = 0; poll < 240; ++poll) {
    const Bytes answer = Joined(model.Receive(kPoll));
    const int pressure = ReadSigned16(answer, offset::Pressure);
    if (poll > 0) largest_step = std::max(largest_step, std::abs(pressure - previous));
    previous = pressure;
    lowest = std::min(lowest, pressure);
    highest = std::max(highest, pressure);
    flags_seen |= answer[offset::StatusFlags];
    flags_missed &= answer[offset::StatusFlags];
  }
  EXPECT_LT(largest_step, 100);  // under 1 kPa from one poll to the next
  EXPECT_LT(lowest, 0);
  EXPECT_GT(highest, 2000);
  const std::uint8_t thresholds = Threshold1Exceeded | Threshold2Exceeded | Threshold3Exceeded;
  EXPECT_EQ(flags_seen, thresholds);  // each is set at times...
  EXPECT_EQ(flags_missed, 0);         // ...and clear at others
}

TEST(SensorModel, SameSeedSameReadingsOtherSeedOthers) {
  const auto readings = [](std::uint32_t seed) {
    SensorModel model(seed);
    Bytes all;
    for (int poll = 0; poll < 20; ++poll) {
      const Bytes answer = Joined(model.Receive(kPoll));
      all.insert(all.end(), answer.begin(), answer.end());
    }
    return all;
  };
  EXPECT_EQ(readings(7), readings(7));
  EXPECT_NE(readings(7), readings(8));
}

}  // namespace
}  // namespace np72::sim::test
