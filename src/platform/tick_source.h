// The periodic tick behind Timer1.
#pragma once

namespace np72 {

class TickSource {
 public:
  // Starts a fresh period: the first tick comes interval_ms later, on the window thread.
  virtual void Start(int interval_ms) = 0;
  // No tick comes after Stop returns.
  virtual void Stop() = 0;

 protected:
  ~TickSource() = default;
};

}  // namespace np72
