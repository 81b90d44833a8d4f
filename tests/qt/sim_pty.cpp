#include "sim_pty.h"

#include <QRegularExpression>

bool SimPty::Start(const QString& program) {
  clock_.start();
  process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  // Read each line as it comes, so that its time is the frame's.
  QObject::connect(&process_, &QProcess::readyReadStandardOutput, [this] { Pump(); });
  process_.start(program, {});
  if (!process_.waitForStarted()) return false;
  while (slave_.isEmpty() && process_.waitForReadyRead(5000)) Pump();
  return !slave_.isEmpty();
}

SimPty::~SimPty() {
  if (process_.state() == QProcess::NotRunning) return;
  process_.write("quit\n");
  if (!process_.waitForFinished(2000)) process_.kill();
  process_.waitForFinished();
}

void SimPty::Pump() {
  pending_ += process_.readAllStandardOutput();
  static const QRegularExpression kRx(QStringLiteral("^rx\\s+(.*)$"));
  for (qsizetype end = pending_.indexOf('\n'); end >= 0; end = pending_.indexOf('\n')) {
    const QString line = QString::fromUtf8(pending_.left(end)).trimmed();
    pending_.remove(0, end + 1);
    if (slave_.isEmpty() && line.startsWith(QLatin1String("/dev/"))) {
      slave_ = line;
    } else if (const auto match = kRx.match(line); match.hasMatch()) {
      frames_.push_back({match.captured(1).toUpper().simplified(), clock_.elapsed()});
    }
  }
}

const std::vector<SimPty::Received>& SimPty::Frames() {
  Pump();
  return frames_;
}

int SimPty::Count(const QString& frame) {
  int count = 0;
  for (const Received& received : Frames()) count += received.frame == frame;
  return count;
}

void SimPty::Command(const QByteArray& line) {
  process_.write(line + '\n');
  process_.waitForBytesWritten();
}
