#include "SourceReader.h"

#include <algorithm>
#include <filesystem>

#include "Csv.h"
#include "base/Files.h"
#include "base/Text.h"

namespace publish {

namespace fs = std::filesystem;

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

struct Listing {
  std::vector<fs::directory_entry> folders, files;
};

bool byName(const fs::directory_entry& a, const fs::directory_entry& b) {
  return a.path().filename().u16string() < b.path().filename().u16string();
}

class SourceReader {
public:
  SourceReader(const std::u16string& root, Problems& problems) : root_(root), problems_(problems) {}

  Library run() {
    Library library;
    Listing top = list(root_, u"");
    fs::path specialtiesCsv;
    for (const auto& file : top.files) {
      std::u16string name = file.path().filename().u16string();
      if (base::equalsIgnoreAsciiCase(name, kSpecialtiesCsv))
        specialtiesCsv = file.path();
      else
        problems_.error(shown(name) + ": a file at the top of the source; blocks go in category folders");
    }
    for (const auto& entry : top.folders) library.specialties.push_back(folder(entry, 1, u""));
    orderSpecialties(library, specialtiesCsv);
    return library;
  }

private:
  Listing list(const fs::path& at, const std::u16string& path) {
    Listing listing;
    std::error_code ec;
    for (fs::directory_iterator it(at, ec), end; !ec && it != end; it.increment(ec)) {
      std::u16string name = it->path().filename().u16string();
      if (isIgnored(name)) continue;
      std::error_code kind;
      if (it->is_directory(kind))
        listing.folders.push_back(*it);
      else if (it->is_regular_file(kind))
        listing.files.push_back(*it);
      else
        problems_.error(shown(joined(path, name)) + ": neither a file nor a folder");
    }
    if (ec) problems_.error((path.empty() ? std::string("the source folder") : shown(path)) + ": cannot be listed (" + ec.message() + ")");
    std::sort(listing.folders.begin(), listing.folders.end(), byName);
    std::sort(listing.files.begin(), listing.files.end(), byName);
    return listing;
  }

  Folder folder(const fs::directory_entry& entry, int level, const std::u16string& parentPath) {
    Folder f;
    f.level = level;
    f.name = entry.path().filename().u16string();
    f.path = joined(parentPath, f.name);
    Listing listing = list(entry.path(), f.path);
    if (level == 3 && !listing.folders.empty())
      problems_.error(shown(f.path) + ": holds folders; a library has three levels at most");
    else
      for (const auto& sub : listing.folders) f.folders.push_back(folder(sub, level + 1, f.path));

    for (const auto& file : listing.files) {
      std::u16string name = file.path().filename().u16string();
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
        std::error_code ec;
        Block block;
        block.file = name;
        block.name = name.substr(0, name.size() - 4);
        block.size = file.file_size(ec);
        if (!ec) block.time = uint64_t(file.last_write_time(ec).time_since_epoch().count());
        if (ec) problems_.error(where + ": cannot be read (" + ec.message() + ")");
        f.blocks.push_back(std::move(block));
      }
    }
    if (f.isLeaf()) {
      for (const auto& file : listing.files)
        if (base::equalsIgnoreAsciiCase(file.path().filename().u16string(), kBlocksCsv)) applyDetails(f, file.path());
    }
    return f;
  }

  // The rows of a CSV file below its expected header; false (with an error) when it is faulty.
  bool readCsv(const fs::path& file, const std::u16string& path, const std::vector<std::u16string>& header,
               std::vector<CsvRow>& rows) {
    std::string bytes, error;
    if (!base::files::readWhole(file.u16string(), bytes)) {
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

  void applyDetails(Folder& f, const fs::path& file) {
    std::u16string path = joined(f.path, file.filename().u16string());
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
  void orderSpecialties(Library& library, const fs::path& file) {
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

  fs::path root_;
  Problems& problems_;
};

}  // namespace

std::string shown(const std::u16string& path) { return base::toUtf8(path); }

Library readSource(const std::u16string& root, Problems& problems) { return SourceReader(root, problems).run(); }

}  // namespace publish
