// What this process holds, read from /proc: threads, open descriptors and
// resident memory.
#pragma once

#include <cstddef>

namespace np72::stress {

struct Holdings {
  int threads = 0;
  int descriptors = 0;
  bool operator==(const Holdings&) const = default;
};

Holdings Held();
std::size_t ResidentBytes();

}  // namespace np72::stress
