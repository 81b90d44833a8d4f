// Settings, firmware version, identification and the log.
#include <gtest/gtest.h>

#include "form_fixture.h"

namespace np72::testing {
namespace {

class SettingsViewTest : public FormTest {
 protected:
  std::string Mask(Control control) { return fakes.window.MaskText(control); }
  std::string& Text(Control control) { return fakes.window.texts[control]; }
};

TEST_F(SettingsViewTest, SettingsFillTheFields) {
  form.ShowSettings(4567, -25, 2000, 0, 100, 2000);
  EXPECT_EQ(Text(Control::Edit12), "456");
  EXPECT_EQ(Text(Control::Edit11), "-2");
  EXPECT_EQ(Mask(Control::MaskEdit4), "2000");
  EXPECT_EQ(Mask(Control::MaskEdit3), "0   ");
  EXPECT_EQ(fakes.window.Field(Control::MaskEdit3).Display(), "0___");
  EXPECT_EQ(Mask(Control::MaskEdit2), "100 ");
  EXPECT_EQ(Mask(Control::MaskEdit1), "2000");
}

TEST_F(SettingsViewTest, LongValuesAreCutToFourCharacters) {
  form.ShowSettings(0, 0, 7, -1234, -5, 12345);
  EXPECT_EQ(Mask(Control::MaskEdit4), "7   ");
  EXPECT_EQ(Mask(Control::MaskEdit3), "-123");
  EXPECT_EQ(Mask(Control::MaskEdit2), "-5  ");
  EXPECT_EQ(Mask(Control::MaskEdit1), "1234");
}

TEST_F(SettingsViewTest, ShortZeroAdjustLeavesTheTypedFields) {
  fakes.window.Field(Control::MaskEdit4).Place("55");
  form.ShowShortZeroAdjust(-15, 15);
  EXPECT_EQ(Text(Control::Edit12), "-1");
  EXPECT_EQ(Text(Control::Edit11), "1");
  EXPECT_EQ(Mask(Control::MaskEdit4), "55  ");
  EXPECT_EQ(fakes.window.log, (std::vector<std::string>{"короткий подстр.0"}));
}

TEST_F(SettingsViewTest, VersionAndCrcText) {
  struct Case {
    std::uint16_t low, high;
    std::int16_t major, minor;
    const char* text;
  };
  const Case cases[] = {
      {0x0001, 0x8000, 1, 5, "Версия ПО: 1.5    CRC32: 0x80000001"},
      {0x0000, 0xFFFF, 2, 10, "Версия ПО: 2.10    CRC32: 0xFFFF0000"},
      {0xFFFF, 0x0000, -1, 0, "Версия ПО: -1.0    CRC32: 0x0000FFFF"},
      {0x0000, 0x0000, 0, -3, "Версия ПО: 0.-3    CRC32: 0x00000000"},
      {0xABCD, 0x0123, 32767, -32768, "Версия ПО: 32767.-32768    CRC32: 0x0123ABCD"},
  };
  for (const Case& c : cases) {
    form.ShowVersion(c.low, c.high, c.major, c.minor);
    EXPECT_EQ(Text(Control::Panel3), c.text);
  }
}

TEST_F(SettingsViewTest, IdentificationsAreCountedAndTheLogClears) {
  for (std::uint8_t id : {3, 0, 255}) form.ShowIdent(id);
  EXPECT_EQ(Text(Control::Label1), "ID: 255");
  EXPECT_EQ(Text(Control::Label8), "3");
  EXPECT_EQ(fakes.window.log, (std::vector<std::string>{"id", "id", "id"}));
  form.Button11Click();
  EXPECT_TRUE(fakes.window.log.empty());
  EXPECT_EQ(Text(Control::Label1), "Id: неопределено");
  EXPECT_EQ(Text(Control::Label8), "3");
  form.ShowIdent(1);
  EXPECT_EQ(Text(Control::Label8), "4");
}

TEST_F(SettingsViewTest, IdentCountWraps) {
  for (int i = 0; i < 32768; ++i) form.ShowIdent(1);
  EXPECT_EQ(Text(Control::Label8), "-32768");
}

}  // namespace
}  // namespace np72::testing
