#include "thumbs/DwgPreview.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>

#include "base/ReadOnlyFile.h"
#include "thumbs/Bytes.h"
#include "thumbs/DibPicture.h"
#include "thumbs/PngPicture.h"

namespace thumbs {

namespace {

// The first read takes this much of the file; small files and most directories lie inside it.
constexpr size_t kHeadBytes = 4096;
constexpr size_t kAreaHead = 21;
constexpr size_t kEntryBytes = 9;
constexpr size_t kLongestDirectory = kAreaHead + 255 * kEntryBytes;
// No preview of at most 4096 x 4096 at 32 bits needs more.
constexpr uint64_t kLongestPicture = 4096ull * 4096ull * 4ull + 64 * 1024;

using ReadAt = std::function<size_t(uint64_t offset, uint8_t* into, size_t count)>;

struct Entry {
  uint8_t type = 0;
  uint32_t offset = 0;
  uint32_t size = 0;
};

PreviewReading without(std::string why) {
  PreviewReading reading;
  reading.failure = std::move(why);
  return reading;
}

// Copies from the head when the range lies inside it; reads the file otherwise.
size_t readRange(const ReadAt& read, const std::vector<uint8_t>& head, uint64_t offset, uint8_t* into, size_t count) {
  if (offset + count <= head.size()) {
    std::memcpy(into, head.data() + offset, count);
    return count;
  }
  return read(offset, into, count);
}

std::optional<Entry> chooseEntry(const uint8_t* entries, size_t count) {
  std::optional<Entry> png;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* e = entries + i * kEntryBytes;
    Entry entry{e[0], le32(e + 1), le32(e + 5)};
    if (entry.type == kDibEntry) return entry;
    if (entry.type == kPngEntry && !png) png = entry;
  }
  return png;
}

PreviewReading decodeEntry(const Entry& entry, const std::vector<uint8_t>& data) {
  PreviewReading reading;
  reading.entryType = entry.type;
  reading.image = entry.type == kDibEntry ? decodeDib(data.data(), data.size(), reading.failure)
                                          : decodePng(data.data(), data.size(), reading.failure);
  return reading;
}

PreviewReading readPreview(uint64_t fileSize, const ReadAt& read) {
  std::vector<uint8_t> head(size_t(std::min<uint64_t>(fileSize, kHeadBytes)));
  head.resize(read(0, head.data(), head.size()));
  if (head.size() < 17) return without("file shorter than the preview offset");
  uint64_t areaAt = le32(head.data() + 13);
  uint8_t directory[kLongestDirectory];
  size_t got = readRange(read, head, areaAt, directory, std::min<uint64_t>(kLongestDirectory, fileSize - std::min(fileSize, areaAt)));
  if (got < kAreaHead) return without("preview area beyond the end of the file");
  if (std::memcmp(directory, kPreviewSentinel, sizeof kPreviewSentinel) != 0) return without("no preview start sentinel");
  size_t count = directory[20];
  if (count == 0) return without("preview directory is empty");
  if (kAreaHead + count * kEntryBytes > got) return without("preview directory beyond the end of the file");
  std::optional<Entry> entry = chooseEntry(directory + kAreaHead, count);
  if (!entry) return without("no type-2 or type-6 entry");
  if (entry->size == 0 || uint64_t(entry->offset) + entry->size > fileSize || entry->size > kLongestPicture) {
    PreviewReading reading = without("picture data beyond the end of the file");
    reading.entryType = entry->type;
    return reading;
  }
  std::vector<uint8_t> data(entry->size);
  if (readRange(read, head, entry->offset, data.data(), data.size()) != data.size()) {
    PreviewReading reading = without("picture data could not be read");
    reading.entryType = entry->type;
    return reading;
  }
  return decodeEntry(*entry, data);
}

}  // namespace

PreviewReading readDwgPreview(const std::u16string& path) {
  try {
    base::ReadOnlyFile file(path);
    if (!file.isOpen()) return without("file cannot be opened");
    return readPreview(file.size(), [&](uint64_t offset, uint8_t* into, size_t count) {
      return file.readAt(offset, into, count);
    });
  } catch (...) {
    return without("out of memory");
  }
}

PreviewReading readDwgPreviewBytes(std::string_view bytes) {
  try {
    return readPreview(bytes.size(), [&](uint64_t offset, uint8_t* into, size_t count) -> size_t {
      if (offset >= bytes.size()) return 0;
      size_t n = std::min<uint64_t>(count, bytes.size() - offset);
      std::memcpy(into, bytes.data() + offset, n);
      return n;
    });
  } catch (...) {
    return without("out of memory");
  }
}

std::optional<Image> LoadDwgPreview(const std::u16string& path) { return readDwgPreview(path).image; }

}  // namespace thumbs
