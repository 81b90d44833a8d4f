// The tool end to end with its real port code: the simulated sensor on a pty,
// udev's events injected through the notification interface.
#include <unistd.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>
#include <memory>

#include "control_text.h"
#include "fake_device_source.h"
#include "qt/front_end.h"
#include "qt/hotplug.h"
#include "qt/instance_guard.h"
#include "qt/serial_device.h"
#include "qt/widgets/chart.h"
#include "qt/widgets/masked_edit.h"
#include "qt/widgets/panel.h"
#include "sim_pty.h"

using namespace np72;
using namespace np72::qt;

namespace {

constexpr int kTimeoutMs = 5000;

class RecordingDialogs final : public Dialogs {
 public:
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  void ShowError(std::string_view text) override { errors.emplace_back(text); }
  std::vector<std::string> messages, errors;
};

QString ShortCommand(int code) {
  return QStringLiteral("5D %1 00 00 00 00 00 %2").arg(code, 2, 16, QChar('0')).arg(0x5D ^ code, 2, 16, QChar('0')).toUpper();
}

}  // namespace

class EndToEndTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    sim_ = std::make_unique<SimPty>();
    QVERIFY2(sim_->Start(QStringLiteral(NP72_SIM_PTY)), "the simulator gave no pty");
    source_ = std::make_unique<FakeDeviceSource>();
    hotplug_ = std::make_unique<Hotplug>(*source_);
    dialogs_ = std::make_unique<RecordingDialogs>();
    serial_ = std::make_unique<QtSerialDevice>(*dialogs_);
    // A guard is held until the process ends: each test's window takes its own.
    static int tests = 0;
    guard_ = std::make_unique<SocketInstanceGuard>(GuardName("np72-end-to-end") + "." + std::to_string(getpid()) + "." +
                                                   std::to_string(++tests));
    front_ = std::make_unique<FrontEnd>(Host{*serial_, *hotplug_, *hotplug_, *guard_, *dialogs_});
    hotplug_->SetReceiver([this](const DeviceChange& event) { front_->DeviceChanged(event); });
  }
  void cleanup() {
    if (front_) front_->window().close();
    const std::vector<std::string> errors = dialogs_->errors;
    const std::vector<std::string> messages = dialogs_->messages;
    front_.reset();
    hotplug_.reset();
    serial_.reset();
    sim_.reset();
    QCOMPARE(errors, std::vector<std::string>{});
    QCOMPARE(messages, std::vector<std::string>{});
  }

  void arrivalOpensShowsSettingsAndPollsTwiceASecond() {
    StartAndPlugIn();
    QCOMPARE(Text(Control::Label10), QStringLiteral("Устройство активно"));
    QVERIFY(Widget(Control::Panel2)->isVisible());
    QVERIFY(Widget(Control::GroupBox4)->isVisible());
    QCOMPARE(Log().mid(0, 4), (QStringList{"0---7", "7---32768", "Подкл.", "NP72:  " + sim_->SlavePath()}));
    QTRY_COMPARE_WITH_TIMEOUT(sim_->Count(ShortCommand(6)), 1, kTimeoutMs);
    // The sensor's settings fill the fields that the open emptied.
    QTRY_VERIFY_WITH_TIMEOUT(!Text(Control::Edit12).isEmpty(), kTimeoutMs);
    QVERIFY(!Text(Control::Edit11).isEmpty());
    for (const Control field : {Control::MaskEdit1, Control::MaskEdit2, Control::MaskEdit3, Control::MaskEdit4}) {
      QVERIFY(Text(field) != QStringLiteral("    "));
    }
    // Live values, a poll every 500 ms.
    QTRY_VERIFY_WITH_TIMEOUT(Text(Control::Edit13).endsWith(QStringLiteral(" мв")), kTimeoutMs);
    QVERIFY(Text(Control::Edit2).contains(QRegularExpression("^-?\\d+[.,]\\d\\d$")));
    QVERIFY(!Text(Control::FlagNastroiki).isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(Polls().size() >= 4, kTimeoutMs);
    const std::vector<qint64> polls = Polls();
    for (std::size_t i = 1; i < polls.size(); ++i) {
      const qint64 gap = polls[i] - polls[i - 1];
      QVERIFY2(gap > 350 && gap < 650, qPrintable(QString::number(gap)));
    }
    QCOMPARE(static_cast<Chart*>(Widget(Control::Chart1))->points().size(), std::size_t{200});
  }

  void everyButtonSendsItsFrameAndItsAnswerIsShown_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<int>("answer");  // the control that shows the answer
    QTest::addColumn<QString>("shown");  // how it begins
    using C = Control;
    QTest::newRow("Button9 reads the settings") << int(C::Button9) << ShortCommand(6) << int(C::Label12) << " 93 6 ";
    QTest::newRow("Button7 zero adjustment") << int(C::Button7) << ShortCommand(3) << int(C::Label12) << " 93 3 ";
    QTest::newRow("Button5 set zero") << int(C::Button5) << ShortCommand(4) << int(C::Label12) << " 93 4 ";
    QTest::newRow("Button4 calibration") << int(C::Button4) << ShortCommand(5) << int(C::Label12) << " 93 5 ";
    QTest::newRow("Button2 default settings")
        << int(C::Button2) << "5D 01 00 00 00 00 D0 07 00 00 64 00 D0 07 00 00 00 38" << int(C::Label12) << " 93 1 ";
    QTest::newRow("Button3 version") << int(C::Button3) << ShortCommand(7) << int(C::Panel3) << "Версия ПО: ";
    QTest::newRow("Button1 short zero adjustment") << int(C::Button1) << ShortCommand(8) << int(C::Label6) << " 93 8 ";
  }
  void everyButtonSendsItsFrameAndItsAnswerIsShown() {
    QFETCH(int, button);
    QFETCH(QString, frame);
    QFETCH(int, answer);
    QFETCH(QString, shown);
    StartAndPlugIn();
    QTRY_VERIFY_WITH_TIMEOUT(!Text(Control::Edit12).isEmpty(), kTimeoutMs);
    ClearShown(Control(answer));
    const int before = sim_->Count(frame);
    Click(Control(button));
    QTRY_COMPARE_WITH_TIMEOUT(sim_->Count(frame), before + 1, kTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(Text(Control(answer)).startsWith(shown), kTimeoutMs);
  }

  void writingTheFieldsSendsThemAndTheSensorKeepsThem() {
    StartAndPlugIn();
    QTRY_VERIFY_WITH_TIMEOUT(!Text(Control::Edit12).isEmpty(), kTimeoutMs);
    Type(Control::MaskEdit4, "1500");
    Type(Control::MaskEdit3, "10");
    Type(Control::MaskEdit2, "300");
    Type(Control::MaskEdit1, "1400");
    Click(Control::Button6);
    // 1500, 10, 300 and 1400, low byte first.
    const QString frame = "5D 01 00 00 00 00 DC 05 0A 00 2C 01 78 05 00 00 00 DF";
    QTRY_COMPARE_WITH_TIMEOUT(sim_->Count(frame), 1, kTimeoutMs);
    ClearShown(Control::MaskEdit4);
    Click(Control::Button9);
    QTRY_COMPARE_WITH_TIMEOUT(Text(Control::MaskEdit4), QStringLiteral("1500"), kTimeoutMs);
    QCOMPARE(Text(Control::MaskEdit3), QStringLiteral("10  "));
    QCOMPARE(Text(Control::MaskEdit2), QStringLiteral("300 "));
    QCOMPARE(Text(Control::MaskEdit1), QStringLiteral("1400"));
  }

  void diagnosticButtonsSwitchTheTimerAndClearTheLog() {
    StartAndPlugIn();
    Click(Control::Button8);
    QCOMPARE(Text(Control::Button8), QStringLiteral("Timer OFF"));
    Click(Control::Button8);
    QCOMPARE(Text(Control::Button8), QStringLiteral("Timer ON"));
    QVERIFY(!Log().isEmpty());
    Click(Control::Button11);
    QVERIFY(Log().isEmpty());
  }

  void removalRestoresTheWaitingLook() {
    StartAndPlugIn();
    QTRY_VERIFY_WITH_TIMEOUT(!Polls().empty(), kTimeoutMs);
    source_->Inject(SensorTty("remove", sim_->SlavePath()));
    QCOMPARE(Text(Control::Label10), QStringLiteral("Устройство не определено"));
    QVERIFY(!Widget(Control::Panel2)->isVisible());
    QVERIFY(!Widget(Control::GroupBox4)->isVisible());
    QVERIFY(Log().contains("Откл."));
    QVERIFY(static_cast<Chart*>(Widget(Control::Chart1))->points().empty());
    QVERIFY(Widget(Control::Label10)->isVisible());
  }

  void aPortThatCannotBeOpenedIsReportedAndTheNextArrivalOpens() {
    front_->Start();
    source_->Inject(SensorTty("add", "/dev/np72-no-such-port"));
    const QString failure = QStringLiteral("Ошибка открытия порта /dev/np72-no-such-port");
    QCOMPARE(Text(Control::Label10), failure);
    QVERIFY(Log().contains(failure));
    QVERIFY(!Widget(Control::Panel2)->isVisible());
    QCOMPARE(sim_->Frames().size(), std::size_t{0});

    source_->Inject(SensorTty("remove", "/dev/np72-no-such-port"));
    source_->Inject(SensorTty("add", sim_->SlavePath()));
    QCOMPARE(Text(Control::Label10), QStringLiteral("Устройство активно"));
    QTRY_COMPARE_WITH_TIMEOUT(sim_->Count(ShortCommand(6)), 1, kTimeoutMs);
  }

  void aVanishedPortClosesTheLinkOnce() {
    StartAndPlugIn();
    QTRY_VERIFY_WITH_TIMEOUT(!Polls().empty(), kTimeoutMs);
    sim_->Command("vanish");
    QTRY_COMPARE_WITH_TIMEOUT(Text(Control::Label10), QStringLiteral("Устройство не определено"), kTimeoutMs);
    // The errors that follow a lost tty reach the form no more.
    QTest::qWait(300);
    QCOMPARE(Log().count("Откл."), 1);
    QVERIFY(!Widget(Control::Panel2)->isVisible());
    QVERIFY(dialogs_->errors.empty());
  }

  void aSensorPresentAtStartIsOpenedOnce() {
    source_->SetPresent({SensorTty("add", sim_->SlavePath())});
    front_->Start();
    QCOMPARE(Text(Control::Label10), QStringLiteral("Устройство активно"));
    QCOMPARE(Log(), (QStringList{"Подкл.", "NP72:  " + sim_->SlavePath()}));
    // The monitor, started before the enumeration, reports the same tty again.
    source_->Inject(SensorTty("add", sim_->SlavePath()));
    QCOMPARE(Log().count("NP72:  " + sim_->SlavePath()), 1);
    QTRY_COMPARE_WITH_TIMEOUT(sim_->Count(ShortCommand(6)), 1, kTimeoutMs);
  }

  void aFlashDriveBesideAWorkingSensorChangesNothing() {
    StartAndPlugIn();
    QTRY_VERIFY_WITH_TIMEOUT(!Polls().empty(), kTimeoutMs);
    source_->Inject(FlashDrive("add"));
    source_->Inject(FlashDrive("remove"));
    QCOMPARE(Log().count("Подкл."), 2);
    QVERIFY(!Log().contains("Откл."));
    QCOMPARE(Text(Control::Label10), QStringLiteral("Устройство активно"));
    const std::size_t polls = Polls().size();
    QTRY_VERIFY_WITH_TIMEOUT(Polls().size() > polls, kTimeoutMs);
  }

  void screenshotOfTheActiveWindow() {
    StartAndPlugIn();
    Click(Control::Button3);
    QTRY_VERIFY_WITH_TIMEOUT(Polls().size() >= 6, kTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(!Text(Control::Panel3).isEmpty(), kTimeoutMs);
    const QString path = QCoreApplication::applicationDirPath() + "/qt-active-window.png";
    QVERIFY(front_->window().grab().save(path));
    qInfo("screenshot: %s", qPrintable(path));
  }

 private:
  void StartAndPlugIn() {
    front_->Start();
    QVERIFY(QTest::qWaitForWindowExposed(&front_->window()));
    source_->Inject(SensorTty("add", sim_->SlavePath()));
  }

  QWidget* Widget(Control control) { return front_->window().widget(control); }

  QString Text(Control control) { return TextOf(Widget(control)); }

  // Empties a control so that the answer's arrival shows.
  void ClearShown(Control control) {
    QWidget* widget = Widget(control);
    if (auto* label = qobject_cast<QLabel*>(widget)) label->clear();
    if (auto* panel = qobject_cast<Panel*>(widget)) panel->setText({});
    if (auto* masked = qobject_cast<MaskedEdit*>(widget)) masked->clear();
  }

  QStringList Log() {
    const QString text = static_cast<QPlainTextEdit*>(Widget(Control::LogMemo))->toPlainText();
    return text.isEmpty() ? QStringList{} : text.split('\n');
  }

  std::vector<qint64> Polls() {
    std::vector<qint64> times;
    for (const SimPty::Received& received : sim_->Frames()) {
      if (received.frame == ShortCommand(2)) times.push_back(received.atMs);
    }
    return times;
  }

  // Hidden buttons cannot be clicked by the operator; the binding still holds.
  void Click(Control button) {
    auto* widget = static_cast<QAbstractButton*>(Widget(button));
    if (widget->isVisible()) {
      QTest::mouseClick(widget, Qt::LeftButton);
    } else {
      widget->click();
    }
  }

  void Type(Control field, const QString& digits) {
    QWidget* widget = Widget(field);
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(widget, Qt::Key_Delete);
    QTest::keyClick(widget, Qt::Key_Home);
    QTest::keyClicks(widget, digits);
  }

  std::unique_ptr<SimPty> sim_;
  std::unique_ptr<FakeDeviceSource> source_;
  std::unique_ptr<Hotplug> hotplug_;
  std::unique_ptr<QtSerialDevice> serial_;
  std::unique_ptr<SocketInstanceGuard> guard_;
  std::unique_ptr<RecordingDialogs> dialogs_;
  std::unique_ptr<FrontEnd> front_;
};

QTEST_MAIN(EndToEndTest)
#include "end_to_end_test.moc"
