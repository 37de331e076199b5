// What a publish run or a check found: errors stop it before anything is written, warnings are
// counted at the end. Messages are UTF-8 and name the file or folder they are about.
#pragma once
#include <string>
#include <vector>

namespace publish {

struct Problems {
  std::vector<std::string> errors;
  std::vector<std::string> warnings;

  void error(std::string message) { errors.push_back(std::move(message)); }
  void warn(std::string message) { warnings.push_back(std::move(message)); }
};

}  // namespace publish
