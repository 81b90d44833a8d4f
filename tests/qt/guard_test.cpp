// The "Kestrion" guard across real starts of the tool: of simultaneous
// starts exactly one runs, and a killed holder frees it.
#include <signal.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <vector>

namespace {

const QString kAlreadyRunning = QStringLiteral("NP72 Viewer: Программа \"Kestrion\" уже работает!");

// The inode of the guard's socket, from the kernel's list of Unix sockets.
QString GuardInode() {
  QFile sockets("/proc/net/unix");
  if (!sockets.open(QIODevice::ReadOnly)) return {};
  const QString name = QStringLiteral("@Kestrion.%1").arg(getuid());
  for (const QByteArray& line : sockets.readAll().split('\n')) {
    const QList<QByteArray> fields = line.simplified().split(' ');
    if (fields.size() >= 8 && QString::fromLatin1(fields[7]) == name) return QString::fromLatin1(fields[6]);
  }
  return {};
}

bool HoldsSocket(qint64 pid, const QString& inode) {
  const QByteArray target = QStringLiteral("socket:[%1]").arg(inode).toLatin1();
  const QString dir = QStringLiteral("/proc/%1/fd").arg(pid);
  for (const QString& fd : QDir(dir).entryList(QDir::NoDotAndDotDot | QDir::System | QDir::Files)) {
    char link[64] = {};
    const QByteArray path = (dir + '/' + fd).toLatin1();
    if (readlink(path.constData(), link, sizeof link - 1) > 0 && target == link) return true;
  }
  return false;
}

}  // namespace

class GuardTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY2(GuardInode().isEmpty(), "another instance of the tool runs for this user");
    QVERIFY(runtime_.isValid());
  }
  void cleanup() {
    for (auto& process : processes_) {
      process->kill();
      process->waitForFinished();
    }
    processes_.clear();
    QTRY_VERIFY(GuardInode().isEmpty());
  }

  void ofTwentySimultaneousStartsExactlyOneRuns() {
    for (int i = 0; i < 20; ++i) Start();
    // Every start but one shows the already-running box.
    QTRY_COMPARE_WITH_TIMEOUT(Refused(), 19, 60000);
    std::vector<QProcess*> holders;
    const QString inode = GuardInode();
    QVERIFY(!inode.isEmpty());
    for (auto& process : processes_) {
      if (HoldsSocket(process->processId(), inode)) holders.push_back(process.get());
    }
    QCOMPARE(holders.size(), std::size_t{1});
    QCOMPARE(holders.front()->state(), QProcess::Running);
    QVERIFY(!Output(*holders.front()).contains(kAlreadyRunning));
  }

  void aKilledHolderLetsTheNextStartRun() {
    QProcess& first = Start();
    QTRY_VERIFY_WITH_TIMEOUT(!GuardInode().isEmpty() && HoldsSocket(first.processId(), GuardInode()), 20000);
    ::kill(static_cast<pid_t>(first.processId()), SIGKILL);
    QVERIFY(first.waitForFinished());
    QCOMPARE(first.exitStatus(), QProcess::CrashExit);

    QProcess& next = Start();
    QTRY_VERIFY_WITH_TIMEOUT(!GuardInode().isEmpty() && HoldsSocket(next.processId(), GuardInode()), 20000);
    QVERIFY(!Output(next).contains(kAlreadyRunning));
    // And it is the one instance again: a further start is refused.
    QProcess& third = Start();
    QTRY_VERIFY_WITH_TIMEOUT(Output(third).contains(kAlreadyRunning), 20000);
  }

 private:
  QProcess& Start() {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_RUNTIME_DIR", runtime_.path());
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::SeparateChannels);
    process->start(QStringLiteral(NP72_BINARY), {});
    processes_.push_back(std::move(process));
    return *processes_.back();
  }

  QString Output(QProcess& process) {
    outputs_[&process] += QString::fromUtf8(process.readAllStandardError());
    return outputs_[&process];
  }

  int Refused() {
    int refused = 0;
    for (auto& process : processes_) refused += Output(*process).contains(kAlreadyRunning);
    return refused;
  }

  QTemporaryDir runtime_;
  std::vector<std::unique_ptr<QProcess>> processes_;
  std::map<QProcess*, QString> outputs_;
};

QTEST_GUILESS_MAIN(GuardTest)
#include "guard_test.moc"
