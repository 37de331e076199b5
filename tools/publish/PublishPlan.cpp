#include "PublishPlan.h"

#include <map>
#include <set>
#include <unordered_set>

#include "ContentHash.h"
#include "DwgFile.h"
#include "Parallel.h"
#include "SourceReader.h"
#include "base/Files.h"
#include "base/Path.h"
#include "base/ReadOnlyFile.h"
#include "base/Text.h"
#include "library/DwgSignature.h"
#include "library/Records.h"

namespace publish {

namespace {

class Planner {
public:
  Planner(const std::u16string& sourceRoot, PublishState& state, Problems& problems)
      : root_(sourceRoot), state_(state), problems_(problems) {}

  void run(Library& library) {
    std::vector<Folder*> leaves;
    forEachFolder(library.specialties, [&](Folder& f) {
      if (!f.blocks.empty()) leaves.push_back(&f);
    });
    lastRun_.resize(leaves.size());
    forEachInParallel(leaves.size(), [&](size_t k, size_t) {
      for (const Block& b : leaves[k]->blocks) {
        auto old = state_.blocks.find(leaves[k]->path + u"/" + b.file);
        lastRun_[k].push_back(old == state_.blocks.end() ? nullptr : &old->second);
      }
    });
    std::unordered_set<const BlockState*> present;
    for (const auto& olds : lastRun_) present.insert(olds.begin(), olds.end());
    for (const auto& [path, block] : state_.blocks) {
      if (present.count(&block)) continue;
      vanished_.emplace(block.hash, block.id);
      vanishedSizes_.insert(block.size);
    }
    names(library.specialties);

    // Files are read on every core; ids are then given in publishing order, so a run's ids do
    // not depend on which file was read first.
    std::vector<Problems> found(leaves.size());
    std::vector<std::string> buffers(workerCount(leaves.size()));
    forEachInParallel(leaves.size(), [&](size_t k, size_t worker) {
      for (size_t n = 0; n < leaves[k]->blocks.size(); ++n)
        examine(*leaves[k], leaves[k]->blocks[n], lastRun_[k][n], found[k], buffers[worker]);
    });
    for (size_t k = 0; k < leaves.size(); ++k) {
      problems_.add(std::move(found[k]));
      for (size_t n = 0; n < leaves[k]->blocks.size(); ++n) giveId(leaves[k]->blocks[n], lastRun_[k][n]);
    }
  }

private:
  // Kept names first, so that a new folder never takes the name of one that stays.
  void names(std::vector<Folder>& siblings) {
    std::set<std::u16string> taken;
    for (Folder& f : siblings) {
      auto kept = state_.folders.find(f.path);
      if (kept != state_.folders.end() && taken.insert(base::asciiLowered(kept->second)).second) f.remote = kept->second;
    }
    for (size_t k = 0; k < siblings.size(); ++k) {
      Folder& f = siblings[k];
      if (f.remote.empty()) {
        std::u16string wanted = urlSafePart(library::displayName(f.name));
        if (wanted.size() < 2) wanted = (f.level == 1 ? u"s" : f.level == 2 ? u"c" : u"sc") + base::decimal(int64_t(k + 1));
        f.remote = wanted;
        for (int n = 2; !taken.insert(base::asciiLowered(f.remote)).second; ++n) f.remote = wanted + u"-" + base::decimal(n);
      }
      names(f.folders);
    }
  }

  // Learns what giveId needs to know of a block's content, reading as little as will do.
  void examine(const Folder& f, Block& b, const BlockState* old, Problems& problems, std::string& bytes) const {
    if (old && old->size == b.size && old->time == b.time) {
      b.hash = old->hash;
      b.preview = old->preview;
      warnAboutPreview(f, b, "", problems);
      return;
    }
    std::string where = shown(f.path + u"/" + b.file);
    if (!old && !vanishedSizes_.count(b.size)) return fresh(b, where, sourceFile(root_, f, b), problems);
    if (!base::files::readWhole(sourceFile(root_, f, b), bytes)) return problems.error(where + ": cannot be read");
    if (!library::startsWithDwgVersion(bytes)) return problems.error(where + ": not a DWG file (it does not start with a DWG version)");
    b.read = true;
    b.size = bytes.size();
    b.hash = contentHash(bytes);
    std::string failure;
    b.preview = readPreview(bytes, failure);
    warnAboutPreview(f, b, failure, problems);
  }

  // A file the state never saw, of a size no vanished block had, gets a new id whatever its bytes:
  // only its first bytes are read here. The writer takes its digest and preview as it copies it.
  static void fresh(Block& b, const std::string& where, const std::u16string& path, Problems& problems) {
    base::ReadOnlyFile file(path);
    char head[library::kDwgVersionLength];
    size_t got = file.isOpen() ? file.readAt(0, head, sizeof head) : 0;
    if (!file.isOpen()) return problems.error(where + ": cannot be read");
    if (!library::startsWithDwgVersion(std::string_view(head, got)))
      return problems.error(where + ": not a DWG file (it does not start with a DWG version)");
    b.read = true;
    b.size = file.size();
  }

  void giveId(Block& b, const BlockState* old) {
    if (!b.read) {   // unchanged, or unreadable (and then nothing is published)
      if (old) b.id = old->id;
      return;
    }
    if (!b.hash.empty() && old && old->hash == b.hash) {
      b.id = old->id;
      return;
    }
    auto moved = b.hash.empty() ? vanished_.end() : vanished_.find(b.hash);
    if (moved != vanished_.end()) {
      b.id = moved->second;
      vanished_.erase(moved);
      return;
    }
    b.id = base::decimal(int64_t(state_.nextId++));
  }

  static void warnAboutPreview(const Folder& f, const Block& b, const std::string& failure, Problems& problems) {
    std::string warning = previewWarning(shown(f.path + u"/" + b.file), b.preview, failure);
    if (!warning.empty()) problems.warn(warning);
  }

  std::u16string root_;
  PublishState& state_;
  Problems& problems_;
  std::vector<std::vector<const BlockState*>> lastRun_;   // per leaf and block: the state's entry, if any
  std::multimap<std::string, std::u16string> vanished_;   // digest -> id of blocks whose file is gone
  std::set<uint64_t> vanishedSizes_;
};

}  // namespace

std::u16string sourceFile(const std::u16string& sourceRoot, const Folder& folder, const Block& block) {
  std::u16string path = folder.path;
  base::replaceAll(path, u"/", std::u16string(1, base::kPathSeparator));
  return base::joinPath(base::joinPath(sourceRoot, path), block.file);
}

std::u16string urlSafePart(std::u16string_view name) {
  std::u16string out;
  for (char16_t c : name)
    if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'-' || c == u'_') out += c;
  return out;
}

void planPublish(Library& library, const std::u16string& sourceRoot, PublishState& state, Problems& problems) {
  Planner(sourceRoot, state, problems).run(library);
}

}  // namespace publish
