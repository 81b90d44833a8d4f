#include <gtest/gtest.h>

#include "sim/sensor_model.h"
#include "sim_test_support.h"

namespace np72::sim::test {
namespace {

TEST(CommandFraming, CommandsInAnyChunksAreTakenWhole) {
  SensorModel model;
  Bytes stream = WriteSettingsCommand(2000, 0, 100, 2000);
  stream.insert(stream.end(), kPoll.begin(), kPoll.end());
  Deliveries answers;
  for (const std::uint8_t byte : stream) {
    for (auto& answer : model.Receive(Bytes{byte})) answers.push_back(answer);
  }
  ASSERT_EQ(answers.size(), 2u);
  EXPECT_EQ(answers[0].size(), kLongFrameSize);
  EXPECT_EQ(answers[1].size(), kShortFrameSize);
  EXPECT_EQ(model.ReceivedCommands(),
            (std::vector<Bytes>{WriteSettingsCommand(2000, 0, 100, 2000), kPoll}));
  EXPECT_EQ(model.DroppedBytes(), 0u);
}

TEST(CommandFraming, GarbageAndBrokenFramesAreSkippedByteByByte) {
  SensorModel model;
  Bytes bad_checksum = kPoll;
  bad_checksum.back() ^= 0x01;
  const Bytes unknown_code = ShortCommand(9);
  Bytes stream{0x00, 0xFF, 0x5D, 0x5D};  // a header followed by no command code
  stream.insert(stream.end(), bad_checksum.begin(), bad_checksum.end());
  stream.insert(stream.end(), unknown_code.begin(), unknown_code.end());
  stream.insert(stream.end(), kPoll.begin(), kPoll.end());

  const Deliveries answers = model.Receive(stream);

  ASSERT_EQ(answers.size(), 1u);
  EXPECT_EQ(KindOf(answers[0]), ResponseKind::CurrentData);
  EXPECT_EQ(model.ReceivedCommands(), std::vector<Bytes>{kPoll});
  EXPECT_EQ(model.DroppedBytes(), 4u + bad_checksum.size() + unknown_code.size());
}

TEST(CommandFraming, AShortCommandInsideAFailedLongOneIsFound) {
  SensorModel model;
  Bytes broken = WriteSettingsCommand(2000, 0, 100, 2000);
  broken.resize(6);  // 5D 01 and four bytes, then a poll: 18 bytes that fail
  broken.insert(broken.end(), kPoll.begin(), kPoll.end());
  broken.insert(broken.end(), {0, 0, 0, 0});
  const Deliveries answers = model.Receive(broken);
  ASSERT_EQ(answers.size(), 1u);
  EXPECT_EQ(model.ReceivedCommands(), std::vector<Bytes>{kPoll});
}

TEST(CommandFraming, AnUnfinishedCommandWaitsForItsRest) {
  SensorModel model;
  const Bytes command = WriteSettingsCommand(1, 2, 3, 4);
  EXPECT_TRUE(model.Receive(std::span(command).first(17)).empty());
  EXPECT_EQ(model.Receive(std::span(command).last(1)).size(), 1u);
  EXPECT_EQ(model.StoredSettings().threshold3, 4);
}

}  // namespace
}  // namespace np72::sim::test
