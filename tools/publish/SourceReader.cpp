#include "SourceReader.h"

#include <algorithm>
#include <unordered_map>

#include "Csv.h"
#include "Parallel.h"
#include "base/Files.h"
#include "base/Path.h"
#include "base/Text.h"

namespace publish {

namespace {

// What file managers and version control leave behind; never part of a library.
bool isIgnored(const std::u16string& name) {
  return name.starts_with(u".") || base::equalsIgnoreAsciiCase(name, u"Thumbs.db") ||
         base::equalsIgnoreAsciiCase(name, u"desktop.ini");
}

bool isDwgName(const std::u16string& name) {
  return name.size() > 4 && base::equalsIgnoreAsciiCase(std::u16string_view(name).substr(name.size() - 4), u".dwg");
}

std::u16string joined(const std::u16string& parent, const std::u16string& name) {
  return parent.empty() ? name : parent + u"/" + name;
}

using base::files::EntryKind;
using base::files::FolderEntry;

struct Listing {
  std::vector<FolderEntry> folders, files;
  Problems problems;
};

bool byName(const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; }

class SourceReader {
public:
  SourceReader(const std::u16string& root, Problems& problems) : root_(root), problems_(problems) {}

  Library run() {
    Library library;
    listTree();
    Listing top = take(root_);
    std::u16string specialtiesCsv;
    for (const auto& file : top.files) {
      if (base::equalsIgnoreAsciiCase(file.name, kSpecialtiesCsv))
        specialtiesCsv = base::joinPath(root_, file.name);
      else
        problems_.error(shown(file.name) + ": a file at the top of the source; blocks go in category folders");
    }
    for (const auto& entry : top.folders) library.specialties.push_back(folder(root_, entry, 1, u""));
    orderSpecialties(library, specialtiesCsv);
    return library;
  }

private:
  // Lists the top and three levels below it, each level's folders on every core: with thousands
  // of files, asking each one's size and time is most of a run that finds nothing changed.
  void listTree() {
    std::vector<std::pair<std::u16string, std::u16string>> level{{root_, u""}};   // where, path
    for (int depth = 0; depth <= 3 && !level.empty(); ++depth) {
      std::vector<Listing> listings(level.size());
      forEachInParallel(level.size(), [&](size_t k, size_t) { listings[k] = list(level[k].first, level[k].second); });
      std::vector<std::pair<std::u16string, std::u16string>> below;
      for (size_t k = 0; k < level.size(); ++k) {
        for (const FolderEntry& sub : listings[k].folders)
          below.emplace_back(base::joinPath(level[k].first, sub.name), joined(level[k].second, sub.name));
        listed_.emplace(level[k].first, std::move(listings[k]));
      }
      level = std::move(below);
    }
  }

  // The listing of the folder at, with what listing it found.
  Listing take(const std::u16string& at) {
    Listing listing = std::move(listed_[at]);
    problems_.add(std::move(listing.problems));
    return listing;
  }

  // The entries of the folder at, which is path below the source's top; sizes and times come with them.
  static Listing list(const std::u16string& at, const std::u16string& path) {
    Listing listing;
    auto entries = base::files::listFolder(at);
    if (!entries) {
      listing.problems.error((path.empty() ? std::string("the source folder") : shown(path)) + ": cannot be listed");
      return listing;
    }
    for (FolderEntry& entry : *entries) {
      if (isIgnored(entry.name)) continue;
      if (entry.kind == EntryKind::Folder)
        listing.folders.push_back(std::move(entry));
      else if (entry.kind == EntryKind::File)
        listing.files.push_back(std::move(entry));
      else
        listing.problems.error(shown(joined(path, entry.name)) + ": neither a file nor a folder");
    }
    std::sort(listing.folders.begin(), listing.folders.end(), byName);
    std::sort(listing.files.begin(), listing.files.end(), byName);
    return listing;
  }

  Folder folder(const std::u16string& parentAt, const FolderEntry& entry, int level, const std::u16string& parentPath) {
    Folder f;
    f.level = level;
    f.name = entry.name;
    f.path = joined(parentPath, f.name);
    std::u16string at = base::joinPath(parentAt, f.name);
    Listing listing = take(at);
    if (level == 3 && !listing.folders.empty())
      problems_.error(shown(f.path) + ": holds folders; a library has three levels at most");
    else
      for (const auto& sub : listing.folders) f.folders.push_back(folder(at, sub, level + 1, f.path));

    for (const auto& file : listing.files) {
      const std::u16string& name = file.name;
      std::string where = shown(joined(f.path, name));
      if (level == 1) {
        problems_.error(where + ": a file in a specialty folder; blocks go in its category folders");
      } else if (!f.folders.empty()) {
        problems_.error(where + ": a file beside sub-category folders; such a category shows no blocks of its own");
      } else if (base::equalsIgnoreAsciiCase(name, kBlocksCsv)) {
        continue;
      } else if (!isDwgName(name)) {
        problems_.error(where + ": not a DWG file; only .dwg files and blocks.csv belong in a category folder");
      } else {
        Block block;
        block.file = name;
        block.name = name.substr(0, name.size() - 4);
        block.size = file.size;
        block.time = file.lastWriteTime;
        f.blocks.push_back(std::move(block));
      }
    }
    if (f.isLeaf()) {
      for (const auto& file : listing.files)
        if (base::equalsIgnoreAsciiCase(file.name, kBlocksCsv)) applyDetails(f, base::joinPath(at, file.name), file.name);
    }
    return f;
  }

