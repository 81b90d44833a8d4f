// Frames taken off the port: checks, dumps and the views they reach.
#include <gtest/gtest.h>

#include <random>

#include "form_fixture.h"

namespace np72::testing {
namespace {

Bytes Sealed(Bytes frame) {
  Seal(frame);
  return frame;
}

Bytes CurrentData(std::int16_t voltage, std::int16_t pressure, std::uint8_t flags) {
  Bytes frame{0x5D, 0x02, 0, 0, 0, 0, flags, 0};
  WriteSigned16(frame, 2, voltage);
  WriteSigned16(frame, 4, pressure);
  return Sealed(frame);
}

Bytes Settings(std::uint8_t code, std::int16_t pressure_setting) {
  Bytes frame(18, 0);
  frame[0] = 0x5D;
  frame[1] = code;
  WriteSigned16(frame, 2, 4567);
  WriteSigned16(frame, 4, -25);
  WriteSigned16(frame, 6, pressure_setting);
  WriteSigned16(frame, 10, 100);
  WriteSigned16(frame, 12, 2000);
  return Sealed(frame);
}

Bytes Version() {
  return Sealed({0x5D, 7, 0x01, 0x00, 0x00, 0x80, 1, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0});
}

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

class ReceiveTest : public FormTest {
 protected:
  void SetUp() override { Connect(); }
  const std::string& Text(Control control) { return fakes.window.texts[control]; }
  // Every shown voltage reading, oldest first.
  std::vector<std::string> voltages() {
    std::vector<std::string> shown;
    for (const std::string& call : fakes.window.calls) {
      if (call.starts_with("SetText Edit13 ")) shown.push_back(call.substr(15));
    }
    return shown;
  }
};

TEST_F(ReceiveTest, CurrentDataFrame) {
  fakes.serial.Arrive({0x5D, 0x02, 0x7B, 0x00, 0x2D, 0x01, 0x02, 0x0A});
  EXPECT_EQ(Text(Control::Label11), "8");
  EXPECT_EQ(Text(Control::Label6), " 93 2 123 0 45 1 2 10 ");
  EXPECT_EQ(Text(Control::Edit13), "12 мв");
  EXPECT_EQ(Text(Control::Edit2), "3,01");
  EXPECT_EQ(Text(Control::FlagPorog1), "Превышение порога 1");
  EXPECT_TRUE(fakes.serial.pending.empty());
}

TEST_F(ReceiveTest, ABadShortFrameChangesOnlyTheCount) {
  fakes.serial.Arrive({0x5D, 0x02, 0x7B, 0x00, 0x2D, 0x01, 0x02, 0x0B});
  EXPECT_EQ(fakes.window.calls, (std::vector<std::string>{"SetText Label11 8"}));
}

TEST_F(ReceiveTest, IdentFrame) {
  fakes.serial.Arrive({0x4D, 0x4D, 0, 0, 0, 0, 0x2A, 0x2A});
  EXPECT_EQ(Text(Control::Label1), "ID: 42");
  EXPECT_EQ(Text(Control::Label8), "1");
  EXPECT_EQ(fakes.window.log, (std::vector<std::string>{"id"}));
  EXPECT_EQ(form.Session().IdentCount, 1);
}

TEST_F(ReceiveTest, AShortFrameOfNoKindIsOnlyDumped) {
  fakes.serial.Arrive({0x5D, 0x06, 0, 0, 0, 0, 0, 0x5B});
  EXPECT_EQ(fakes.window.calls, (std::vector<std::string>{"SetText Label11 8", "SetText Label6  93 6 0 0 0 0 0 91 "}));
}

TEST_F(ReceiveTest, LongFramesAreDumpedGoodOrBad) {
  Bytes bad = Settings(6, 2000);
  bad[17] ^= 1;
  fakes.serial.Arrive(bad);
  EXPECT_EQ(fakes.window.calls.size(), 2u);
  EXPECT_TRUE(fakes.window.calls[1].starts_with("SetText Label12  93 6 215 17 231 255 208 7 "));

  for (std::uint8_t code : {0, 2, 9}) {
    fakes.window.calls.clear();
    Bytes frame = Version();
    frame[1] = code;
    fakes.serial.Arrive(Sealed(frame));
    EXPECT_EQ(fakes.window.calls.size(), 2u) << int{code};  // count and dump only
  }
  fakes.window.calls.clear();
  fakes.serial.Arrive(Sealed({0x4D, 0x4D, 0, 0, 0, 0, 42, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(fakes.window.calls.size(), 2u);  // never an ident
}

TEST_F(ReceiveTest, SettingsOfEveryCode) {
  for (std::uint8_t code : {1, 3, 4, 5, 6}) {
    fakes.window.Field(Control::MaskEdit4).Clear();
    fakes.serial.Arrive(Settings(code, 1999));
    EXPECT_EQ(Text(Control::Edit12), "456") << int{code};
    EXPECT_EQ(Text(Control::Edit11), "-2") << int{code};
    EXPECT_EQ(fakes.window.MaskText(Control::MaskEdit4), "1999") << int{code};
  }
}

TEST_F(ReceiveTest, VersionFrame) {
  fakes.serial.Arrive(Version());
  EXPECT_EQ(Text(Control::Panel3), "Версия ПО: 1.5    CRC32: 0x80000001");
}

TEST_F(ReceiveTest, AFrameInPiecesIsReadWhenWhole) {
  const Bytes frame = CurrentData(1234, 500, 0);
  fakes.serial.Arrive(Bytes(frame.begin(), frame.begin() + 5));
  EXPECT_EQ(Text(Control::Label11), "5");
  EXPECT_TRUE(voltages().empty());
  fakes.serial.Arrive(Bytes(frame.begin() + 5, frame.end()));
  EXPECT_EQ(Text(Control::Label11), "3");
  EXPECT_EQ(voltages(), (std::vector<std::string>{"123 мв"}));
}

TEST_F(ReceiveTest, AFrameByteByByte) {
  for (std::uint8_t byte : Settings(6, 777)) fakes.serial.Arrive({byte});
  EXPECT_EQ(fakes.window.MaskText(Control::MaskEdit4), "777 ");
}

TEST_F(ReceiveTest, FramesThatArriveTogether) {
  fakes.serial.Arrive(Join({CurrentData(10, 0, 0), CurrentData(20, 0, 0)}));
  EXPECT_EQ(Text(Control::Label11), "16");
  EXPECT_EQ(voltages(), (std::vector<std::string>{"1 мв", "2 мв"}));

  fakes.window.calls.clear();
  fakes.serial.Arrive(Join({Settings(6, 42), CurrentData(30, 0, 0), Version()}));
  EXPECT_EQ(fakes.window.MaskText(Control::MaskEdit4), "42  ");
  EXPECT_EQ(voltages(), (std::vector<std::string>{"3 мв"}));
  EXPECT_EQ(Text(Control::Panel3), "Версия ПО: 1.5    CRC32: 0x80000001");
}

TEST_F(ReceiveTest, FramesAfterGarbage) {
  const Bytes cases[] = {
      Join({{0x00}, CurrentData(10, 0, 0)}), Join({{0x5D, 0x5D, 0x4D, 0x13}, CurrentData(10, 0, 0)}),
      Join({{0x5D, 0x01, 0x33}, CurrentData(10, 0, 0)}),  // the start of a long frame that never came
      Join({CurrentData(10, 0, 0), {0xFF, 0x5D}}),        // garbage after the frame is held, harmlessly
  };
  for (const Bytes& bytes : cases) {
    fakes.window.calls.clear();
    form.ComPort1AfterClose();
    fakes.serial.Arrive(bytes);
    EXPECT_EQ(voltages(), (std::vector<std::string>{"1 мв"})) << ::testing::PrintToString(bytes);
  }
}

TEST_F(ReceiveTest, ABadChecksumThenAGoodFrame) {
  Bytes bad = CurrentData(10, 0, 0);
  bad[7] ^= 0x40;
  fakes.serial.Arrive(Join({bad, CurrentData(20, 0, 0)}));
  EXPECT_EQ(voltages(), (std::vector<std::string>{"2 мв"}));
}

TEST_F(ReceiveTest, AStrayByteDoesNotDeafenTheReceiver) {
  fakes.serial.Arrive({0x07});
  fakes.serial.Arrive(CurrentData(10, 0, 0));
  fakes.serial.Arrive(CurrentData(20, 0, 0));
  EXPECT_EQ(voltages(), (std::vector<std::string>{"1 мв", "2 мв"}));
}

TEST_F(ReceiveTest, AnUnfinishedFrameIsDroppedWhenAWholeOneArrives) {
  fakes.serial.Arrive({0x5D, 0x06, 1, 2, 3});  // half of a settings frame, then the sensor restarted
  fakes.serial.Arrive(CurrentData(10, 0, 0));
  EXPECT_EQ(voltages(), (std::vector<std::string>{"1 мв"}));
  EXPECT_FALSE(form.Session().Receiver.Holding());
}

TEST_F(ReceiveTest, ANewConnectionKeepsNoPieceOfTheLastOnesFrame) {
  const Bytes frame = CurrentData(1234, 500, 0);
  fakes.serial.Arrive(Bytes(frame.begin(), frame.begin() + 4));
  Remove();
  PlugIn();
  fakes.serial.Arrive(Join({Bytes(frame.begin() + 4, frame.end()), CurrentData(50, 0, 0)}));
  EXPECT_EQ(voltages(), (std::vector<std::string>{"5 мв"}));
}

TEST_F(ReceiveTest, ALargeBurstIsReadInBoundedPieces) {
  Bytes burst;
  for (int i = 0; i < 100; ++i) {
    const Bytes frame = CurrentData(static_cast<std::int16_t>(i * 10), 0, 0);
    burst.insert(burst.end(), frame.begin(), frame.end());
  }
  fakes.serial.Arrive(burst);
  EXPECT_EQ(Text(Control::Label11), "800");
  ASSERT_EQ(voltages().size(), 100u);
  EXPECT_EQ(voltages().back(), "99 мв");
  EXPECT_TRUE(fakes.serial.pending.empty());
}

// Whatever came before, a clean frame that arrives on its own is shown; the
// receiver never crashes and never holds more than one unfinished frame.
TEST_F(ReceiveTest, AnyGarbageIsFollowedByTheNextCleanFrame) {
  std::mt19937 random(72);
  const Bytes clean[] = {CurrentData(12340, 0, 0), Settings(6, 321), Version(), Sealed({0x4D, 0x4D, 0, 0, 0, 0, 7, 0})};
  for (int round = 0; round < 3000; ++round) {
    const int pieces = static_cast<int>(random() % 4);
    for (int piece = 0; piece < pieces; ++piece) {
      Bytes garbage(random() % 40 + 1);
      for (auto& byte : garbage) {
        // Plenty of frame starts, so that the receiver is kept waiting.
        const unsigned roll = random() % 8;
        byte = roll == 0   ? 0x5D
               : roll == 1 ? 0x4D
                           : static_cast<std::uint8_t>(random() % 9 + (roll == 2 ? 0 : random()));
      }
      fakes.serial.Arrive(garbage);
      ASSERT_LE(form.Session().Receiver.Held(), FrameReader::kMaxHeld);
    }
    fakes.window.calls.clear();
    fakes.window.texts[Control::Edit13].clear();
    fakes.window.texts[Control::Panel3].clear();
    fakes.window.texts[Control::Label1].clear();
    fakes.window.Field(Control::MaskEdit4).Clear();
    const Bytes& frame = clean[round % 4];
    fakes.serial.Arrive(frame);
    switch (round % 4) {
      case 0: ASSERT_EQ(Text(Control::Edit13), "1234 мв") << round; break;
      case 1: ASSERT_EQ(fakes.window.MaskText(Control::MaskEdit4), "321 ") << round; break;
      case 2: ASSERT_EQ(Text(Control::Panel3), "Версия ПО: 1.5    CRC32: 0x80000001") << round; break;
      case 3: ASSERT_EQ(Text(Control::Label1), "ID: 7") << round; break;
    }
  }
}

}  // namespace
}  // namespace np72::testing
