// np72-icon: writes the tool's icon as a PNG for the desktop's icon theme.
#include <cstdio>
#include <cstdlib>

#include "qt/app_icon.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s SIZE OUT.png\n", argv[0]);
    return 2;
  }
  const int size = std::atoi(argv[1]);
  return size > 0 && np72::qt::DrawAppIcon(size).save(argv[2], "PNG") ? 0 : 1;
}
