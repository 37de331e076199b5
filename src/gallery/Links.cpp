#include "gallery/Links.h"

#include "base/Text.h"

namespace gallery {

namespace {

bool startsWithIgnoringCase(const std::u16string& text, std::u16string_view prefix) {
  return text.size() >= prefix.size() &&
         base::equalsIgnoreAsciiCase(std::u16string_view(text).substr(0, prefix.size()), prefix);
}

}  // namespace

bool isWebLink(const std::u16string& link) {
  return startsWithIgnoringCase(link, u"http://") || startsWithIgnoringCase(link, u"https://");
}

std::u16string helpPageUrl(const std::u16string& libraryBaseUrl) {
  size_t scheme = libraryBaseUrl.find(u"://");
  size_t hostStart = scheme == std::u16string::npos ? 0 : scheme + 3;
  size_t hostEnd = libraryBaseUrl.find(u'/', hostStart);
  return libraryBaseUrl.substr(0, hostEnd) + u"/help.html";
}

}  // namespace gallery
