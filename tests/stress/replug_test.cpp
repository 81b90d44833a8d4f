// Pull-outs and replugs through the real Linux front-end against the pty
// simulator: a sensor that vanishes in the middle of a frame, and a hundred
// unplug/replug cycles in a row. A replug is a new simulator process on a new
// pty, as a re-enumerated USB device gets a new tty; the old one hangs up.
#include <QtTest>
#include <memory>

#include "process_usage.h"
#include "responsiveness.h"
#include "tool_rig.h"

using namespace np72;
using namespace np72::stress;

namespace {

constexpr int kCycles = 100;
// The cycles after which the process is taken to have settled: Qt and the
// allocator fill their caches during the first ones.
constexpr int kSettlingCycles = 10;
// Over 90 cycles, with the log emptied after each (it keeps every line, about
// a kilobyte each, by design): a port, a notifier or a process handle kept
// per cycle would grow past this.
constexpr std::size_t kResidentGrowthBound = 256 * 1024;
// Every tenth replug also waits for the polls' live values.
constexpr int kLiveValuesEvery = 10;

}  // namespace

class ReplugTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    rig_ = std::make_unique<ToolRig>();
    rig_->ShowWindow();
    PlugInNewSensor();
  }
  void cleanup() {
    const std::vector<std::string> dialogs = rig_->Dialogs();
    rig_.reset();
    QCOMPARE(dialogs, std::vector<std::string>{});
  }

  void aSensorThatVanishesInTheMiddleOfAFrame() {
    const Holdings before = Held();
    // The answer to the next poll arrives half, then the pty hangs up.
    rig_->sensor().Command("vanish");
    QTRY_VERIFY_WITH_TIMEOUT(rig_->WaitingLook(), kTimeoutMs);
    rig_->Unplug();
    QCOMPARE(rig_->Log().count("Откл."), 1);
    QCOMPARE_LT(WorstZeroTimerWaitMs(300), kResponsiveMs);
    // The half frame is not carried into the next connection.
    PlugInNewSensor();
    ExpectHeldAsBefore(before);
  }

  void aHundredUnplugsAndReplugs() {
    Holdings settled;
    std::size_t settledResident = 0;
    for (int cycle = 1; cycle <= kCycles; ++cycle) {
      // Either udev or the hang-up tells first; the link closes once either way.
      if (cycle % 2 == 0) {
        rig_->Unplug();
        QVERIFY(rig_->WaitingLook());
        rig_->StopSensor();
      } else {
        rig_->StopSensor();
        QTRY_VERIFY_WITH_TIMEOUT(rig_->WaitingLook(), kTimeoutMs);
        rig_->Unplug();
      }
      QCOMPARE(rig_->Log().count("Откл."), 1);
      rig_->ClearLog();
      QCOMPARE_LT(WorstZeroTimerWaitMs(20), kResponsiveMs);
      PlugInNewSensor(cycle % kLiveValuesEvery == 0);
      if (QTest::currentTestFailed()) return;
      if (cycle == kSettlingCycles) {
        settled = Held();
        settledResident = ResidentBytes();
      }
    }
    ExpectHeldAsBefore(settled);
    const std::size_t resident = ResidentBytes();
    qInfo("resident after %d cycles: %zu KiB, after %d: %zu KiB", kSettlingCycles, settledResident / 1024, kCycles,
          resident / 1024);
    QCOMPARE_LT(resident, settledResident + kResidentGrowthBound);
  }

 private:
  // A new pty arrives: the tool opens it, asks for the settings and shows
  // them, and shows the first poll's live values.
  void PlugInNewSensor(bool waitForLiveValues = true) {
    QVERIFY2(rig_->StartSensor(), "the simulator gave no pty");
    rig_->PlugIn();
    QVERIFY(rig_->ActiveLook());
    QTRY_VERIFY_WITH_TIMEOUT(!rig_->Text(Control::Edit12).isEmpty(), kTimeoutMs);
    if (waitForLiveValues) QTRY_VERIFY_WITH_TIMEOUT(!rig_->Text(Control::Edit13).isEmpty(), kTimeoutMs);
  }

  std::unique_ptr<ToolRig> rig_;
};

QTEST_MAIN(ReplugTest)
#include "replug_test.moc"
