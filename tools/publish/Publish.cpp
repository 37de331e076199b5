#include "Publish.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <set>

#include "ContentHash.h"
#include "DwgFile.h"
#include "LibraryText.h"
#include "NameRules.h"
#include "PublishPlan.h"
#include "PublishState.h"
#include "ReadBack.h"
#include "SourceReader.h"
#include "base/Files.h"
#include "base/Path.h"
#include "base/Text.h"

namespace publish {

namespace fs = std::filesystem;

namespace {

bool inside(const fs::path& inner, const fs::path& outer) {
  std::error_code ec;
  fs::path a = fs::weakly_canonical(inner, ec), b = fs::weakly_canonical(outer, ec);
  auto [end, _] = std::mismatch(b.begin(), b.end(), a.begin(), a.end());
  return end == b.end();
}

// The writes of one run: block files go straight to their new names (nothing lists them yet),
// texts to scratch names until the read-back has passed.
class TreeWriter {
public:
  TreeWriter(const std::u16string& source, const std::u16string& serverFolder, Outcome& outcome)
      : source_(source), server_(serverFolder), outcome_(outcome) {}

  bool write(Library& library) {
    std::vector<const Folder*> way;
    folders(library.specialties, way);
    stage(base::joinPath(server_, u"InkCasket.xml"), indexText(library));
    return outcome_.errors.empty();
  }

  std::u16string locate(const std::u16string& path) const {
    auto at = staged_.find(path);
    return at == staged_.end() ? path : at->second;
  }

  // Each text replaces its file in one step. Unlike the gallery's own lists they are not flushed
  // one by one (hundreds of flushes would cost seconds): every run compares each output file with
  // what it should hold and writes again whatever a crash left short.
  void commit() {
    for (const auto& [target, scratch] : staged_) {
      std::error_code ec;
      fs::rename(fs::path(scratch), fs::path(target), ec);
      if (ec) outcome_.errors.push_back(base::toUtf8(target) + ": cannot be replaced (" + ec.message() + ")");
    }
  }

  void rollBack() {
    for (const auto& [target, scratch] : staged_) base::files::remove(scratch);
    for (const auto& block : newBlocks_) base::files::remove(block);
  }

  // Removes what the last run published and this one does not: block files, item lists and the
  // folders they leave empty.
  size_t removeStale(const PublishState& old, const std::set<std::u16string>& folderUrls) {
    size_t removed = 0;
    auto urlOf = [&](const std::u16string& path, std::u16string& url) {
      url.clear();
      for (size_t at = 0; at <= path.size();) {
        size_t slash = std::min(path.find(u'/', at), path.size());
        auto remote = old.folders.find(path.substr(0, slash));
        if (remote == old.folders.end()) return false;
        url += u"/" + remote->second;
        at = slash + 1;
      }
      return true;
    };
    auto drop = [&](const std::u16string& file) {
      if (!expected_.count(file) && base::files::exists(file) && base::files::remove(file)) ++removed;
    };
    std::u16string url;
    for (const auto& [path, block] : old.blocks)
      if (urlOf(path.substr(0, path.rfind(u'/')), url)) drop(servedPath(server_, url + u"/" + block.id + u".dwg"));
    std::vector<std::u16string> gone;
    for (const auto& [path, remote] : old.folders) {
      if (!urlOf(path, url)) continue;
      drop(servedPath(server_, itemListUrl(url)));
      if (!folderUrls.count(url)) gone.push_back(url);
    }
    std::sort(gone.begin(), gone.end(), [](const auto& a, const auto& b) { return a.size() > b.size(); });
    for (const auto& folder : gone) {
      std::error_code ec;
      fs::remove(fs::path(servedPath(server_, folder)), ec);   // only an empty folder goes
    }
    return removed;
  }

  size_t blocksWritten() const { return newBlocks_.size(); }
  size_t textsWritten() const { return staged_.size(); }

private:
  void folders(std::vector<Folder>& siblings, std::vector<const Folder*>& way) {
    for (Folder& f : siblings) {
      way.push_back(&f);
      std::u16string url = folderUrl(way);
      std::error_code ec;
      fs::create_directories(fs::path(servedPath(server_, url)), ec);
      if (ec) outcome_.errors.push_back(base::toUtf8(servedPath(server_, url)) + ": cannot be made (" + ec.message() + ")");
      if (f.isLeaf()) leaf(f, url);
      folders(f.folders, way);
      way.pop_back();
    }
  }

  void leaf(Folder& f, const std::u16string& url) {
    for (Block& b : f.blocks) {
      std::u16string target = servedPath(server_, url + u"/" + b.id + u".dwg");
      expected_.insert(target);
      // Ids are never given twice: the same id and size, the same bytes.
      if (!b.hash.empty() && base::files::size(target) == b.size) continue;
      std::string& bytes = buffer_;
      std::string where = shown(f.path + u"/" + b.file);
      if (!base::files::readWhole(sourceFile(source_, f, b), bytes) || bytes.size() != b.size ||
          (!b.hash.empty() && contentHash(bytes) != b.hash)) {
        outcome_.errors.push_back(where + ": changed or vanished while publishing; publish again");
        continue;
      }
      if (b.hash.empty()) describe(b, bytes, where);
      if (!base::files::writeWhole(target, bytes)) {
        outcome_.errors.push_back(base::toUtf8(target) + ": cannot be written");
        continue;
      }
      newBlocks_.push_back(target);
    }
    stage(servedPath(server_, itemListUrl(url)), itemListText(f));
  }

