// blockery-inspect: looks into library files, markup files and DWG previews the way the gallery does.
#include <cstdio>
#include <cstring>

#include "Command.h"

namespace inspect {

namespace {
std::vector<const Command*>& registry() {
  static std::vector<const Command*> all;
  return all;
}
}  // namespace

Command::Command(const char* n, const char* u, Run r) : name(n), usage(u), run(r) { registry().push_back(this); }

const std::vector<const Command*>& commands() { return registry(); }

}  // namespace inspect

int main(int argc, char** argv) {
  if (argc >= 2) {
    for (const auto* command : inspect::commands()) {
      if (std::strcmp(argv[1], command->name) == 0) return command->run(inspect::Args(argv + 2, argv + argc));
    }
  }
  std::fprintf(stderr, "usage:\n");
  for (const auto* command : inspect::commands()) std::fprintf(stderr, "  blockery-inspect %s %s\n", command->name, command->usage);
  return 2;
}
