#include "NameRules.h"

#include <map>

#include "SourceReader.h"
#include "WindowsCase.h"
#include "base/Text.h"
#include "library/SafeName.h"

namespace publish {

namespace {

// A text an item list carries from a tag's ">" to the next "<", on one line.
bool isItemText(std::u16string_view text) {
  for (char16_t c : text)
    if (c == u'<' || c < 0x20) return false;
  return true;
}

std::u16string localPath(const Folder& folder) {
  std::u16string path = folder.path;
  base::replaceAll(path, u"/", u"\\");
  return path;
}

class NameCheck {
public:
  explicit NameCheck(Problems& problems) : problems_(problems) {}

  void folders(const std::vector<Folder>& siblings) {
    std::map<std::u16string, const Folder*> seen;
    for (const Folder& f : siblings) {
      std::string why = refusal(f.name, true);
      if (!why.empty()) problems_.error(shown(f.path) + ": " + why);
      auto [at, fresh] = seen.emplace(windowsFolded(f.name), &f);
      if (!fresh) problems_.error(shown(f.path) + ": the same name as " + shown(at->second->path) + " on Windows");
      if (f.level == 1 && !isItemText(f.number))
        problems_.error(shown(f.path) + ": its number in specialties.csv holds \"<\" or a line break");
      if (f.isLeaf()) leaf(f);
      folders(f.folders);
    }
  }

private:
  void leaf(const Folder& f) {
    std::u16string folder = localPath(f);
    if (folder.size() + 13 > kLongestLocalPath) tooLong(shown(f.path));
    std::map<std::u16string, const Block*> seen;
    for (const Block& b : f.blocks) {
      std::string where = shown(f.path + u"/" + b.file);
      std::string why = refusal(b.name, false);
      if (!why.empty()) problems_.error(where + ": the block name \"" + base::toUtf8(b.name) + "\": " + why);
      if (base::contains(b.name, u".dwg") || base::contains(b.name, u".DWG"))
        problems_.error(where + ": the block name holds \".dwg\", which galleries cut out of every name");
      auto [at, fresh] = seen.emplace(windowsFolded(b.name), &b);
      if (!fresh)
        problems_.error(where + ": the same block name \"" + base::toUtf8(b.name) + "\" as " +
                        base::toUtf8(at->second->file) + " in this category");
      if (folder.size() + 1 + b.name.size() + 4 > kLongestLocalPath) tooLong(where);
      const std::pair<const char*, const std::u16string*> texts[] = {
          {"spec", &b.spec}, {"detail", &b.detail}, {"mfrs", &b.mfrs}, {"url", &b.url}};
      for (const auto& [field, text] : texts)
        if (!isItemText(*text))
          problems_.error(where + ": its " + field + " holds \"<\" or a line break, which an item list cannot carry");
    }
  }

  void tooLong(const std::string& where) {
    problems_.error(where + ": the path galleries keep it under is longer than " + std::to_string(kLongestLocalPath) +
                    " characters below their library folder, too long for Windows");
  }

  Problems& problems_;
};

}  // namespace

std::string refusal(std::u16string_view name, bool folder) {
  if (name.empty() || name == u"." || name == u"..") return "an empty name, \".\" or \"..\"";
  for (char16_t c : name) {
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return "holds a control character";
    if (std::u16string_view(u"\\/:*?\"<>|").find(c) != std::u16string_view::npos)
      return "holds \"" + base::toUtf8(std::u16string(1, c)) + "\", which Windows names cannot";
  }
  if (!library::isSafeLocalName(name)) return "a Windows device name (CON, PRN, AUX, NUL, COM1-9, LPT1-9)";
  if (folder && !library::isSafeFolderName(name)) return "ends in a dot or blank, which Windows drops from folder names";
  return {};
}

void checkNames(const Library& library, Problems& problems) { NameCheck(problems).folders(library.specialties); }

}  // namespace publish
