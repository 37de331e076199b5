// A device-independent bitmap without its file header, as a DWG file stores its preview.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "base/Image.h"

namespace thumbs {

inline constexpr int kMaxPreviewSide = 4096;

// 8-bit pictures always carry a 256-entry colour table, whatever the header says, with the rows
// right behind it. 24- and 32-bit pictures are read without a table (past any colours-used
// entries). Only uncompressed pictures are read. Anything the data cannot hold is refused, with
// the reason in failure.
std::optional<base::Image> decodeDib(const uint8_t* data, size_t size, std::string& failure);

// A .bmp file: the 14-byte file header, then a DIB whose rows start where the header says.
std::optional<base::Image> decodeBmpFile(const uint8_t* data, size_t size, std::string& failure);

}  // namespace thumbs
