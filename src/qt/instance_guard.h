// The "Kestrion" guard: an abstract-namespace Unix socket bound under a name
// of the user's own, held until the process ends.
#pragma once

#include <string>

#include "platform/instance_guard.h"

namespace np72::qt {

// "Kestrion.<uid>": one instance for each user.
std::string GuardName(const char* base);

class SocketInstanceGuard final : public InstanceGuard {
 public:
  explicit SocketInstanceGuard(std::string name) : name_(std::move(name)) {}
  SocketInstanceGuard(const SocketInstanceGuard&) = delete;
  SocketInstanceGuard& operator=(const SocketInstanceGuard&) = delete;

  // Binding never waits: the first bind of the name wins, at once. The
  // kernel drops the name with the process, however it ends, so the socket
  // is deliberately never closed.
  bool Acquire() override;

 private:
  std::string name_;
  int socket_ = -1;
};

}  // namespace np72::qt
