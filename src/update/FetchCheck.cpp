#include "update/FetchCheck.h"

#include "base/Files.h"
#include "base/ReadOnlyFile.h"
#include "base/Text.h"
#include "library/DwgSignature.h"
#include "markup/MarkupDocument.h"

namespace update {

std::optional<Payload> payloadFor(const std::u16string& localPath) {
  if (base::endsWith(localPath, u".xml")) return Payload::Markup;
  if (base::endsWith(localPath, u".dwg")) return Payload::Block;
  return std::nullopt;
}

bool readsAsMarkup(const std::u16string& path) {
  markup::MarkupDocument document;
  if (!document.loadFile(path) || !document.parse() || !document.nextElement()) return false;
  return !base::equalsIgnoreAsciiCase(document.tagName(document.currentPosition()), u"html");
}

std::u16string downloadFault(const std::u16string& path, Payload payload, std::optional<uint64_t> expectedSize) {
  std::optional<uint64_t> size = base::files::size(path);
  if (!size || *size == 0) return u"nothing arrived";
  if (payload == Payload::Markup) return readsAsMarkup(path) ? u"" : u"not markup";
  if (expectedSize && *size != *expectedSize)
    return (base::Format(u"%d bytes instead of %d") % int64_t(*size) % int64_t(*expectedSize)).str();
  char head[library::kDwgVersionLength] = {};
  base::ReadOnlyFile file(path);
  size_t got = file.isOpen() ? file.readAt(0, head, sizeof head) : 0;
  return library::startsWithDwgVersion(std::string_view(head, got)) ? u"" : u"not a DWG file";
}

}  // namespace update
