// Command frames on the wire, byte for byte.
#include <gtest/gtest.h>

#include "form_fixture.h"

namespace np72::testing {
namespace {

const Bytes kDefaults{0x5D, 0x01, 0, 0, 0, 0, 0xD0, 0x07, 0, 0, 0x64, 0, 0xD0, 0x07, 0, 0, 0, 0x38};

class SendTest : public FormTest {
 protected:
  void SetUp() override { Connect(); }
  void Type(Control field, const std::string& text) { fakes.window.Field(field).Place(text); }
};

TEST_F(SendTest, EveryButtonSendsItsFrame) {
  const std::pair<Control, Bytes> cases[] = {
      {Control::Button7, {0x5D, 0x03, 0, 0, 0, 0, 0, 0x5E}},
      {Control::Button5, {0x5D, 0x04, 0, 0, 0, 0, 0, 0x59}},
      {Control::Button4, {0x5D, 0x05, 0, 0, 0, 0, 0, 0x58}},
      {Control::Button9, {0x5D, 0x06, 0, 0, 0, 0, 0, 0x5B}},
      {Control::Button3, {0x5D, 0x07, 0, 0, 0, 0, 0, 0x5A}},
      {Control::Button1, {0x5D, 0x08, 0, 0, 0, 0, 0, 0x55}},
      {Control::Button2, kDefaults},
  };
  for (const auto& [button, frame] : cases) {
    fakes.serial.written.clear();
    form.Click(button);
    ASSERT_EQ(fakes.serial.written.size(), 1u) << ControlName(button);
    EXPECT_EQ(fakes.serial.written[0], frame) << ControlName(button);
  }
}

TEST_F(SendTest, PollFrame) {
  form.Timer1Timer();
  EXPECT_EQ(fakes.serial.written, (std::vector<Bytes>{{0x5D, 0x02, 0, 0, 0, 0, 0, 0x5F}}));
}

TEST_F(SendTest, VersionRequestSkipsTheNextPoll) {
  form.Button3Click();
  EXPECT_TRUE(form.Session().SkipNextPoll);
}

TEST_F(SendTest, WriteSettingsReadsTheFourFields) {
  struct Case {
    const char *pressure, *t1, *t2, *t3;
    Bytes frame;
  };
  const Case cases[] = {
      {"2000", "0   ", "100 ", "2000", kDefaults},
      {"    ", "    ", "    ", "    ", {0x5D, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x5C}},
      {" 1 2", "9999", "-5  ", "0001", {0x5D, 1, 0, 0, 0, 0, 12, 0, 0x0F, 0x27, 0xFB, 0xFF, 1, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    Type(Control::MaskEdit4, c.pressure);
    Type(Control::MaskEdit3, c.t1);
    Type(Control::MaskEdit2, c.t2);
    Type(Control::MaskEdit1, c.t3);
    fakes.serial.written.clear();
    form.Button6Click();
    Bytes expected = c.frame;
    Seal(expected);
    ASSERT_EQ(fakes.serial.written.size(), 1u);
    EXPECT_EQ(fakes.serial.written[0], expected) << c.pressure << "|" << c.t1 << "|" << c.t2 << "|" << c.t3;
  }
}

TEST_F(SendTest, DefaultsLeaveTheFieldsAlone) {
  Type(Control::MaskEdit4, "12");
  form.Button2Click();
  EXPECT_EQ(fakes.serial.written.back(), kDefaults);
  EXPECT_EQ(fakes.window.MaskText(Control::MaskEdit4), "12  ");
}

TEST_F(SendTest, WriteAfterAnotherFrameCarriesNoStaleBytes) {
  form.Button2Click();
  Type(Control::MaskEdit4, "1");
  form.Button6Click();
  const Bytes& frame = fakes.serial.written.back();
  for (std::size_t i : {2u, 3u, 4u, 5u, 14u, 15u, 16u}) EXPECT_EQ(frame[i], 0) << i;
}

TEST_F(SendTest, AFieldThatIsNoNumberStopsTheWrite) {
  Type(Control::MaskEdit3, "1-2 ");  // a minus sign set by a reading, then edited
  EXPECT_THROW(
      {
        try {
          form.Button6Click();
        } catch (const std::runtime_error& error) {
          EXPECT_STREQ(error.what(), "'1-2' is not a valid integer value");
          throw;
        }
      },
      std::runtime_error);
  EXPECT_TRUE(fakes.serial.written.empty());
}

TEST_F(SendTest, WithThePortClosedNothingIsSent) {
  form.FormClose();
  fakes.serial.written.clear();
  for (Control button : {Control::Button1, Control::Button2, Control::Button3, Control::Button4, Control::Button5,
                         Control::Button6, Control::Button7, Control::Button9}) {
    form.Click(button);
  }
  EXPECT_TRUE(form.Session().SkipNextPoll);  // its other effects stand
  form.Timer1Timer();
  form.Timer1Timer();
  EXPECT_TRUE(fakes.serial.written.empty());
}

// A value the sensor reported that needs more than four characters is shown
// cut; written back unedited it must reach the sensor whole.
TEST_F(SendTest, ACutValueIsWrittenBackWhole) {
  form.ShowSettings(0, 0, 12345, -1234, 100, 32767);
  EXPECT_EQ(fakes.window.MaskText(Control::MaskEdit4), "1234");
  EXPECT_EQ(fakes.window.MaskText(Control::MaskEdit3), "-123");
  form.Button6Click();
  Bytes expected{0x5D, 1, 0, 0, 0, 0, 0x39, 0x30, 0x2E, 0xFB, 0x64, 0, 0xFF, 0x7F, 0, 0, 0, 0};
  Seal(expected);
  EXPECT_EQ(fakes.serial.written.back(), expected);
}

TEST_F(SendTest, AnEditedCutFieldSendsWhatItShows) {
  form.ShowSettings(0, 0, 12345, 0, 100, 2000);
  fakes.window.Field(Control::MaskEdit4).SetCaret(3);
  fakes.window.Field(Control::MaskEdit4).Type('5');  // 1235
  form.Button6Click();
  EXPECT_EQ(ReadSigned16(fakes.serial.written.back(), 6), 1235);
}

TEST_F(SendTest, ACutValueIsForgottenWhenTheFieldsAreCleared) {
  form.ShowSettings(0, 0, 12345, 0, 100, 2000);
  form.ComPort1AfterOpen();  // a new connection empties the fields
  fakes.window.Field(Control::MaskEdit4).Place("1234");
  form.Button6Click();
  EXPECT_EQ(ReadSigned16(fakes.serial.written.back(), 6), 1234);
}

}  // namespace
}  // namespace np72::testing
