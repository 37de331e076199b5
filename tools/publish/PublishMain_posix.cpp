// blockery-publish natively: arguments arrive as UTF-8.
#include <malloc.h>

#include "Command.h"
#include "base/Text.h"

int main(int argc, char** argv) {
  // Every new block's bytes and decoded preview are allocated and freed again, tens of thousands
  // of times a run. By default glibc hands such memory back to the system each time and faults it
  // in anew, which cost a fifth of a first publish: keep up to 64 MB of it instead.
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, 64 << 20);
  std::vector<std::u16string> args;
  for (int k = 1; k < argc; ++k) args.push_back(base::fromUtf8(argv[k]));
  return publish::runCommand(args);
}
