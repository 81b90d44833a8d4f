#include "link/timer.h"

namespace np72 {

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled) {
    ticks_.Start(interval_ms_);
  } else {
    ticks_.Stop();
  }
}

}  // namespace np72
