#include "library/TextFile.h"

#include <new>

#include "base/FailureLog.h"
#include "base/Files.h"
#include "base/SystemError.h"
#include "base/Text.h"
#include "base/Trace.h"

namespace library {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Text-mode reading: CR LF becomes LF, and the text ends at its first NUL.
void toTextMode(std::u16string& text) {
  size_t out = 0;
  const size_t n = text.size();
  for (size_t i = 0; i < n; ++i) {
    char16_t c = text[i];
    if (c == u'\0') break;
    if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') continue;
    text[out++] = c;
  }
  text.resize(out);
}

}  // namespace

std::u16string_view cutScannedText(std::u16string_view text) {
  size_t lastClose = text.rfind(u'>');
  text = lastClose == std::u16string_view::npos ? std::u16string_view() : text.substr(0, lastClose + 1);
  constexpr std::u16string_view kRootEnd = u"</root>";
  size_t rootEnd = text.find(kRootEnd);
  if (rootEnd != std::u16string_view::npos) text = text.substr(0, rootEnd + kRootEnd.size());
  return text;
}

std::u16string readWholeTextFile(const std::u16string& path) {
  try {
    std::string bytes;
    if (!base::files::readWhole(path, bytes)) return {};
    std::string_view body = bytes;
    if (body.substr(0, kByteOrderMark.size()) == kByteOrderMark) body.remove_prefix(kByteOrderMark.size());
    std::u16string text = base::fromUtf8(body);
    toTextMode(text);
    text.resize(cutScannedText(text).size());
    return text;
  } catch (const std::bad_alloc&) {
    base::trace(u"获取错误");
    return {};
  }
}

bool writeWholeTextFile(const std::u16string& path, std::u16string_view text) {
  std::string bytes(kByteOrderMark);
  bytes.reserve(text.size() + text.size() / 2 + 8);
  size_t from = 0;
  for (size_t lf; (lf = text.find(u'\n', from)) != std::u16string_view::npos; from = lf + 1) {
    bytes += base::toUtf8(text.substr(from, lf - from));
    bytes += "\r\n";
  }
  bytes += base::toUtf8(text.substr(from));
  const std::u16string scratch = base::files::scratchFor(path);
  const bool written = base::files::writeWhole(scratch, bytes);
  if (!written || !base::files::replaceAtomically(scratch, path)) {
    base::logFailure((written ? u"replace " : u"write ") + path, base::lastSystemError());
    base::files::remove(scratch);
    return false;
  }
  return true;
}

}  // namespace library
