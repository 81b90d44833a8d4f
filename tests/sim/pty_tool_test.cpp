#include <signal.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "protocol/frames.h"
#include "pty_tool_process.h"
#include "sim/hex_text.h"
#include "sim_test_support.h"

namespace np72::sim::test {
namespace {

class PtyTool : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto first = tool_.ReadLine();
    ASSERT_TRUE(first.has_value());
    slave_ = *first;
    ASSERT_TRUE(slave_.starts_with("/dev/pts/")) << slave_;
  }

  // Polls and returns the answer, checking that it is a sound CurrentDataFrame.
  Bytes PollThrough(HostPort& port) {
    port.Write(kPoll);
    const Bytes answer = port.Read(kShortFrameSize);
    EXPECT_EQ(answer.size(), kShortFrameSize);
    if (answer.size() == kShortFrameSize) {
      EXPECT_TRUE(ChecksumPasses(answer));
      EXPECT_EQ(KindOf(answer), ResponseKind::CurrentData);
    }
    return answer;
  }

  PtyToolProcess tool_;
  std::string slave_;
};

TEST_F(PtyTool, AnswersAPollOnTheSlaveAndLogsBothWays) {
  HostPort port(slave_);
  ASSERT_TRUE(port.IsOpen());
  const Bytes answer = PollThrough(port);
  EXPECT_TRUE(tool_.WaitForLine("rx 5D 02 00 00 00 00 00 5F"));
  EXPECT_EQ(tool_.ReadLine(), "tx " + HexText(answer));
  tool_.Command("quit");
  EXPECT_EQ(tool_.WaitForExit(), 0);
}

TEST_F(PtyTool, AHostThatReopensTheSlaveStillGetsAnswers) {
  {
    HostPort first(slave_);
    PollThrough(first);
  }
  HostPort again(slave_);
  PollThrough(again);
}

TEST_F(PtyTool, FaultsAndIdentAreTakenFromStandardInput) {
  HostPort port(slave_);
  tool_.Command("fault badsum");
  port.Write(kPoll);
  const Bytes corrupted = port.Read(kShortFrameSize);
  ASSERT_EQ(corrupted.size(), kShortFrameSize);
  EXPECT_FALSE(ChecksumPasses(corrupted));
  tool_.Command("fault none");
  tool_.Command("ident 42");
  EXPECT_EQ(port.Read(kShortFrameSize), (Bytes{0x4D, 0x4D, 0, 0, 0, 0, 0x2A, 0x2A}));
  tool_.Command("garbage 5");
  EXPECT_EQ(port.Read(5).size(), 5u);
}

TEST_F(PtyTool, VanishSendsHalfAnAnswerThenHangsUpAndExits) {
  HostPort port(slave_);
  tool_.Command("vanish");
  port.Write(kPoll);
  EXPECT_EQ(port.Read(kShortFrameSize).size(), kShortFrameSize / 2);
  EXPECT_EQ(tool_.WaitForExit(), 0);
}

struct StopCase {
  const char* name;
  void (*stop)(PtyToolProcess&);
};

void PrintTo(const StopCase& c, std::ostream* out) { *out << c.name; }

const StopCase kStops[] = {
    {"Quit", [](PtyToolProcess& tool) { tool.Command("quit"); }},
    {"EndOfInput", [](PtyToolProcess& tool) { tool.CloseInput(); }},
    {"Sigterm", [](PtyToolProcess& tool) { kill(tool.Pid(), SIGTERM); }},
    {"Sigint", [](PtyToolProcess& tool) { kill(tool.Pid(), SIGINT); }},
};

class PtyToolStops : public ::testing::TestWithParam<StopCase> {};

TEST_P(PtyToolStops, ExitsCleanlyAndRemovesItsLink) {
  const auto link = std::filesystem::temp_directory_path() /
                    ("np72-sim-test-" + std::to_string(getpid()) + "-" + GetParam().name);
  PtyToolProcess tool({"--link", link.string()});
  const auto slave = tool.ReadLine();
  ASSERT_TRUE(slave.has_value());
  EXPECT_EQ(std::filesystem::read_symlink(link), *slave);
  GetParam().stop(tool);
  EXPECT_EQ(tool.WaitForExit(), 0);
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
}

INSTANTIATE_TEST_SUITE_P(EveryWay, PtyToolStops, ::testing::ValuesIn(kStops),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

}  // namespace
}  // namespace np72::sim::test
