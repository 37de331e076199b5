// A fresh folder for one test, removed with everything in it afterwards.
#pragma once
#include <atomic>
#include <filesystem>
#include <string>

#include "base/Path.h"

#ifdef _WIN32
#include <process.h>
inline int getpidForTests() { return _getpid(); }
#else
#include <unistd.h>
inline int getpidForTests() { return ::getpid(); }
#endif

namespace testing_support {

class TempFolder {
public:
  TempFolder() {
    static std::atomic<int> counter{0};
    auto base = std::filesystem::temp_directory_path();
    for (;;) {
      path_ = base / ("blockery-test-" + std::to_string(::getpidForTests()) + "-" + std::to_string(counter++));
      if (std::filesystem::create_directory(path_)) break;
    }
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::u16string path() const { return path_.u16string(); }
  std::u16string file(std::u16string_view name) const { return base::joinPath(path(), name); }

private:
  std::filesystem::path path_;
};

}  // namespace testing_support