  // The rows of a CSV file below its expected header; false (with an error) when it is faulty.
  bool readCsv(const std::u16string& file, const std::u16string& path, const std::vector<std::u16string>& header,
               std::vector<CsvRow>& rows) {
    std::string bytes, error;
    if (!base::files::readWhole(file, bytes)) {
      problems_.error(shown(path) + ": cannot be read");
      return false;
    }
    if (!parseCsv(bytes, rows, error)) {
      problems_.error(shown(path) + ": " + error);
      return false;
    }
    bool headerOk = !rows.empty() && rows[0].fields.size() == header.size();
    for (size_t k = 0; headerOk && k < header.size(); ++k)
      headerOk = base::equalsIgnoreAsciiCase(rows[0].fields[k], header[k]);
    if (!headerOk) {
      std::string want;
      for (const auto& h : header) want += (want.empty() ? "" : ",") + base::toUtf8(h);
      problems_.error(shown(path) + ": the first line must be the header " + want);
      return false;
    }
    rows.erase(rows.begin());
    for (const CsvRow& row : rows) {
      if (row.fields.size() > header.size()) {
        problems_.error(shown(path) + " line " + std::to_string(row.line) + ": more than " +
                        std::to_string(header.size()) + " fields");
        return false;
      }
    }
    return true;
  }

  void applyDetails(Folder& f, const std::u16string& file, const std::u16string& name) {
    std::u16string path = joined(f.path, name);
    std::vector<CsvRow> rows;
    if (!readCsv(file, path, {u"file", u"name", u"spec", u"detail", u"mfrs", u"url"}, rows)) return;
    std::vector<bool> given(f.blocks.size(), false);
    std::vector<Block> ordered;   // the rows' order, then the files without a row by name
    for (CsvRow& row : rows) {
      row.fields.resize(6);
      std::string where = shown(path) + " line " + std::to_string(row.line);
      Block* block = find(f, row.fields[0]);
      if (!block) {
        problems_.error(where + ": no file " + base::toUtf8(row.fields[0]) + " in this folder");
        continue;
      }
      size_t k = size_t(block - f.blocks.data());
      if (given[k]) {
        problems_.error(where + ": a second row for " + base::toUtf8(block->file));
        continue;
      }
      given[k] = true;
      if (!row.fields[1].empty()) block->name = row.fields[1];
      block->spec = row.fields[2];
      block->detail = row.fields[3];
      block->mfrs = row.fields[4];
      block->url = row.fields[5];
      ordered.push_back(*block);
    }
    for (size_t k = 0; k < f.blocks.size(); ++k)
      if (!given[k]) ordered.push_back(std::move(f.blocks[k]));
    f.blocks = std::move(ordered);
  }

  // The block of a file named exactly, else ignoring ASCII case, with or without ".dwg".
  static Block* find(Folder& f, const std::u16string& file) {
    for (Block& b : f.blocks)
      if (b.file == file) return &b;
    for (Block& b : f.blocks)
      if (base::equalsIgnoreAsciiCase(b.file, file) || base::equalsIgnoreAsciiCase(b.file, file + u".dwg")) return &b;
    return nullptr;
  }

  // specialties.csv (header folder,num) lists specialties in display order with their numbers;
  // the others follow by name. A specialty without a number gets its position, two digits.
  void orderSpecialties(Library& library, const std::u16string& file) {
    std::vector<Folder> ordered;
    std::vector<Folder>& rest = library.specialties;
    std::vector<CsvRow> rows;
    if (!file.empty() && readCsv(file, kSpecialtiesCsv, {u"folder", u"num"}, rows)) {
      for (CsvRow& row : rows) {
        row.fields.resize(2);
        auto at = std::find_if(rest.begin(), rest.end(), [&](const Folder& f) { return f.name == row.fields[0]; });
        if (at == rest.end()) {
          problems_.error(shown(kSpecialtiesCsv) + " line " + std::to_string(row.line) + ": no specialty folder " +
                          base::toUtf8(row.fields[0]) + " (or it is listed twice)");
          continue;
        }
        at->number = row.fields[1];
        ordered.push_back(std::move(*at));
        rest.erase(at);
      }
    }
    for (Folder& f : rest) ordered.push_back(std::move(f));
    for (size_t k = 0; k < ordered.size(); ++k)
      if (ordered[k].number.empty()) ordered[k].number = (k < 9 ? u"0" : u"") + base::decimal(int64_t(k + 1));
    library.specialties = std::move(ordered);
  }

  std::u16string root_;
  Problems& problems_;
  std::unordered_map<std::u16string, Listing> listed_;   // by where the folder is
};

}  // namespace

std::string shown(const std::u16string& path) { return base::toUtf8(path); }

Library readSource(const std::u16string& root, Problems& problems) { return SourceReader(root, problems).run(); }

}  // namespace publish
