// The real np72.exe against the simulator on a pty mapped to COM5, driven
// from this process as the host and the operator would drive it.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <thread>

#include "device_registry.h"
#include "e2e_tool.h"
#include "protocol/frames.h"
#include "sim/host_commands.h"
#include "window/number_format.h"

namespace np72::e2e {
namespace {

using namespace testing_registry;
using enum Control;

constexpr const char* kWaiting = "Устройство не определено";
constexpr const char* kActive = "Устройство активно";
constexpr const char* kSerial = "NP72000123";
const std::string kFlashDrive = "\\\\?\\USB#VID_0781&PID_5567#4C530001#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";

using sim::ShortCommand;

// The frames received since `from`.
std::vector<Frame> FramesSince(std::size_t from) {
  std::vector<Frame> frames = ReceivedFrames();
  frames.erase(frames.begin(), frames.begin() + static_cast<std::ptrdiff_t>(std::min(from, frames.size())));
  return frames;
}

bool Received(std::size_t from, const Frame& frame) {
  const std::vector<Frame> frames = FramesSince(from);
  return std::find(frames.begin(), frames.end(), frame) != frames.end();
}

std::size_t Polls(std::size_t from) {
  const std::vector<Frame> frames = FramesSince(from);
  return static_cast<std::size_t>(std::count(frames.begin(), frames.end(), ShortCommand(CmdPollCurrent)));
}

class ToolTest : public testing::Test {
 protected:
  void SetUp() override { RemoveDeviceKey(kSerial); }
  void TearDown() override {
    tool.reset();
    for (const char* serial : {kSerial, "NP72000124", "NP72000125"}) RemoveDeviceKey(serial);
  }

  void Start() { tool = std::make_unique<Tool>(); }
  // The sensor is plugged in: its device key appears, then the host's arrival pair.
  void Arrive(const std::string& serial, const std::wstring& friendly_name) {
    SetFriendlyName(serial, REG_SZ, friendly_name);
    tool->DeviceChange(0x0007);
    tool->DeviceChange(0x8000, SensorInterface(serial));
  }
  void ArriveActive() {
    Arrive(kSerial, L"USB Serial Device (COM5)");
    ASSERT_TRUE(WaitFor([&] { return tool->Text(Label10) == kActive; })) << tool->Text(Label10);
  }
  void ExpectWaitingLook() {
    EXPECT_TRUE(WaitFor([&] { return tool->Text(Label10) == kWaiting; })) << tool->Text(Label10);
    EXPECT_FALSE(tool->Visible(Panel2));
    EXPECT_FALSE(tool->Visible(GroupBox4));
  }

  std::unique_ptr<Tool> tool;
};

TEST_F(ToolTest, ArrivalOpensTheSensorFillsTheSettingsAndShowsLiveValues) {
  Start();
  ExpectWaitingLook();
  const std::size_t mark = ReceivedFrames().size();
  ArriveActive();
  EXPECT_TRUE(tool->Visible(Panel2));
  EXPECT_TRUE(tool->Visible(GroupBox4));
  EXPECT_TRUE(WaitFor([&] { return Received(mark, ShortCommand(CmdReadSettings)); }));
  EXPECT_TRUE(WaitFor([&] { return !tool->Text(Edit12).empty() && !tool->Text(Edit11).empty(); }));
  EXPECT_NE(tool->Text(MaskEdit4), "    ");

  // Twice a second a poll goes out and its answer shows.
  const std::size_t polls_from = ReceivedFrames().size();
  std::set<std::string> pressures, voltages;
  for (int i = 0; i < 30; ++i, Sleep(100)) {
    pressures.insert(tool->Text(Edit2));
    voltages.insert(tool->Text(Edit13));
  }
  const std::size_t polls = Polls(polls_from);
  EXPECT_GE(polls, 5u);
  EXPECT_LE(polls, 7u);
  pressures.erase("");
  voltages.erase("");
  EXPECT_GE(pressures.size(), 2u);
  EXPECT_GE(voltages.size(), 2u);
}

TEST_F(ToolTest, EveryButtonPutsItsFrameOnTheWireAndItsAnswerShows) {
  Start();
  ArriveActive();
  struct Case {
    Control button;
    Frame frame;
    std::uint8_t answer;  // the code of the long answer the sensor sends back
  };
  const Case cases[] = {
      {Button9, ShortCommand(CmdReadSettings), CmdReadSettings},
      {Button7, ShortCommand(CmdZeroAdjust), CmdZeroAdjust},
      {Button5, ShortCommand(CmdSetZero), CmdSetZero},
      {Button4, ShortCommand(CmdCalibrate), CmdCalibrate},
      {Button3, ShortCommand(CmdReadVersion), CmdReadVersion},
      {Button2, sim::WriteSettingsCommand(2000, 0, 100, 2000), CmdWriteSettings},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ControlName(c.button));
    tool->SetText(Label12, "");
    const std::size_t mark = ReceivedFrames().size();
    tool->Click(c.button);
    EXPECT_TRUE(WaitFor([&] { return Received(mark, c.frame); }));
    const std::string dump_start = DumpText(std::vector<std::uint8_t>{FrameHeader, c.answer});
    EXPECT_TRUE(WaitFor([&] { return tool->Text(Label12).starts_with(dump_start); })) << tool->Text(Label12);
  }
  EXPECT_TRUE(tool->Text(Panel3).starts_with("Версия ПО: ")) << tool->Text(Panel3);

