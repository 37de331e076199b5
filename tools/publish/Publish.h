// blockery-publish SOURCE OUT and blockery-publish --check OUT.
#pragma once
#include <string>
#include <vector>

namespace publish {

struct Outcome {
  int exitCode = 0;                   // 0 done, 1 refused or failed
  std::vector<std::string> errors;
  std::vector<std::string> warnings;
  std::string report;                 // what was done, or what galleries would show
};

// Checks the source, then writes OUT: nothing at all when a check fails, and the new index and
// item lists only once they read back as the library (blocks written for them are then removed).
Outcome publishLibrary(const std::u16string& source, const std::u16string& out);

// Reads a published tree as galleries would and reports per category what they show.
Outcome checkPublished(const std::u16string& out);

}  // namespace publish
