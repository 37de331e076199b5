// A small library on disk for the gallery model: an index, item lists, DWG files (empty files are
// enough: the model only asks whether they exist) and the selection.
#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "base/Files.h"
#include "base/Path.h"
#include "base/Text.h"
#include "library/Categories.h"
#include "library/Selection.h"
#include "support/TempFolder.h"

namespace gallery_test {

class TestLibrary {
public:
  TestLibrary() {
    std::filesystem::create_directories(std::filesystem::path(dataRoot()));
    std::filesystem::create_directories(std::filesystem::path(programFolder()));
  }

  std::u16string dataRoot() const { return folder_.file(u"data"); }
  std::u16string programFolder() const { return folder_.file(u"program"); }
  library::LibraryPlace place() const { return {dataRoot(), programFolder(), u"http://blocks.test:8480/InkCasket"}; }

  // A folder below the data root, given with "/" between its levels.
  std::u16string folder(std::u16string_view relative) const {
    std::u16string path = dataRoot();
    size_t start = 0;
    while (start <= relative.size()) {
      size_t end = relative.find(u'/', start);
      if (end == std::u16string_view::npos) end = relative.size();
      path = base::joinPath(path, relative.substr(start, end - start));
      start = end + 1;
    }
    return path;
  }

  void writeIndex(std::string_view specialties) {
    write(base::joinPath(dataRoot(), u"InkCasket.xml"),
          "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<root>\n" + std::string(specialties) + "</root>\n");
  }

  void writeSelection(const std::u16string& selection) { library::writeSelection(dataRoot(), selection); }
  std::u16string selection() const { return library::readSelection(dataRoot(), u"(none)"); }

  // A FileList.xml with one item per name (ids "<name>-id") and, for each name, its DWG file.
  void addBlocks(std::u16string_view relativeFolder, const std::vector<std::string>& names) {
    std::vector<std::pair<std::string, std::string>> items;
    for (const std::string& name : names) items.emplace_back(name + "-id", name);
    addItems(relativeFolder, items);
  }

  // The same with the ids given: (id, name) per item.
  void addItems(std::u16string_view relativeFolder, const std::vector<std::pair<std::string, std::string>>& items) {
    std::u16string where = folder(relativeFolder);
    std::filesystem::create_directories(std::filesystem::path(where));
    std::string list = "<root>\n";
    for (const auto& [id, name] : items) {
      list += "<Item id=\"" + id + "\"><Name>" + name + ".dwg</Name><Spec>S</Spec><Detail>D</Detail>"
              "<Mfrs>M</Mfrs><Url>no</Url></Item>\n";
      write(base::joinPath(where, base::fromUtf8(name) + u".dwg"), "");
    }
    write(base::joinPath(where, u"FileList.xml"), list + "</root>\n");
  }

  std::u16string dwg(std::u16string_view relativeFolder, std::u16string_view name) const {
    return base::joinPath(folder(relativeFolder), name) + u".dwg";
  }

  // A file of the user's own, outside the library.
  std::u16string userFile(std::u16string_view name) const {
    std::u16string path = folder_.file(name);
    write(path, "");
    return path;
  }

  std::string read(std::u16string_view fileInDataRoot) const {
    std::string bytes;
    base::files::readWhole(base::joinPath(dataRoot(), fileInDataRoot), bytes);
    return bytes;
  }
  bool has(std::u16string_view fileInDataRoot) const {
    return base::files::exists(base::joinPath(dataRoot(), fileInDataRoot));
  }

private:
  static void write(const std::u16string& path, const std::string& bytes) { base::files::writeWhole(path, bytes); }
  testing_support::TempFolder folder_;
};

}  // namespace gallery_test
