// An absolute http URL split into what a request needs.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace update {

struct UrlParts {
  std::u16string server;
  uint16_t port = 80;
  std::u16string objectPath;  // begins with "/"; characters outside printable ASCII are %-escaped as UTF-8
};

// "http://" (any case), an optional "user[:password]@", the host, an optional ":port", the path.
// Nothing for another scheme, an empty host or a port that is not a number from 1 to 65535.
std::optional<UrlParts> splitUrl(std::u16string_view url);

}  // namespace update
