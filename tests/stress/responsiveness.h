// How long the window thread's event loop keeps a zero-timer waiting.
#pragma once

#include <QtGlobal>

namespace np72::stress {

// A hang, not a slow machine: a zero-timer waits far less than this even
// while the machine runs other tests beside this one.
inline constexpr qint64 kResponsiveMs = 250;

// Runs the event loop for `span_ms`, starting a zero-timer every few
// milliseconds, and returns the longest any of them waited to fire.
qint64 WorstZeroTimerWaitMs(int span_ms);

}  // namespace np72::stress
