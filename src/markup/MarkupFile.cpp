// Reading a markup file in whatever encoding it comes into the document's wide text.
#include <algorithm>
#include <cstring>

#include "base/ReadStream.h"
#include "base/Text.h"
#include "markup/EncodingNames.h"
#include "markup/MarkupDocument.h"
#include "markup/MarkupEncoding.h"
#include "markup/MarkupReport.h"

namespace markup {

namespace {

constexpr size_t kDeclarationWindow = 1024;

struct ByteOrderMark {
  std::string_view bytes;
  const char16_t* encoding;
  uint32_t formatFlag;
};

// Tried in this order.
constexpr ByteOrderMark kMarks[] = {
    {"\xEF\xBB\xBF", u"UTF-8", kFormatUtf8Mark},
    {"\xFF\xFE", u"UTF-16LE", kFormatUtf16},
    {"\xFE\xFF", u"UTF-16BE", kFormatBigEndian},
};

template <typename Unit>
size_t removeNuls(std::basic_string<Unit>& units) {
  auto end = std::remove(units.begin(), units.end(), Unit(0));
  size_t removed = size_t(units.end() - end);
  units.erase(end, units.end());
  return removed;
}

}  // namespace

bool MarkupDocument::loadFile(const std::u16string& path) {
  // Format flags describe this file only: any left from an earlier load are dropped.
  uint32_t fileFlags = (flags_ | kReadingPieces) & ~kFormatFlags;
  text_.clear();
  index_.reset(1);
  parent_ = current_ = child_ = nodeType_ = 0;
  auto fileError = [&](const base::ReadStream& file) {
    addDiagnostic({u"file_error", file.errorMessage(), int64_t(file.errorNumber())});
  };

  base::ReadStream file(path);
  auto size = file.size();
  if (!size) return fileError(file), false;

  std::u16string encoding;
  size_t markLength = 0;
  if (*size != 0) {
    std::string head(std::min<uint64_t>(*size, kDeclarationWindow), '\0');
    size_t got = 0;
    if (!file.read(head.data(), head.size(), got)) return fileError(file), false;
    head.resize(got);
    for (const ByteOrderMark& mark : kMarks) {
      if (head.compare(0, mark.bytes.size(), mark.bytes) != 0) continue;
      encoding = mark.encoding;
      fileFlags |= mark.formatFlag;
      markLength = mark.bytes.size();
      break;
    }
    if (markLength == 0) {
      encoding = encoding::detectDeclaredEncoding(base::fromUtf8(head));
      if (encoding.empty() && !head.empty() && head[0] == '<') encoding = u"UTF-8";
    }
  }
  if (!file.seek(markLength)) return fileError(file), false;
  if (markLength != 0) addDiagnostic({u"bom"});

  const uint64_t rest = *size - markLength;
  if (rest == 0) {
    addDiagnostic({u"read", encoding, 0});
  } else if (fileFlags & (kFormatUtf16 | kFormatBigEndian)) {
    std::u16string units(rest / 2 + rest / 200, u'\0');
    size_t got = 0;
    if (!file.read(units.data(), rest / 2 * 2, got)) return fileError(file), false;
    units.resize(got / 2);
    addDiagnostic({u"read", encoding, int64_t(units.size())});
    if (size_t nuls = removeNuls(units)) addDiagnostic({u"nulls_removed", {}, int64_t(nuls)});
    if (fileFlags & kFormatBigEndian) {
      for (char16_t& u : units) u = char16_t((u >> 8) | (u << 8));
      addDiagnostic({u"endian_swap"});
    }
    text_ = std::move(units);
  } else {
    std::string bytes(rest, '\0');
    size_t got = 0;
    if (!file.read(bytes.data(), bytes.size(), got)) return fileError(file), false;
    bytes.resize(got);
    addDiagnostic({u"read", encoding, int64_t(bytes.size())});
    if (size_t nuls = removeNuls(bytes)) addDiagnostic({u"nulls_removed", {}, int64_t(nuls)});
    if (encoding.empty()) {
      if (encoding::isUtf8(bytes.data(), bytes.size())) {
        encoding = u"UTF-8";
        amendDiagnostic(u"read", u"encoding", encoding);
      }
      addDiagnostic({u"utf8_detection"});
    }
    int page = encoding::encodingCodePage(encoding);
    text_ = encoding::toWide(page < 0 ? encoding::kAnsi : page, bytes);
    std::string().swap(bytes);
    addDiagnostic({u"converted_to", u"UTF-16", int64_t(text_.size())});
  }
  if (!file.close()) fileError(file);
  flags_ = (flags_ & ~kFormatFlags) | (fileFlags & kFormatFlags);
  return true;
}

}  // namespace markup