  // A new block's digest and preview, from the copy's bytes.
  void describe(Block& b, const std::string& bytes, const std::string& where) {
    b.hash = contentHash(bytes);
    std::string failure;
    b.preview = readPreview(bytes, failure);
    std::string warning = previewWarning(where, b.preview, failure);
    if (!warning.empty()) outcome_.warnings.push_back(warning);
  }

  // An unchanged text keeps its file (and its time).
  void stage(const std::u16string& target, const std::string& text) {
    expected_.insert(target);
    std::string old;
    if (base::files::readWhole(target, old) && old == text) return;
    std::u16string scratch = base::files::scratchFor(target);
    if (!base::files::writeWhole(scratch, text)) {
      outcome_.errors.push_back(base::toUtf8(target) + ": cannot be written");
      return;
    }
    staged_[target] = scratch;
  }

  std::u16string source_, server_;
  Outcome& outcome_;
  std::map<std::u16string, std::u16string> staged_;   // target -> scratch
  std::vector<std::u16string> newBlocks_;
  std::set<std::u16string> expected_;
  std::string buffer_;
};

size_t countBlocks(const Library& library, size_t& leaves) {
  size_t blocks = 0;
  leaves = 0;
  forEachFolder(library.specialties, [&](const Folder& f) {
    leaves += f.isLeaf();
    blocks += f.blocks.size();
  });
  return blocks;
}

// Reads and checks the source and the state; false (errors in the outcome) when nothing may be written.
bool prepare(const std::u16string& source, const std::u16string& out, Library& library, PublishState& state,
             Outcome& outcome) {
  Problems problems;
  std::string stateError;
  std::u16string stateFile = base::joinPath(out, kStateFile);
  if (!fs::is_directory(fs::path(source))) {
    problems.error(base::toUtf8(source) + ": not a folder");
  } else if (inside(fs::path(out), fs::path(source)) || inside(fs::path(source), fs::path(out))) {
    problems.error("the source and the output folder must not lie inside each other");
  } else if (!loadState(stateFile, state, stateError)) {
    problems.error(base::toUtf8(stateFile) + ": " + stateError);
  } else if (!base::files::exists(stateFile) && base::files::exists(base::joinPath(out, kServerFolder))) {
    problems.error(base::toUtf8(out) + " holds a published library but no " + base::toUtf8(kStateFile) +
                   ": publish into an empty folder, or put the state file back so block ids stay as they were");
  } else {
    library = readSource(source, problems);
    checkNames(library, problems);
    if (problems.errors.empty()) planPublish(library, source, state, problems);
  }
  outcome.errors = std::move(problems.errors);
  outcome.warnings = std::move(problems.warnings);
  return outcome.errors.empty();
}

}  // namespace

Outcome publishLibrary(const std::u16string& source, const std::u16string& out) {
  Outcome outcome;
  Library library;
  PublishState state;
  if (!prepare(source, out, library, state, outcome)) {
    outcome.exitCode = 1;
    outcome.report = "nothing was written\n";
    return outcome;
  }
  PublishState old;
  std::string ignored;
  loadState(base::joinPath(out, kStateFile), old, ignored);

  std::u16string server = base::joinPath(out, kServerFolder);
  TreeWriter writer(source, server, outcome);
  bool written = writer.write(library);
  if (written) {
    ServedLibrary served = readServed(server, [&](const std::u16string& path) { return writer.locate(path); });
    for (std::string& d : differences(library, served))
      outcome.errors.push_back("read back: " + d);
  }
  if (!outcome.errors.empty()) {
    writer.rollBack();
    outcome.exitCode = 1;
    outcome.report = "the library was not published; the output folder is as it was\n";
    return outcome;
  }
  writer.commit();
  std::set<std::u16string> urls;
  std::vector<const Folder*> way;
  std::function<void(const std::vector<Folder>&)> collect = [&](const std::vector<Folder>& siblings) {
    for (const Folder& f : siblings) {
      way.push_back(&f);
      urls.insert(folderUrl(way));
      collect(f.folders);
      way.pop_back();
    }
  };
  collect(library.specialties);
  size_t removed = writer.removeStale(old, urls);
  if (!saveState(base::joinPath(out, kStateFile), stateOf(library, state.nextId)))
    outcome.errors.push_back(base::toUtf8(base::joinPath(out, kStateFile)) + ": cannot be written");
  outcome.exitCode = outcome.errors.empty() ? 0 : 1;

  size_t leaves = 0, blocks = countBlocks(library, leaves);
  outcome.report = "published " + std::to_string(blocks) + " blocks in " + std::to_string(leaves) + " categories of " +
                   std::to_string(library.specialties.size()) + " specialties: " +
                   std::to_string(writer.blocksWritten()) + " block files and " + std::to_string(writer.textsWritten()) +
                   " lists written, " + std::to_string(removed) + " files removed\n";
  return outcome;
}

}  // namespace publish
