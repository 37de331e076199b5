#include "Publish.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "ContentHash.h"
#include "DwgFile.h"
#include "LibraryText.h"
#include "NameRules.h"
#include "Parallel.h"
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

// What writing a part of the tree did; the parts are joined in publishing order.
struct Writes {
  Problems problems;
  std::vector<std::u16string> expected;    // every file the published tree holds
  std::vector<std::u16string> newBlocks;
  std::vector<std::pair<std::u16string, std::u16string>> staged;   // target, scratch

  void add(Writes&& part) {
    problems.add(std::move(part.problems));
    appendMoved(expected, part.expected);
    appendMoved(newBlocks, part.newBlocks);
    appendMoved(staged, part.staged);
  }
};

struct Leaf {
  Folder* folder;
  std::u16string url;
};

// The writes of one run: block files go straight to their new names (nothing lists them yet),
// texts to scratch names until the read-back has passed. Leaves are written on every core.
class TreeWriter {
public:
  TreeWriter(const std::u16string& source, const std::u16string& serverFolder)
      : source_(source), server_(serverFolder) {}

  bool write(Library& library, Outcome& outcome) {
    std::vector<const Folder*> way;
    std::vector<Leaf> leaves;
    folders(library.specialties, way, leaves);
    std::vector<Writes> parts(leaves.size());
    std::vector<std::string> buffers(workerCount(leaves.size()));
    forEachInParallel(leaves.size(), [&](size_t k, size_t worker) { leaf(leaves[k], parts[k], buffers[worker]); });
    for (Writes& part : parts) done_.add(std::move(part));
    stage(base::joinPath(server_, u"InkCasket.xml"), indexText(library), done_);
    staged_.insert(done_.staged.begin(), done_.staged.end());
    expected_.insert(done_.expected.begin(), done_.expected.end());
    appendMoved(outcome.errors, done_.problems.errors);
    appendMoved(outcome.warnings, done_.problems.warnings);
    return outcome.errors.empty();
  }

  std::u16string locate(const std::u16string& path) const {
    auto at = staged_.find(path);
    return at == staged_.end() ? path : at->second;
  }

  // Each text replaces its file in one step. Unlike the gallery's own lists they are not flushed
  // one by one (hundreds of flushes would cost seconds): every run compares each output file with
  // what it should hold and writes again whatever a crash left short. False when a text could not
  // take its file's place: the old list is still served, and so are the blocks it names.
  bool commit(Outcome& outcome) {
    bool allInPlace = true;
    for (const auto& [target, scratch] : staged_) {
      std::error_code ec;
      fs::rename(fs::path(scratch), fs::path(target), ec);
      if (!ec) continue;
      outcome.errors.push_back(base::toUtf8(target) + ": cannot be replaced (" + ec.message() + ")");
      base::files::remove(scratch);
      allInPlace = false;
    }
    return allInPlace;
  }

  void rollBack() {
    for (const auto& [target, scratch] : staged_) base::files::remove(scratch);
    for (const auto& block : done_.newBlocks) base::files::remove(block);
  }

