#include <gtest/gtest.h>

#include <set>

#include "sim/sensor_model.h"
#include "sim_test_support.h"

namespace np72::sim::test {
namespace {

constexpr int kPolls = 30;

class Faults : public ::testing::Test {
 protected:
  Faults() { model_.HoldPressure(1000); }  // every clean answer is kCurrentDataAt1000
  SensorModel model_;
};

TEST_F(Faults, BadChecksumCorruptsOnlyTheChecksum) {
  model_.SetFault(Fault::BadChecksum);
  for (int poll = 0; poll < kPolls; ++poll) {
    const Deliveries deliveries = model_.Receive(kPoll);
    ASSERT_EQ(deliveries.size(), 1u);
    const Bytes& answer = deliveries[0];
    EXPECT_FALSE(ChecksumPasses(answer));
    EXPECT_TRUE(std::equal(answer.begin(), answer.end() - 1, kCurrentDataAt1000.begin()));
  }
}

TEST_F(Faults, SplitDeliversEveryAnswerInPiecesBothWays) {
  model_.SetFault(Fault::Split);
  std::set<std::size_t> piece_counts;
  for (int poll = 0; poll < kPolls; ++poll) {
    const Deliveries pieces = model_.Receive(kPoll);
    ASSERT_GE(pieces.size(), 2u);
    for (const auto& piece : pieces) EXPECT_FALSE(piece.empty());
    EXPECT_EQ(Joined(pieces), kCurrentDataAt1000);
    piece_counts.insert(pieces.size());
  }
  EXPECT_TRUE(piece_counts.contains(kShortFrameSize));        // byte by byte
  EXPECT_TRUE(piece_counts.contains(2) || piece_counts.contains(3));  // at random points
}

TEST_F(Faults, CoalesceDeliversTwoOrThreeAnswersTogether) {
  model_.SetFault(Fault::Coalesce);
  Deliveries deliveries;
  for (int poll = 0; poll < kPolls; ++poll) {
    for (auto& delivery : model_.Receive(kPoll)) deliveries.push_back(delivery);
  }
  for (auto& delivery : model_.Flush()) deliveries.push_back(delivery);
  std::set<std::size_t> sizes;
  // The last delivery may be the flushed rest, of one answer.
  for (std::size_t i = 0; i + 1 < deliveries.size(); ++i) sizes.insert(deliveries[i].size());
  EXPECT_EQ(sizes, (std::set<std::size_t>{2 * kShortFrameSize, 3 * kShortFrameSize}));
  Bytes expected;
  for (int poll = 0; poll < kPolls; ++poll) {
    expected.insert(expected.end(), kCurrentDataAt1000.begin(), kCurrentDataAt1000.end());
  }
  EXPECT_EQ(Joined(deliveries), expected);
}

TEST_F(Faults, HeldAnswersComeOutOnFlush) {
  model_.SetFault(Fault::Coalesce);
  EXPECT_TRUE(model_.Receive(kPoll).empty());
  model_.SetFault(Fault::None);
  EXPECT_EQ(model_.Flush(), Deliveries{kCurrentDataAt1000});
  EXPECT_TRUE(model_.Flush().empty());
}

TEST_F(Faults, GarbageComesBeforeTheAnswer) {
  model_.SetFault(Fault::Garbage);
  std::set<std::size_t> delivery_counts;
  for (int poll = 0; poll < kPolls; ++poll) {
    const Deliveries deliveries = model_.Receive(kPoll);
    const Bytes all = Joined(deliveries);
    ASSERT_GT(all.size(), kShortFrameSize);
    EXPECT_LT(all.size(), 2 * kShortFrameSize);
    EXPECT_TRUE(std::equal(kCurrentDataAt1000.rbegin(), kCurrentDataAt1000.rend(), all.rbegin()));
    delivery_counts.insert(deliveries.size());
  }
  EXPECT_EQ(delivery_counts, (std::set<std::size_t>{1, 2}));  // alone or in front, in one piece
}

TEST_F(Faults, SilentCarriesCommandsOutButAnswersNothing) {
  model_.SetFault(Fault::Silent);
  EXPECT_TRUE(model_.Receive(WriteSettingsCommand(1, 2, 3, 4)).empty());
  EXPECT_TRUE(model_.Receive(kPoll).empty());
  EXPECT_TRUE(model_.SendIdent(1).empty());
  EXPECT_EQ(model_.StoredSettings().threshold3, 4);
  EXPECT_EQ(model_.ReceivedCommands().size(), 2u);
  model_.SetFault(Fault::None);
  EXPECT_EQ(model_.Receive(kPoll).size(), 1u);
}

TEST_F(Faults, VanishDeliversHalfAnAnswerThenNothing) {
  EXPECT_EQ(model_.Receive(kPoll).size(), 1u);
  model_.Vanish();
  EXPECT_FALSE(model_.Gone());
  const Bytes half(kCurrentDataAt1000.begin(), kCurrentDataAt1000.begin() + 4);
  EXPECT_EQ(model_.Receive(kPoll), Deliveries{half});
  EXPECT_TRUE(model_.Gone());
  EXPECT_TRUE(model_.Receive(kPoll).empty());
  EXPECT_TRUE(model_.SendIdent(1).empty());
  EXPECT_TRUE(model_.SendGarbage(5).empty());
}

TEST_F(Faults, GarbageOnRequestIsThatManyBytes) {
  const Deliveries deliveries = model_.SendGarbage(300);
  ASSERT_EQ(deliveries.size(), 1u);
  EXPECT_EQ(deliveries[0].size(), 300u);
  EXPECT_TRUE(model_.SendGarbage(0).empty());
}

TEST(FaultNames, EveryNameOfThePtyToolIsKnown) {
  EXPECT_EQ(FaultNamed("none"), Fault::None);
  EXPECT_EQ(FaultNamed("badsum"), Fault::BadChecksum);
  EXPECT_EQ(FaultNamed("split"), Fault::Split);
  EXPECT_EQ(FaultNamed("coalesce"), Fault::Coalesce);
  EXPECT_EQ(FaultNamed("garbage"), Fault::Garbage);
  EXPECT_EQ(FaultNamed("silent"), Fault::Silent);
  EXPECT_EQ(FaultNamed("Split"), std::nullopt);
}

}  // namespace
}  // namespace np72::sim::test
