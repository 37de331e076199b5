#include "update/Url.h"

#include <string>
#include <utility>

#include "base/Text.h"

namespace update {

namespace {

// Item ids and folder names may be Chinese or hold blanks; the request line carries them as
// %-escaped UTF-8, which every server decodes the same way. A lone surrogate becomes U+FFFD.
void appendEscaped(std::u16string& out, char32_t code) {
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  unsigned char bytes[4];
  int count;
  if (code < 0x80) {
    bytes[0] = static_cast<unsigned char>(code);
    count = 1;
  } else if (code < 0x800) {
    bytes[0] = static_cast<unsigned char>(0xC0 | (code >> 6));
    count = 2;
  } else if (code < 0x10000) {
    bytes[0] = static_cast<unsigned char>(0xE0 | (code >> 12));
    count = 3;
  } else {
    bytes[0] = static_cast<unsigned char>(0xF0 | (code >> 18));
    count = 4;
  }
  for (int k = 1; k < count; ++k)
    bytes[k] = static_cast<unsigned char>(0x80 | ((code >> (6 * (count - 1 - k))) & 0x3F));
  for (int k = 0; k < count; ++k) {
    out += u'%';
    out += kHex[bytes[k] >> 4];
    out += kHex[bytes[k] & 15];
  }
}

std::u16string escapedPath(std::u16string_view path) {
  std::u16string out;
  out.reserve(path.size());
  for (size_t i = 0; i < path.size(); ++i) {
    char16_t c = path[i];
    if (c > u' ' && c < 0x7F) {
      out += c;
      continue;
    }
    char32_t code = c;
    bool high = c >= 0xD800 && c < 0xDC00;
    if (high && i + 1 < path.size() && path[i + 1] >= 0xDC00 && path[i + 1] < 0xE000) {
      code = 0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(path[i + 1]) - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c < 0xE000) {
      code = 0xFFFD;
    }
    appendEscaped(out, code);
  }
  return out;
}

std::optional<uint16_t> portNumber(std::u16string_view digits) {
  if (digits.empty() || digits.size() > 5) return std::nullopt;
  uint32_t value = 0;
  for (char16_t c : digits) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + uint32_t(c - u'0');
  }
  if (value == 0 || value > 65535) return std::nullopt;
  return uint16_t(value);
}

// The scheme's length and whether it is https; nothing for a URL that is neither http nor https.
std::optional<std::pair<size_t, bool>> schemeOf(std::u16string_view url) {
  for (bool secure : {false, true}) {
    std::u16string_view scheme = secure ? u"https://" : u"http://";
    if (url.size() >= scheme.size() && base::equalsIgnoreAsciiCase(url.substr(0, scheme.size()), scheme))
      return std::pair{scheme.size(), secure};
  }
  return std::nullopt;
}

// "mailto:", "ftp:" and the like: letters, digits, "+", "-" or "." before a colon.
bool hasScheme(std::u16string_view location) {
  size_t colon = location.find(u':');
  if (colon == 0 || colon == std::u16string_view::npos) return false;
  for (char16_t c : location.substr(0, colon)) {
    bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    if (!letter && !(c >= u'0' && c <= u'9') && c != u'+' && c != u'-' && c != u'.') return false;
  }
  return true;
}

// A Location that names no host: "/path" replaces the path, anything else replaces its last part.
UrlParts samePlace(const UrlParts& from, std::u16string_view location) {
  UrlParts to = from;
  if (location.front() == u'/') {
    to.objectPath = escapedPath(location);
    return to;
  }
  std::u16string_view path = from.objectPath;
  path = path.substr(0, path.find(u'?'));
  to.objectPath = std::u16string(path.substr(0, path.rfind(u'/') + 1)) + escapedPath(location);
  return to;
}

}  // namespace

std::optional<UrlParts> splitUrl(std::u16string_view url) {
  auto scheme = schemeOf(url);
  if (!scheme) return std::nullopt;
  std::u16string_view rest = url.substr(scheme->first);
  size_t pathAt = rest.find_first_of(u"/?");
  std::u16string_view authority = rest.substr(0, pathAt);
  size_t at = authority.rfind(u'@');
  if (at != std::u16string_view::npos) authority = authority.substr(at + 1);

  UrlParts parts;
  parts.secure = scheme->second;
  parts.port = parts.secure ? 443 : 80;
  size_t colon = authority.rfind(u':');
  if (colon != std::u16string_view::npos) {
    auto port = portNumber(authority.substr(colon + 1));
    if (!port) return std::nullopt;
    parts.port = *port;
    authority = authority.substr(0, colon);
  }
  if (authority.empty()) return std::nullopt;
  parts.server = std::u16string(authority);

  std::u16string_view path = pathAt == std::u16string_view::npos ? u"/" : rest.substr(pathAt);
  if (path.front() != u'/') parts.objectPath = u"/";
  parts.objectPath += escapedPath(path);
  return parts;
}

std::u16string joinUrl(const UrlParts& parts) {
  std::u16string url = parts.secure ? u"https://" : u"http://";
  url += parts.server;
  if (parts.port != (parts.secure ? 443 : 80)) {
    url += u':';
    url += base::fromUtf8(std::to_string(parts.port));
  }
  url += parts.objectPath;
  return url;
}

std::optional<UrlParts> redirectTarget(const UrlParts& from, std::u16string_view location) {
  location = location.substr(0, location.find(u'#'));
  while (!location.empty() && location.front() == u' ') location.remove_prefix(1);
  while (!location.empty() && location.back() == u' ') location.remove_suffix(1);
  if (location.empty()) return std::nullopt;
  std::optional<UrlParts> to;
  if (hasScheme(location))
    to = splitUrl(location);
  else if (location.substr(0, 2) == u"//")
    to = splitUrl(std::u16string(from.secure ? u"https:" : u"http:") + std::u16string(location));
  else
    to = samePlace(from, location);
  if (to && from.secure && !to->secure) return std::nullopt;
  return to;
}

}  // namespace update
