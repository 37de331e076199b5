// Key names, paths and the open command are formed in 260-byte buffers (the narrow MAX_PATH).
// A text that would not fit with its terminating NUL is refused rather than cut.
#pragma once
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace registrar {

inline constexpr size_t kKeyBufferSize = 260;

// The parts joined, or nothing when the result and its NUL would pass kKeyBufferSize bytes.
std::optional<std::string> boundedText(std::initializer_list<std::string_view> parts);

}  // namespace registrar