  // Removes what the last run published and this one does not: block files, item lists and the
  // folders they leave empty.
  size_t removeStale(const PublishState& old, const std::set<std::u16string>& folderUrls) {
    // A source folder's URL last time, from its parent's; empty when the state lacks a name on the way.
    std::unordered_map<std::u16string, std::u16string> urls;
    std::function<bool(const std::u16string&, std::u16string&)> urlOf = [&](const std::u16string& path,
                                                                           std::u16string& url) {
      auto known = urls.find(path);
      if (known == urls.end()) {
        auto remote = old.folders.find(path);
        size_t slash = path.rfind(u'/');
        std::u16string parent;
        bool named = remote != old.folders.end() && (slash == std::u16string::npos || urlOf(path.substr(0, slash), parent));
        known = urls.emplace(path, named ? parent + u"/" + remote->second : u"").first;
      }
      url = known->second;
      return !url.empty();
    };
    size_t removed = 0;
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

  size_t blocksWritten() const { return done_.newBlocks.size(); }
  size_t textsWritten() const { return staged_.size(); }

private:
  // Makes the folders, one after the other, and lists the leaves to fill.
  void folders(std::vector<Folder>& siblings, std::vector<const Folder*>& way, std::vector<Leaf>& leaves) {
    for (Folder& f : siblings) {
      way.push_back(&f);
      std::u16string url = folderUrl(way);
      std::error_code ec;
      fs::create_directories(fs::path(servedPath(server_, url)), ec);
      if (ec) done_.problems.error(base::toUtf8(servedPath(server_, url)) + ": cannot be made (" + ec.message() + ")");
      if (f.isLeaf()) leaves.push_back({&f, url});
      folders(f.folders, way, leaves);
      way.pop_back();
    }
  }

  void leaf(const Leaf& at, Writes& writes, std::string& bytes) const {
    Folder& f = *at.folder;
    std::u16string folder = servedPath(server_, at.url);
    std::unordered_map<std::u16string, uint64_t> sizes;   // of the block files there already
    for (const auto& entry : base::files::listFolder(folder).value_or(std::vector<base::files::FolderEntry>()))
      if (entry.kind == base::files::EntryKind::File) sizes.emplace(entry.name, entry.size);
    for (Block& b : f.blocks) {
      std::u16string name = b.id + u".dwg";
      writes.expected.push_back(base::joinPath(folder, name));
      // Ids are never given twice: the same id and size, the same bytes.
      if (auto there = sizes.find(name); !b.hash.empty() && there != sizes.end() && there->second == b.size) continue;
      std::string where = shown(f.path + u"/" + b.file);
      if (!base::files::readWhole(sourceFile(source_, f, b), bytes) || bytes.size() != b.size ||
          (!b.hash.empty() && contentHash(bytes) != b.hash)) {
        writes.problems.error(where + ": changed or vanished while publishing; publish again");
        continue;
      }
      if (b.hash.empty()) describe(b, bytes, where, writes.problems);
      if (!base::files::writeWhole(writes.expected.back(), bytes)) {
        writes.problems.error(base::toUtf8(writes.expected.back()) + ": cannot be written");
        continue;
      }
      writes.newBlocks.push_back(writes.expected.back());
    }
    stage(servedPath(server_, itemListUrl(at.url)), itemListText(f), writes);
  }

  // A new block's digest and preview, from the copy's bytes.
  static void describe(Block& b, const std::string& bytes, const std::string& where, Problems& problems) {
    b.hash = contentHash(bytes);
    std::string failure;
    b.preview = readPreview(bytes, failure);
    std::string warning = previewWarning(where, b.preview, failure);
    if (!warning.empty()) problems.warn(warning);
  }

  // An unchanged text keeps its file (and its time).
  static void stage(const std::u16string& target, const std::string& text, Writes& writes) {
    writes.expected.push_back(target);
    std::string old;
    if (base::files::readWhole(target, old) && old == text) return;
    std::u16string scratch = base::files::scratchFor(target);
    if (!base::files::writeWhole(scratch, text)) return writes.problems.error(base::toUtf8(target) + ": cannot be written");
    writes.staged.emplace_back(target, scratch);
  }

  std::u16string source_, server_;
  Writes done_;
  std::map<std::u16string, std::u16string> staged_;   // target -> scratch
  std::unordered_set<std::u16string> expected_;
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
  std::u16string server = base::joinPath(out, kServerFolder);
  TreeWriter writer(source, server);
  bool written = writer.write(library, outcome);
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
  bool listsInPlace = writer.commit(outcome);
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
  // Blocks no list names any more go only once every list is in place.
  size_t removed = listsInPlace ? writer.removeStale(state, urls) : 0;   // the plan only moved its nextId on
  if (!listsInPlace) outcome.errors.push_back("blocks no longer listed were kept, since a list that may name them stays as it was");
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
