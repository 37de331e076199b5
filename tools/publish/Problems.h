// What a publish run or a check found: errors stop it before anything is written, warnings are
// counted at the end. Messages are UTF-8 and name the file or folder they are about.
#pragma once
#include <iterator>
#include <string>
#include <vector>

namespace publish {

template <typename T>
void appendMoved(std::vector<T>& to, std::vector<T>& from) {
  to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

struct Problems {
  std::vector<std::string> errors;
  std::vector<std::string> warnings;

  void error(std::string message) { errors.push_back(std::move(message)); }
  void warn(std::string message) { warnings.push_back(std::move(message)); }
  // Appends what a part of the run found, keeping the order of the parts.
  void add(Problems&& part) {
    appendMoved(errors, part.errors);
    appendMoved(warnings, part.warnings);
  }
};

}  // namespace publish
