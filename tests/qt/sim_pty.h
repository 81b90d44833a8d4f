// The sensor simulator on a pseudo-terminal, run as its own process: the
// slave path it serves, every frame it received, and its commands.
#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <vector>

class SimPty {
 public:
  struct Received {
    QString frame;  // upper-case hex, bytes separated by single spaces
    qint64 atMs;    // when the line came, on the test's clock
  };

  // Starts the simulator; false when it gave no slave path.
  bool Start(const QString& program);
  ~SimPty();

  const QString& SlavePath() const { return slave_; }
  // Every frame the simulator logged as received so far.
  const std::vector<Received>& Frames();
  int Count(const QString& frame);
  void Command(const QByteArray& line);

 private:
  void Pump();

  QProcess process_;
  QElapsedTimer clock_;
  QByteArray pending_;
  QString slave_;
  std::vector<Received> frames_;
};
