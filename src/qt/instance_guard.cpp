#include "qt/instance_guard.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>

namespace np72::qt {

std::string GuardName(const char* base) {
  // One instance per user's desktop session: a second login of the same user
  // is a session of its own.
  std::string name = std::string(base) + "." + std::to_string(getuid());
  if (const char* session = std::getenv("XDG_SESSION_ID"); session != nullptr && *session != '\0') {
    name += ".";
    name += session;
  }
  return name;
}

bool SocketInstanceGuard::Acquire() {
  if (socket_ >= 0) return true;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  // sun_path[0] stays zero: the name lives in the abstract namespace, never on disk.
  if (name_.size() + 1 > sizeof(address.sun_path)) return false;
  std::memcpy(address.sun_path + 1, name_.data(), name_.size());
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name_.size());
  if (bind(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
    close(fd);
    return false;
  }
  socket_ = fd;
  return true;
}

}  // namespace np72::qt
