// Timer1: a periodic timer whose Enabled can be set again without restarting it.
#pragma once

#include "platform/tick_source.h"

namespace np72 {

class Timer {
 public:
  Timer(TickSource& ticks, int interval_ms) : ticks_(ticks), interval_ms_(interval_ms) {}

  bool Enabled() const { return enabled_; }
  int Interval() const { return interval_ms_; }
  // Setting the value it already has changes nothing: a running period goes on.
  void SetEnabled(bool enabled);

 private:
  TickSource& ticks_;
  int interval_ms_;
  bool enabled_ = false;
};

}  // namespace np72
