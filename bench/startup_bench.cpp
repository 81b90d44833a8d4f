// Time from a process's start to its first window shown: watches the X
// display's root for the first top-level window mapped after a fork and exec,
// the median of several starts.
//
//   np72_startup_bench STARTS PROGRAM [ARGS...]
#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kPatienceMs = 10000;

// The next MapNotify of a top-level window that is no popup, or nothing in time.
std::optional<Clock::time_point> NextWindowShown(Display* display) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(kPatienceMs);
  while (Clock::now() < deadline) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && !event.xmap.override_redirect) return Clock::now();
    }
    pollfd watched{ConnectionNumber(display), POLLIN, 0};
    poll(&watched, 1, 100);
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s STARTS PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  const int starts = std::max(1, std::atoi(argv[1]));
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "no X display\n");
    return 1;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, True);

  std::vector<double> times_ms;
  for (int i = 0; i < starts; ++i) {
    const auto begun = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
      const int quiet = open("/dev/null", O_WRONLY);
      dup2(quiet, STDOUT_FILENO);
      dup2(quiet, STDERR_FILENO);
      execv(argv[2], argv + 2);
      _exit(127);
    }
    const auto shown = NextWindowShown(display);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    if (!shown) {
      std::fprintf(stderr, "start %d: no window shown\n", i + 1);
      return 1;
    }
    times_ms.push_back(std::chrono::duration<double, std::milli>(*shown - begun).count());
    XSync(display, True);  // the closed window's events are not the next start's
  }
  std::sort(times_ms.begin(), times_ms.end());
  std::printf("process start to window shown, %d starts: median %.0f ms (%.0f..%.0f)\n", starts,
              times_ms[times_ms.size() / 2], times_ms.front(), times_ms.back());
  XCloseDisplay(display);
  return 0;
}
