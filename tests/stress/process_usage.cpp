#include "process_usage.h"

#include <dirent.h>
#include <unistd.h>

#include <QtTest>
#include <fstream>

namespace np72::stress {

namespace {

// Entries of a /proc folder, without "." and "..". Reading /proc/self/fd
// holds one descriptor of its own, the same on every call.
int EntriesOf(const char* folder) {
  DIR* dir = opendir(folder);
  if (dir == nullptr) return -1;
  int count = 0;
  while (const dirent* entry = readdir(dir)) count += entry->d_name[0] != '.';
  closedir(dir);
  return count;
}

}  // namespace

Holdings Held() { return {EntriesOf("/proc/self/task"), EntriesOf("/proc/self/fd")}; }

std::size_t ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  std::size_t size = 0, resident = 0;
  statm >> size >> resident;
  return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

void ExpectHeldAsBefore(const Holdings& before) {
  const Holdings after = Held();
  QCOMPARE(after.threads, before.threads);
  QCOMPARE(after.descriptors, before.descriptors);
}

}  // namespace np72::stress
