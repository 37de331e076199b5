// blockery-publish natively: arguments arrive as UTF-8.
#include "Command.h"
#include "base/Text.h"

int main(int argc, char** argv) {
  std::vector<std::u16string> args;
  for (int k = 1; k < argc; ++k) args.push_back(base::fromUtf8(argv[k]));
  return publish::runCommand(args);
}
