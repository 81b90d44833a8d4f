#include "responsiveness.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>

namespace np72::stress {

qint64 WorstZeroTimerWaitMs(int span_ms) {
  constexpr int kEveryMs = 5;
  QEventLoop loop;
  QElapsedTimer started;
  qint64 worst = 0;
  bool waiting = false;
  QTimer every;
  QObject::connect(&every, &QTimer::timeout, [&] {
    if (waiting) return;  // still queued: its wait keeps counting
    waiting = true;
    started.start();
    QTimer::singleShot(0, &loop, [&] {
      worst = std::max(worst, started.elapsed());
      waiting = false;
    });
  });
  every.start(kEveryMs);
  QTimer::singleShot(span_ms, &loop, &QEventLoop::quit);
  loop.exec();
  // One still queued when the span ended has waited at least this long.
  if (waiting) worst = std::max(worst, started.elapsed());
  return worst;
}

}  // namespace np72::stress