  // "Запись" sends the four fields as they read back; the sensor keeps them.
  tool->SetText(MaskEdit4, "1500");
  tool->SetText(MaskEdit3, "10");
  tool->SetText(MaskEdit2, "200");
  tool->SetText(MaskEdit1, "2400");
  std::size_t mark = ReceivedFrames().size();
  tool->Click(Button6);
  EXPECT_TRUE(WaitFor([&] { return Received(mark, sim::WriteSettingsCommand(1500, 10, 200, 2400)); }));
  tool->SetText(MaskEdit4, "");
  mark = ReceivedFrames().size();
  tool->Click(Button9);
  EXPECT_TRUE(WaitFor([&] { return tool->Text(MaskEdit4) == "1500" && tool->Text(MaskEdit2) == "200 "; }))
      << tool->Text(MaskEdit4);
  tool->Click(Button2);  // back to the defaults for the tests after this one
  EXPECT_TRUE(WaitFor([&] { return tool->Text(MaskEdit4) == "2000"; }));
}

TEST_F(ToolTest, AFlashDrivesEventsBesideTheSensorChangeNothing) {
  Start();
  ArriveActive();
  for (WPARAM code : {0x0007, 0x8000, 0x0007, 0x0007, 0x8004, 0x0007, 0x0007}) tool->DeviceChange(code, code == 0x0007 ? "" : kFlashDrive);
  const std::size_t mark = ReceivedFrames().size();
  Sleep(1500);
  EXPECT_EQ(tool->Text(Label10), kActive);
  EXPECT_TRUE(tool->Visible(Panel2));
  EXPECT_GE(Polls(mark), 2u);
}

TEST_F(ToolTest, TheSensorsRemovalRestoresTheWaitingLookAndStopsThePoll) {
  Start();
  ArriveActive();
  tool->DeviceChange(0x0007);
  tool->DeviceChange(0x8004, SensorInterface(kSerial));
  ExpectWaitingLook();
  EXPECT_NE(tool->Text(LogMemo).find("Откл."), std::string::npos);
  const std::size_t mark = ReceivedFrames().size();
  Sleep(1200);
  EXPECT_EQ(Polls(mark), 0u);
}

TEST_F(ToolTest, ASensorPluggedInBeforeTheStartIsOpened) {
  SetFriendlyName(kSerial, REG_SZ, std::wstring(L"USB Serial Device (COM5)"));
  Start();
  EXPECT_TRUE(WaitFor([&] { return tool->Text(Label10) == kActive; })) << tool->Text(Label10);
  EXPECT_NE(tool->Text(LogMemo).find("NP72:  COM5"), std::string::npos) << tool->Text(LogMemo);
}

TEST_F(ToolTest, ASecondStartShowsTheAlreadyRunningMessageAndEndsWhileTheFirstRunsOn) {
  Start();
  ArriveActive();
  PROCESS_INFORMATION second = StartTool();
  HWND box = nullptr;
  EXPECT_TRUE(WaitFor([&] { return (box = MessageBoxOf(second.dwProcessId)) != nullptr; }, 15000));
  EXPECT_EQ(MessageText(box), "Программа \"Kestrion\" уже работает!");
  EXPECT_FALSE(MessageHasIcon(box));
  PressOk(box);
  EXPECT_EQ(WaitForSingleObject(second.hProcess, 10000), WAIT_OBJECT_0);
  CloseHandle(second.hThread);
  CloseHandle(second.hProcess);

  EXPECT_EQ(WaitForSingleObject(tool->Process(), 0), WAIT_TIMEOUT);
  EXPECT_EQ(tool->Text(Label10), kActive);
  const std::size_t mark = ReceivedFrames().size();
  EXPECT_TRUE(WaitFor([&] { return Polls(mark) > 0; }));
}

TEST_F(ToolTest, AFriendlyNameOfTheWrongTypeShowsTheErrorBoxAndTheToolGoesOn) {
  Start();
  const DWORD number = 5;
  SetFriendlyName("NP72000124", REG_DWORD, &number, sizeof number);
  tool->DeviceChange(0x0007);
  // The box is modal inside the handler: the arrival's SendMessage returns once it is closed.
  std::thread arrival([&] { tool->DeviceChange(0x8000, SensorInterface("NP72000124")); });
  HWND box = nullptr;
  EXPECT_TRUE(WaitFor([&] { return (box = MessageBoxOf(tool->ProcessId())) != nullptr; }));
  EXPECT_EQ(MessageText(box), "Invalid data type for 'FriendlyName'");
  EXPECT_TRUE(MessageHasIcon(box));
  PressOk(box);
  arrival.join();
  EXPECT_EQ(tool->Text(Label10), kWaiting);
  ArriveActive();
}

TEST_F(ToolTest, APortThatCannotBeOpenedIsReportedAndLeavesTheWaitingLook) {
  Start();
  // COM9 names a path that does not exist.
  Arrive("NP72000125", L"USB Serial Device (COM9)");
  EXPECT_TRUE(WaitFor([&] { return tool->Text(Label10) == "Ошибка открытия порта COM9"; })) << tool->Text(Label10);
  EXPECT_FALSE(tool->Visible(Panel2));
  EXPECT_NE(tool->Text(LogMemo).find("Ошибка открытия порта COM9"), std::string::npos);
}

// Last: the simulator is gone afterwards.
TEST_F(ToolTest, ThePortClosesWhenThePtysFarEndGoesAway) {
  Start();
  ArriveActive();
  SimulatorCommand("vanish");
  ExpectWaitingLook();
  EXPECT_NE(tool->Text(LogMemo).find("Откл."), std::string::npos);
}

}  // namespace
}  // namespace np72::e2e
