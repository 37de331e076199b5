// blockery-inspect preview / tile: the preview the gallery reads from a DWG file, and the tile it shows.
#include <cstdio>
#include <string>

#include "Command.h"
#include "base/Files.h"
#include "base/Text.h"
#include "thumbs/DwgPreview.h"
#include "thumbs/Placeholder.h"
#include "thumbs/ThumbTile.h"

namespace inspect {

namespace {

// Binary PPM (P6), rows top to bottom.
bool writePpm(const std::string& path, const base::Image& image) {
  std::string bytes = "P6\n" + std::to_string(image.width) + " " + std::to_string(image.height) + "\n255\n";
  bytes.reserve(bytes.size() + image.pixels.size() * 3);
  for (uint32_t pixel : image.pixels) {
    bytes += char(base::redOf(pixel));
    bytes += char(base::greenOf(pixel));
    bytes += char(base::blueOf(pixel));
  }
  if (base::files::writeWhole(base::fromUtf8(path), bytes)) return true;
  std::fprintf(stderr, "cannot write %s\n", path.c_str());
  return false;
}

thumbs::PreviewReading readAndTell(const std::string& dwg) {
  thumbs::PreviewReading reading = thumbs::readDwgPreview(base::fromUtf8(dwg));
  if (reading.image) {
    std::printf("%d x %d, entry type %d\n", reading.image->width, reading.image->height, reading.entryType);
  } else {
    std::printf("no preview: %s\n", reading.failure.c_str());
  }
  return reading;
}

int preview(const Args& args) {
  if (args.size() != 2) return 2;
  thumbs::PreviewReading reading = readAndTell(args[0]);
  if (!reading.image) return 1;
  return writePpm(args[1], *reading.image) ? 0 : 1;
}

// Without a preview the tile shows the placeholder, as the thumbnail list does; the exit code is 1.
int tile(const Args& args) {
  if (args.size() != 2) return 2;
  thumbs::PreviewReading reading = readAndTell(args[0]);
  const base::Image& shown = reading.image ? *reading.image : thumbs::placeholderPicture();
  if (!writePpm(args[1], thumbs::MakeThumbTile(&shown))) return 1;
  return reading.image ? 0 : 1;
}

const Command previewCommand("preview", "FILE.dwg OUT.ppm   the preview stored in a DWG file", preview);
const Command tileCommand("tile", "FILE.dwg OUT.ppm      the 116 x 55 thumbnail tile of a DWG file", tile);

}  // namespace

}  // namespace inspect
