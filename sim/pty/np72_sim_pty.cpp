// np72-sim-pty: the simulated NP72 on a pseudo-terminal, for end-to-end tests
// and for trying the real front-ends by hand.
//
//   np72-sim-pty [--link PATH]
//
// Prints the slave's path as its first line, then logs the traffic. Takes
// commands on standard input: fault none|badsum|split|coalesce|garbage|silent,
// ident N, garbage N, vanish, quit.
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include "pseudo_terminal.h"
#include "sensor_server.h"
#include "sim/sensor_model.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

void OnStopSignal(int) { g_stop = 1; }

// A stale link of an earlier run is replaced; any other file is left alone.
bool LinkTo(const std::string& target, const std::string& link) {
  struct stat existing {};
  if (lstat(link.c_str(), &existing) == 0 && S_ISLNK(existing.st_mode)) unlink(link.c_str());
  return symlink(target.c_str(), link.c_str()) == 0;
}

void InstallSignals() {
  struct sigaction stop_action {};
  stop_action.sa_handler = OnStopSignal;  // no SA_RESTART: poll must wake up
  sigaction(SIGTERM, &stop_action, nullptr);
  sigaction(SIGINT, &stop_action, nullptr);
  std::signal(SIGPIPE, SIG_IGN);
}

}  // namespace

int main(int argc, char** argv) {
  std::string link;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--link") == 0 && i + 1 < argc) {
      link = argv[++i];
    } else {
      std::fprintf(stderr, "usage: %s [--link PATH]\n", argv[0]);
      return 2;
    }
  }

  auto terminal = np72::sim::PseudoTerminal::Open();
  if (!terminal) {
    std::perror("np72-sim-pty: pseudo-terminal");
    return 1;
  }
  if (!link.empty()) {
    if (!LinkTo(terminal->SlavePath(), link)) {
      std::perror("np72-sim-pty: --link");
      return 1;
    }
  }
  InstallSignals();  // before the path is out: whoever reads it may signal at once
  std::printf("%s\n", terminal->SlavePath().c_str());
  std::fflush(stdout);

  np72::sim::SensorModel model;
  np72::sim::SensorServer server(*terminal, model, stdout);
  const int code = server.Run(g_stop);
  if (!link.empty()) unlink(link.c_str());
  return code;
}
