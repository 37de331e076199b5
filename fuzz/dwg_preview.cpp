// Arbitrary bytes as a downloaded DWG file: the preview area, its DIB or PNG picture, and the tile
// made from the picture. Input that begins with the PNG signature is also decoded as a PNG alone.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "thumbs/DwgPreview.h"
#include "thumbs/PngPicture.h"
#include "thumbs/ThumbTile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  thumbs::PreviewReading reading = thumbs::readDwgPreviewBytes(bytes);
  if (reading.image) thumbs::MakeThumbTile(&*reading.image);
  if (bytes.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8)) {
    std::string failure;
    if (auto png = thumbs::decodePng(data, size, failure)) thumbs::MakeThumbTile(&*png);
  }
  return 0;
}
