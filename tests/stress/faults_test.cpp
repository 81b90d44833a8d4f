// The simulated sensor's faults, one after another, through the real Linux
// front-end: while each lasts and after it ends the window thread stays
// responsive, the link's look is right, the next clean frame shows, and no
// thread or descriptor is left behind.
#include <QtTest>
#include <memory>

#include "process_usage.h"
#include "responsiveness.h"
#include "tool_rig.h"

using namespace np72;
using namespace np72::stress;

namespace {

// Long enough for three polls at 500 ms.
constexpr int kFaultSpanMs = 1600;

}  // namespace

class FaultsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    rig_ = std::make_unique<ToolRig>();
    QVERIFY2(rig_->StartSensor(), "the simulator gave no pty");
    rig_->ShowWindow();
    rig_->PlugIn();
    QVERIFY(rig_->ActiveLook());
    QTRY_VERIFY_WITH_TIMEOUT(!rig_->Text(Control::Edit13).isEmpty(), kTimeoutMs);
    before_ = Held();
  }
  void cleanup() {
    const std::vector<std::string> dialogs = rig_->Dialogs();
    rig_.reset();
    QCOMPARE(dialogs, std::vector<std::string>{});
  }

  void aFaultLeavesTheLinkWorking_data() {
    QTest::addColumn<QByteArray>("fault");
    QTest::addColumn<bool>("valuesShowMeanwhile");
    QTest::newRow("garbage before every answer") << QByteArray("fault garbage") << true;
    QTest::newRow("answers split, often byte by byte") << QByteArray("fault split") << true;
    QTest::newRow("answers coalesced") << QByteArray("fault coalesce") << true;
    QTest::newRow("bad checksums") << QByteArray("fault badsum") << false;
    QTest::newRow("the sensor stops answering") << QByteArray("fault silent") << false;
  }
  void aFaultLeavesTheLinkWorking() {
    QFETCH(QByteArray, fault);
    QFETCH(bool, valuesShowMeanwhile);
    rig_->sensor().Command(fault);
    // An answer already under way may still come whole: let it pass.
    QTest::qWait(100);
    ClearValues();
    const int polls = rig_->Polls();
    QCOMPARE_LT(WorstZeroTimerWaitMs(kFaultSpanMs), kResponsiveMs);
    QVERIFY(rig_->ActiveLook());
    QCOMPARE_GE(rig_->Polls(), polls + 3);  // the tool polls on whatever the sensor does
    QCOMPARE(!rig_->Text(Control::Edit13).isEmpty(), valuesShowMeanwhile);
    QCOMPARE(!rig_->Text(Control::Edit2).isEmpty(), valuesShowMeanwhile);

    rig_->sensor().Command("fault none");
    ExpectCleanFrameAndNothingLeft();
  }

  void aStormOfGarbage() {
    // Half a megabyte of random bytes in bursts, each as fast as the pty takes it.
    for (int burst = 0; burst < 5; ++burst) {
      rig_->sensor().Command("garbage 100000");
      QCOMPARE_LT(WorstZeroTimerWaitMs(300), kResponsiveMs);
    }
    QVERIFY(rig_->ActiveLook());
    ExpectCleanFrameAndNothingLeft();
  }

 private:
  void ClearValues() {
    rig_->ClearShown(Control::Edit13);
    rig_->ClearShown(Control::Edit2);
  }

  void ExpectCleanFrameAndNothingLeft() {
    QTest::qWait(100);
    ClearValues();
    QTRY_VERIFY_WITH_TIMEOUT(!rig_->Text(Control::Edit13).isEmpty(), kTimeoutMs);
    QVERIFY(!rig_->Text(Control::Edit2).isEmpty());
    QVERIFY(rig_->ActiveLook());
    QCOMPARE_LT(WorstZeroTimerWaitMs(50), kResponsiveMs);
    ExpectHeldAsBefore(before_);
  }

  std::unique_ptr<ToolRig> rig_;
  Holdings before_;
};

QTEST_MAIN(FaultsTest)
#include "faults_test.moc"
