#include "registrar/BoundedText.h"

namespace registrar {

std::optional<std::string> boundedText(std::initializer_list<std::string_view> parts) {
  size_t length = 0;
  for (std::string_view part : parts) length += part.size();
  if (length + 1 > kKeyBufferSize) return std::nullopt;
  std::string text;
  text.reserve(length);
  for (std::string_view part : parts) text += part;
  return text;
}

}  // namespace registrar
