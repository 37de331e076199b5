#include "Command.h"

#include <cstdio>

#include "Publish.h"

namespace publish {

namespace {

constexpr char kUsage[] =
    "usage: blockery-publish SOURCE OUT     publish the DWG files below SOURCE as an update server tree in OUT\n"
    "       blockery-publish --check OUT    read a published tree as galleries do and list what they show\n";

int print(const Outcome& outcome) {
  std::fputs(outcome.report.c_str(), stdout);
  for (const auto& warning : outcome.warnings) std::fprintf(stdout, "warning: %s\n", warning.c_str());
  for (const auto& error : outcome.errors) std::fprintf(stderr, "error: %s\n", error.c_str());
  std::fprintf(stdout, "%zu warnings, %zu errors\n", outcome.warnings.size(), outcome.errors.size());
  return outcome.exitCode;
}

}  // namespace

int runCommand(const std::vector<std::u16string>& args) {
  if (args.size() == 2 && args[0] == u"--check") return print(checkPublished(args[1]));
  if (args.size() == 2 && !args[0].starts_with(u"-")) return print(publishLibrary(args[0], args[1]));
  std::fputs(kUsage, stderr);
  return 2;
}

}  // namespace publish
