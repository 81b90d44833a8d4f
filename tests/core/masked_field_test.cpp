#include "window/masked_field.h"

#include <gtest/gtest.h>

namespace np72 {
namespace {

TEST(MaskedField, PlacingCutsAtFourAndLeavesTheRestEmpty) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"12345", "1234", "1234"}, {"7", "7   ", "7___"},    {"-5", "-5  ", "-5__"},
      {"", "    ", "____"},      {"0   ", "0   ", "0___"}, {" 1 2", " 1 2", "_1_2"},
  };
  for (const auto& [text, read_back, display] : cases) {
    MaskedField field;
    field.Place(text);
    EXPECT_EQ(field.ReadBack(), read_back) << text;
    EXPECT_EQ(field.Display(), display) << text;
  }
}

TEST(MaskedField, TypingOverwritesDigitsOnly) {
  MaskedField field;
  field.Place("2000");
  EXPECT_TRUE(field.Type('1'));
  EXPECT_FALSE(field.Type('a'));
  EXPECT_FALSE(field.Type('-'));
  EXPECT_TRUE(field.Type('5'));
  EXPECT_EQ(field.ReadBack(), "1500");
  EXPECT_TRUE(field.Type('9'));
  EXPECT_TRUE(field.Type('9'));
  EXPECT_FALSE(field.Type('9'));  // no fifth position
  EXPECT_EQ(field.ReadBack(), "1599");
}

TEST(MaskedField, DeletingLeavesThePositionEmpty) {
  MaskedField field;
  field.Place("1234");
  field.SetCaret(1);
  field.Delete();
  EXPECT_EQ(field.ReadBack(), "1 34");
  EXPECT_EQ(field.Caret(), 1);
  field.SetCaret(4);
  field.Backspace();
  EXPECT_EQ(field.ReadBack(), "1 3 ");
  EXPECT_EQ(field.Caret(), 3);
  field.Erase(0, 2);
  EXPECT_EQ(field.ReadBack(), "  3 ");
  field.Clear();
  EXPECT_EQ(field.ReadBack(), "    ");
}

}  // namespace
}  // namespace np72
