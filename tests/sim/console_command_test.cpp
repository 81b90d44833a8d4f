#include "console_command.h"

#include <gtest/gtest.h>

namespace np72::sim::console {
namespace {

TEST(ConsoleCommand, ReadsEveryCommandOfTheTool) {
  EXPECT_EQ(std::get<SetFault>(Parse("fault badsum")).fault, Fault::BadChecksum);
  EXPECT_EQ(std::get<SetFault>(Parse("  fault  none \r")).fault, Fault::None);
  EXPECT_EQ(std::get<SendIdent>(Parse("ident 255")).device_id, 255);
  EXPECT_EQ(std::get<SendGarbage>(Parse("garbage 12")).count, 12u);
  EXPECT_TRUE(std::holds_alternative<Vanish>(Parse("vanish")));
  EXPECT_TRUE(std::holds_alternative<Quit>(Parse("quit")));
  EXPECT_TRUE(std::holds_alternative<Blank>(Parse(" ")));
}

TEST(ConsoleCommand, RejectsWhatItCannotCarryOut) {
  for (const char* line : {"fault", "fault loud", "ident 256", "ident -1", "ident x", "garbage",
                           "garbage 3x", "quit now", "vanish 2", "reboot"}) {
    EXPECT_TRUE(std::holds_alternative<Unknown>(Parse(line))) << line;
  }
}

}  // namespace
}  // namespace np72::sim::console
