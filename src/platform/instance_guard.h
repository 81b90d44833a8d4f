// The named guard that keeps the tool to one instance.
#pragma once

namespace np72 {

class InstanceGuard {
 public:
  // Takes the guard named "Kestrion" within 10 ms and holds it until the
  // process ends. False when another instance holds it, or the guard cannot
  // be had at all.
  virtual bool Acquire() = 0;

 protected:
  ~InstanceGuard() = default;
};

}  // namespace np72
