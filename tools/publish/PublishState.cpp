#include "PublishState.h"

#include <charconv>
#include <vector>

#include "base/Files.h"
#include "base/Text.h"

namespace publish {

namespace {

constexpr char kFirstLine[] = "blockery-publish state 1";
const char* const kPreviewWords[] = {"unknown", "shown", "missing", "unreadable"};

bool number(std::string_view text, uint64_t& value) {
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool previewOf(std::string_view word, Preview& preview) {
  for (int k = 0; k < 4; ++k)
    if (word == kPreviewWords[k]) {
      preview = Preview(k);
      return true;
    }
  return false;
}

bool readLine(std::string_view line, PublishState& state) {
  std::vector<std::string_view> p = base::tabFields(line);
  if (p[0] == "next") return p.size() == 2 && number(p[1], state.nextId);
  if (p[0] == "folder" && p.size() == 3) {
    state.folders.emplace_hint(state.folders.end(), base::fromUtf8(p[1]), base::fromUtf8(p[2]));
    return !p[2].empty();
  }
  if (p[0] != "block" || p.size() != 7) return false;
  BlockState block;
  block.hash = p[4];
  block.id = base::fromUtf8(p[5]);
  bool ok = number(p[2], block.size) && number(p[3], block.time) && previewOf(p[6], block.preview) && !block.id.empty();
  state.blocks.emplace_hint(state.blocks.end(), base::fromUtf8(p[1]), std::move(block));   // saved in order
  return ok;
}

}  // namespace

bool loadState(const std::u16string& path, PublishState& state, std::string& error) {
  state = PublishState();
  if (!base::files::exists(path)) return true;
  std::string bytes;
  if (!base::files::readWhole(path, bytes)) {
    error = "cannot be read";
    return false;
  }
  size_t lineNumber = 0;
  for (size_t at = 0; at < bytes.size();) {
    size_t end = bytes.find('\n', at);
    if (end == std::string::npos) end = bytes.size();
    std::string_view line(bytes.data() + at, end - at);
    at = end + 1;
    ++lineNumber;
    bool ok = lineNumber == 1 ? line == kFirstLine : (line.empty() || readLine(line, state));
    if (!ok) {
      error = "line " + std::to_string(lineNumber) + " is damaged";
      return false;
    }
  }
  if (lineNumber == 0) error = "is empty";
  return lineNumber > 0;
}

bool saveState(const std::u16string& path, const PublishState& state) {
  std::string text = std::string(kFirstLine) + "\nnext\t" + std::to_string(state.nextId) + "\n";
  text.reserve(state.blocks.size() * 160);
  auto field = [&](std::string_view value, char end) { text.append(value).push_back(end); };
  for (const auto& [source, remote] : state.folders) {
    field("folder", '\t');
    field(base::toUtf8(source), '\t');
    field(base::toUtf8(remote), '\n');
  }
  for (const auto& [source, b] : state.blocks) {
    field("block", '\t');
    field(base::toUtf8(source), '\t');
    field(std::to_string(b.size), '\t');
    field(std::to_string(b.time), '\t');
    field(b.hash, '\t');
    field(base::toUtf8(b.id), '\t');
    field(kPreviewWords[int(b.preview)], '\n');
  }
  std::string old;
  if (base::files::readWhole(path, old) && old == text) return true;   // its time stays, as with every output file
  std::u16string scratch = base::files::scratchFor(path);
  if (base::files::writeWhole(scratch, text) && base::files::replaceAtomically(scratch, path)) return true;
  base::files::remove(scratch);
  return false;
}

PublishState stateOf(const Library& library, uint64_t nextId) {
  PublishState state;
  state.nextId = nextId;
  forEachFolder(library.specialties, [&](const Folder& f) {
    state.folders[f.path] = f.remote;
    for (const Block& b : f.blocks) state.blocks[f.path + u"/" + b.file] = {b.size, b.time, b.hash, b.id, b.preview};
  });
  return state;
}

}  // namespace publish
