// The preview picture that a CAD program stores inside a DWG file.
//
// File offset 13 holds the absolute offset of the preview area: a 16-byte start sentinel, a
// 4-byte overall size (unused), a 1-byte entry count and 9-byte entries (type code, absolute data
// offset, data size). The first type-2 entry (a DIB) is read; a file without one falls back to
// its first type-6 entry (a PNG), which is all that newer CAD versions write.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/Image.h"

namespace thumbs {

inline constexpr uint8_t kDibEntry = 2;
inline constexpr uint8_t kPngEntry = 6;
inline constexpr uint8_t kPreviewSentinel[16] = {0x1F, 0x25, 0x6D, 0x07, 0xD4, 0x36, 0x28, 0x28,
                                                 0x9D, 0x57, 0xCA, 0x3F, 0x9D, 0x44, 0x10, 0x2B};

// The outcome with its reasons, for tools that tell why a file shows no preview.
struct PreviewReading {
  std::optional<base::Image> image;
  int entryType = 0;     // the entry that was read, 0 when none was found
  std::string failure;   // why there is no image
};

PreviewReading readDwgPreview(const std::u16string& path);
// The same over a whole file held in memory.
PreviewReading readDwgPreviewBytes(std::string_view file);

// The preview at its own size, or none. Never throws.
std::optional<base::Image> LoadDwgPreview(const std::u16string& path);

}  // namespace thumbs
