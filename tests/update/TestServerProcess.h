// The local test server (tests/server/blockery_test_server.py) serving a folder for one suite,
// started with python3 and ended by its own pid. Native builds only.
#pragma once
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern char** environ;

namespace update_tests {

inline std::string serverScript() {
  const char* source = std::getenv("BLOCKERY_SOURCE");
  std::string root = source ? source : std::string(__FILE__).substr(0, std::string(__FILE__).rfind("/tests/"));
  return root + "/tests/server/blockery_test_server.py";
}

class ServerProcess {
public:
  explicit ServerProcess(const std::string& folder) {
    int out[2];
    if (::pipe(out) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::string script = serverScript();
    const char* argv[] = {"python3", script.c_str(), "--root", folder.c_str(), "--lifetime", "600",
                          "--slow-seconds", "60", nullptr};
    if (posix_spawnp(&pid_, "python3", &actions, nullptr, const_cast<char**>(argv), environ) != 0) pid_ = 0;
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    FILE* lines = ::fdopen(out[0], "r");
    char line[32] = {};
    if (pid_ && lines && std::fgets(line, sizeof line, lines)) port_ = uint16_t(std::atoi(line));
    if (lines) std::fclose(lines);
  }
  ~ServerProcess() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    int status;
    ::waitpid(pid_, &status, 0);
  }
  uint16_t port() const { return port_; }

private:
  pid_t pid_ = 0;
  uint16_t port_ = 0;
};

}  // namespace update_tests
