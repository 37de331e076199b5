// blockery-publish --check OUT: a published tree, or one written by hand, read as galleries read it.
#include <map>

#include "DwgFile.h"
#include "LibraryText.h"
#include "Publish.h"
#include "ServedLibrary.h"
#include "WindowsCase.h"
#include "base/Files.h"
#include "base/Path.h"
#include "base/Text.h"
#include "library/DwgSignature.h"

namespace publish {

namespace {

std::string utf8(std::u16string_view text) { return base::toUtf8(text); }

class TreeCheck {
public:
  TreeCheck(const std::u16string& serverFolder, Outcome& outcome) : server_(serverFolder), outcome_(outcome) {}

  void category(const ServedCategory& c) {
    if (c.level == library::RowLevel::Specialty) {
      std::u16string number = specialty_ < numbers_.size() ? numbers_[specialty_] : u"";
      ++specialty_;
      outcome_.report += utf8(c.label) + " " + utf8(number) + "\n";
      return;
    }
    if (!c.leaf) {
      outcome_.report += "  " + utf8(c.label) + "\n";
      return;
    }
    std::string where = utf8(c.label) + " (" + utf8(itemListUrl(c.folderUrl)) + ")";
    if (!c.listFound) {
      outcome_.report += "  " + utf8(c.label) + ": no item list\n";
      return error(where + ": no item list; a gallery's update stops here");
    }
    outcome_.report += "  " + utf8(c.label) + ": " + std::to_string(c.blocks.size()) + " blocks\n";
    if (c.itemTags > c.blocks.size())
      error(where + ": galleries drop " + std::to_string(c.itemTags - c.blocks.size()) +
            " items (a name they refuse, or a tag missing)");
    std::map<std::u16string, std::u16string> names;
    for (size_t k = 0; k < c.blocks.size(); ++k) {
      const library::BlockRecord& b = c.blocks[k];
      auto [at, fresh] = names.emplace(windowsFolded(b.name), b.id);
      if (!fresh) error(where + ": items " + utf8(at->second) + " and " + utf8(b.id) + " share the name " + utf8(b.name));
      line(b);
      blockFile(c, b, k < c.sizes.size() ? c.sizes[k] : u"", where);
    }
  }

  void setNumbers(const std::vector<std::u16string>& numbers) { numbers_ = numbers; }

private:
  void line(const library::BlockRecord& b) {
    std::string text = "    " + utf8(library::displayName(b.name));
    for (const std::u16string* v : {&b.spec, &b.detail, &b.mfrs, &b.url})
      if (!library::isEmptyValue(*v)) text += " | " + utf8(*v);
    outcome_.report += text + "\n";
  }

  void blockFile(const ServedCategory& c, const library::BlockRecord& b, const std::u16string& size,
                 const std::string& where) {
    std::string file = utf8(c.folderUrl) + "/" + utf8(b.id) + ".dwg";
    std::string bytes;
    if (!base::files::readWhole(servedPath(server_, c.folderUrl + u"/" + b.id + u".dwg"), bytes))
      return error(file + ": missing; a gallery's update stops here");
    if (!size.empty() && size != base::decimal(int64_t(bytes.size())))
      error(file + ": " + std::to_string(bytes.size()) + " bytes, the item list says " + utf8(size));
    if (!library::startsWithDwgVersion(bytes)) return error(file + ": not a DWG file");
    std::string failure;
    std::string warning = previewWarning(file + " (" + utf8(b.name) + ")", readPreview(bytes, failure), failure);
    if (!warning.empty()) outcome_.warnings.push_back(warning);
  }

  void error(std::string message) { outcome_.errors.push_back(std::move(message)); }

  std::u16string server_;
  Outcome& outcome_;
  std::vector<std::u16string> numbers_;
  size_t specialty_ = 0;
};

}  // namespace

Outcome checkPublished(const std::u16string& out) {
  Outcome outcome;
  std::u16string server = base::joinPath(out, kServerFolder);
  ServedLibrary served = readServed(server, [](const std::u16string& path) { return path; });
  if (!served.indexFound) {
    outcome.errors.push_back(base::toUtf8(base::joinPath(server, u"InkCasket.xml")) + ": missing");
  } else {
    for (const auto& name : served.refusedNames)
      outcome.errors.push_back(base::toUtf8(name) + ": a folder name galleries refuse; they pass it over with all below it");
    TreeCheck check(server, outcome);
    check.setNumbers(served.specialtyNumbers);
    for (const ServedCategory& c : served.categories) check.category(c);
  }
  outcome.exitCode = outcome.errors.empty() ? 0 : 1;
  return outcome;
}

}  // namespace publish
