// The command line of blockery-publish, shared by the native and the Windows entry points.
#pragma once
#include <string>
#include <vector>

namespace publish {

// Runs the command, prints to the standard output and error (UTF-8), gives the exit code.
int runCommand(const std::vector<std::u16string>& args);

}  // namespace publish
