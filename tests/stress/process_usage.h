// What this process holds, read from /proc: threads, open descriptors and
// resident memory.
#pragma once

#include <cstddef>

namespace np72::stress {

struct Holdings {
  int threads = 0;
  int descriptors = 0;
};

Holdings Held();
std::size_t ResidentBytes();
// A test check: the same threads and descriptors as `before`.
void ExpectHeldAsBefore(const Holdings& before);

}  // namespace np72::stress
