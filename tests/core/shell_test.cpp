// Start-up, the single-instance guard, shutdown and the error box.
#include <gtest/gtest.h>

#include "app/error_box.h"
#include "form_fixture.h"

namespace np72::testing {
namespace {

class ShellTest : public FormTest {};

TEST_F(ShellTest, FirstStart) {
  fakes.window.log = {"left over"};
  form.FormCreate();
  EXPECT_TRUE(fakes.window.log.empty());
  EXPECT_EQ(fakes.notifications.subscribed, (std::vector<WindowHandle>{RecordingWindow::kHandle}));
  EXPECT_EQ(fakes.window.brush, Colour::Red);
  EXPECT_TRUE(fakes.dialogs.messages.empty());
  EXPECT_EQ(fakes.application.terminations, 0);
  EXPECT_FALSE(form.ComPort1.Connected());
}

TEST_F(ShellTest, ASecondInstanceSaysSoAndEnds) {
  fakes.guard.free = false;
  fakes.notifications.present = {kSensorInterface};
  form.FormCreate();
  EXPECT_EQ(fakes.dialogs.messages, (std::vector<std::string>{"Программа \"Kestrion\" уже работает!"}));
  EXPECT_EQ(fakes.application.terminations, 1);
  EXPECT_TRUE(fakes.notifications.subscribed.empty());
  EXPECT_TRUE(fakes.window.paints.empty());
  EXPECT_TRUE(fakes.serial.opened.empty());
}

// A sensor plugged in before the start is opened as an arrival opens it.
TEST_F(ShellTest, ASensorAlreadyPresentIsOpened) {
  fakes.notifications.present = {kFlashDriveInterface, kSensorInterface, kSensorPortInterface};
  form.FormCreate();
  EXPECT_EQ(fakes.window.log, (std::vector<std::string>{"Подкл.", "NP72:  COM5", "Подкл."}));
  EXPECT_TRUE(form.ComPort1.Connected());
  EXPECT_EQ(fakes.window.brush, Colour::Green);
  EXPECT_EQ(fakes.serial.written, (std::vector<Bytes>{{0x5D, 0x06, 0, 0, 0, 0, 0, 0x5B}}));
  EXPECT_TRUE(form.Timer1.Enabled());
  Remove();  // and its removal closes it
  EXPECT_FALSE(form.ComPort1.Connected());
}

TEST_F(ShellTest, ClosingStopsTheTimerBeforeThePort) {
  Connect();
  bool timer_was_stopped = false;
  fakes.serial.onClose = [&] { timer_was_stopped = !fakes.ticks.running; };
  form.FormClose();
  EXPECT_TRUE(timer_was_stopped);
  EXPECT_FALSE(form.ComPort1.Connected());
  EXPECT_EQ(fakes.window.texts[Control::Label10], "Устройство не определено");
  EXPECT_TRUE(fakes.serial.written.empty());  // nothing sent on the way out
}

TEST(ErrorBox, AFullStopFollowsALetterOrDigit) {
  const std::pair<const char*, const char*> cases[] = {
      {"'1-2' is not a valid integer value", "'1-2' is not a valid integer value."},
      {"Invalid data type for 'FriendlyName'", "Invalid data type for 'FriendlyName'"},
      {"Ошибка", "Ошибка."},
      {"code 5", "code 5."},
      {"Done!", "Done!"},
      {"(x)", "(x)"},
      {"end.", "end."},
      {"a/", "a/."},
      {"", ""},
  };
  for (const auto& [message, text] : cases) EXPECT_EQ(ErrorBoxText(message), text) << message;
}

TEST(ErrorBox, AnErrorEscapingAHandlerIsShownAndTheToolGoesOn) {
  FakeDialogs dialogs;
  bool ran_after = false;
  RunGuarded(dialogs, [] { throw std::runtime_error("'x' is not a valid integer value"); });
  RunGuarded(dialogs, [&] { ran_after = true; });
  EXPECT_EQ(dialogs.errors, (std::vector<std::string>{"'x' is not a valid integer value."}));
  EXPECT_TRUE(ran_after);
}

}  // namespace
}  // namespace np72::testing
