#include "PublishPlan.h"

#include <map>
#include <set>

#include "ContentHash.h"
#include "DwgFile.h"
#include "SourceReader.h"
#include "base/Files.h"
#include "base/Path.h"
#include "base/ReadOnlyFile.h"
#include "base/Text.h"
#include "library/Records.h"

namespace publish {

namespace {

class Planner {
public:
  Planner(const std::u16string& sourceRoot, PublishState& state, Problems& problems)
      : root_(sourceRoot), state_(state), problems_(problems) {}

  void run(Library& library) {
    forEachFolder(library.specialties, [&](const Folder& f) {
      for (const Block& b : f.blocks) present_.insert(f.path + u"/" + b.file);
    });
    for (const auto& [path, block] : state_.blocks) {
      if (present_.count(path)) continue;
      vanished_.emplace(block.hash, block.id);
      vanishedSizes_.insert(block.size);
    }
    names(library.specialties);
    forEachFolder(library.specialties, [&](Folder& f) {
      for (Block& b : f.blocks) block(f, b);
    });
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

  void block(const Folder& f, Block& b) {
    auto old = state_.blocks.find(f.path + u"/" + b.file);
    if (old != state_.blocks.end() && old->second.size == b.size && old->second.time == b.time) {
      b.id = old->second.id;
      b.hash = old->second.hash;
      b.preview = old->second.preview;
      warnAboutPreview(f, b, "");
      return;
    }
    std::string where = shown(f.path + u"/" + b.file);
    if (old == state_.blocks.end() && !vanishedSizes_.count(b.size)) return fresh(b, where, sourceFile(root_, f, b));
    std::string& bytes = buffer_;   // one buffer for every file: no allocation per block
    if (!base::files::readWhole(sourceFile(root_, f, b), bytes)) return problems_.error(where + ": cannot be read");
    if (!looksLikeDwg(bytes)) return problems_.error(where + ": not a DWG file (it does not start with a DWG version)");
    b.read = true;
    b.size = bytes.size();
    b.hash = contentHash(bytes);
    std::string failure;
    b.preview = readPreview(bytes, failure);
    warnAboutPreview(f, b, failure);
    if (old != state_.blocks.end() && old->second.hash == b.hash) {
      b.id = old->second.id;
      return;
    }
    auto moved = vanished_.find(b.hash);
    if (moved != vanished_.end()) {
      b.id = moved->second;
      vanished_.erase(moved);
      return;
    }
    b.id = base::decimal(int64_t(state_.nextId++));
  }

  // A file the state never saw, of a size no vanished block had, gets a new id whatever its bytes:
  // only its first bytes are read here. The writer takes its digest and preview as it copies it.
  void fresh(Block& b, const std::string& where, const std::u16string& path) {
    base::ReadOnlyFile file(path);
    char head[6];
    size_t got = file.isOpen() ? file.readAt(0, head, sizeof head) : 0;
    if (!file.isOpen()) return problems_.error(where + ": cannot be read");
    if (!looksLikeDwg(std::string_view(head, got)))
      return problems_.error(where + ": not a DWG file (it does not start with a DWG version)");
    b.read = true;
    b.size = file.size();
    b.id = base::decimal(int64_t(state_.nextId++));
  }

  void warnAboutPreview(const Folder& f, const Block& b, const std::string& failure) {
    std::string warning = previewWarning(shown(f.path + u"/" + b.file), b.preview, failure);
    if (!warning.empty()) problems_.warn(warning);
  }

  std::u16string root_;
  PublishState& state_;
  Problems& problems_;
  std::set<std::u16string> present_;
  std::string buffer_;
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
