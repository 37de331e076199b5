// blockery-inspect log DATA_ROOT: prints the gallery's failure log, Blockery.log in the data root.
#include <cstdio>

#include "Command.h"
#include "base/Files.h"
#include "base/Path.h"
#include "base/Text.h"
#include "library/Layout.h"

namespace {

int run(const inspect::Args& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: blockery-inspect log DATA_ROOT\n");
    return 2;
  }
  const std::u16string path = base::joinPath(base::fromUtf8(args[0]), library::kFailureLogFile);
  if (!base::files::exists(path)) {
    std::printf("no failure logged: %s does not exist\n", base::toUtf8(path).c_str());
    return 0;
  }
  std::string log;
  if (!base::files::readWhole(path, log)) {
    std::fprintf(stderr, "cannot read %s\n", base::toUtf8(path).c_str());
    return 1;
  }
  // The lines end in CR LF, as written on Windows.
  std::string out;
  out.reserve(log.size());
  for (char c : log)
    if (c != '\r') out += c;
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}

const inspect::Command command("log", "DATA_ROOT", run);

}  // namespace
