// Subcommands of blockery-inspect register themselves with a static Command object.
#pragma once
#include <string>
#include <vector>

namespace inspect {

using Args = std::vector<std::string>;
using Run = int (*)(const Args& args);

struct Command {
  Command(const char* name, const char* usage, Run run);
  const char* name;
  const char* usage;
  Run run;
};

const std::vector<const Command*>& commands();

}  // namespace inspect
