// An absolute http or https URL split into what a request needs, and where a redirect leads.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace update {

struct UrlParts {
  bool secure = false;  // https: TLS, the server's certificate checked
  std::u16string server;
  uint16_t port = 80;  // 443 for https unless the URL names a port
  std::u16string objectPath;  // begins with "/"; characters outside printable ASCII are %-escaped as UTF-8
};

// "http://" or "https://" (any case), an optional "user[:password]@", the host, an optional ":port",
// the path. Nothing for another scheme, an empty host or a port that is not a number from 1 to 65535.
std::optional<UrlParts> splitUrl(std::u16string_view url);

// The URL again, "http://server:port/path" or "https://…", as logs and redirects need it.
std::u16string joinUrl(const UrlParts& parts);

// Where a redirect's Location leads from the URL that was asked: an absolute URL, "//host/path",
// "/path" or a path relative to the asked one. Nothing when it does not split, or when it leads
// from https down to plain http, which would hand the library to anyone on the way.
std::optional<UrlParts> redirectTarget(const UrlParts& from, std::u16string_view location);

}  // namespace update
