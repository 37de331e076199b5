// Source trees for the publish tests: files written as UTF-8 paths below a scratch folder, DWG
// files with and without a preview, and what a published tree holds, read the way galleries read it.
#pragma once
#include <filesystem>
#include <map>
#include <string>

#include "Publish.h"
#include "ServedLibrary.h"
#include "base/Files.h"
#include "base/Path.h"
#include "base/Text.h"
#include "support/TempFolder.h"
#include "thumbs/PreviewFiles.h"

namespace publish_tests {

// A DWG with a small DIB preview; seed makes its bytes (and so its digest) differ.
inline std::string dwg(int seed = 0) {
  std::string file = thumbs_testing::dwgFile({{2, thumbs_testing::dib(thumbs_testing::patterned(12, 8), 24)}});
  return file + std::string(100 + seed, char('a' + seed % 26));
}
// A DWG with no preview picture, and one whose preview entry is not a picture.
inline std::string dwgWithoutPreview() { return "AC1018" + std::string(200, '\0'); }
inline std::string dwgWithBadPreview() {
  return thumbs_testing::dwgFile({{2, std::string(64, '\x7F')}});
}

class PublishFolders {
public:
  std::u16string source() const { return scratch_.file(u"source"); }
  std::u16string out() const { return scratch_.file(u"out"); }
  std::u16string sourceFile(const std::string& path) const { return base::joinPath(source(), base::fromUtf8(path)); }

  void put(const std::string& path, const std::string& bytes) const {
    std::filesystem::path at(sourceFile(path));
    std::filesystem::create_directories(at.parent_path());
    base::files::writeWhole(at.u16string(), bytes);
  }
  void folder(const std::string& path) const { std::filesystem::create_directories(std::filesystem::path(sourceFile(path))); }
  void remove(const std::string& path) const { std::filesystem::remove(std::filesystem::path(sourceFile(path))); }
  void rename(const std::string& from, const std::string& to) const {
    std::filesystem::rename(std::filesystem::path(sourceFile(from)), std::filesystem::path(sourceFile(to)));
  }

  publish::Outcome publish() const { return publish::publishLibrary(source(), out()); }
  publish::ServedLibrary served() const {
    return publish::readServed(base::joinPath(out(), u"InkCasket"), [](const std::u16string& p) { return p; });
  }
  // Block id by "local path/name" as galleries would keep it.
  std::map<std::string, std::string> ids() const {
    std::map<std::string, std::string> found;
    for (const auto& c : served().categories)
      for (const auto& b : c.blocks) found[base::toUtf8(c.localPath + u"/" + b.name)] = base::toUtf8(b.id);
    return found;
  }

private:
  testing_support::TempFolder scratch_;
};

// All messages joined, for failure output and substring checks.
inline std::string joined(const std::vector<std::string>& messages) {
  std::string all;
  for (const auto& m : messages) all += m + "\n";
  return all;
}

}  // namespace publish_tests
