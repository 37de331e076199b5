#include "thumbs/DwgPreview.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>

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
struct Head {
  uint8_t bytes[kHeadBytes];
  size_t size = 0;
};

size_t readRange(const ReadAt& read, const Head& head, uint64_t offset, uint8_t* into, size_t count) {
  if (offset + count <= head.size) {
    std::memcpy(into, head.bytes + offset, count);
    return count;
  }
  return read(offset, into, count);
}

// Entries are taken in file order as far as the file holds them: the first DIB wins at once; a
// PNG counts only once the whole directory was seen without a DIB.
struct Choice {
  std::optional<Entry> entry;
  bool directoryCut = false;
};

Choice chooseEntry(const uint8_t* entries, size_t count, size_t available) {
  Choice choice;
  std::optional<Entry> png;
  for (size_t i = 0; i < count; ++i) {
    if (i >= available) {
      choice.directoryCut = true;
      return choice;
    }
    const uint8_t* e = entries + i * kEntryBytes;
    Entry entry{e[0], le32(e + 1), le32(e + 5)};
    if (entry.type == kDibEntry) {
      choice.entry = entry;
      return choice;
    }
    if (entry.type == kPngEntry && !png) png = entry;
  }
  choice.entry = png;
  return choice;
}

PreviewReading decodeEntry(const Entry& entry, const uint8_t* data) {
  PreviewReading reading;
  reading.entryType = entry.type;
  reading.image = entry.type == kDibEntry ? decodeDib(data, entry.size, reading.failure)
                                          : decodePng(data, entry.size, reading.failure);
  return reading;
}

PreviewReading readPreview(uint64_t fileSize, const ReadAt& read) {
  Head head;
  head.size = read(0, head.bytes, size_t(std::min<uint64_t>(fileSize, kHeadBytes)));
  if (head.size < 17) return without("file shorter than the preview offset");
  uint64_t areaAt = le32(head.bytes + 13);
  uint8_t directory[kLongestDirectory];
  size_t got = readRange(read, head, areaAt, directory, std::min<uint64_t>(kLongestDirectory, fileSize - std::min(fileSize, areaAt)));
  if (got < kAreaHead) return without("preview area beyond the end of the file");
  if (std::memcmp(directory, kPreviewSentinel, sizeof kPreviewSentinel) != 0) return without("no preview start sentinel");
  size_t count = directory[20];
  if (count == 0) return without("preview directory is empty");
  Choice choice = chooseEntry(directory + kAreaHead, count, (got - kAreaHead) / kEntryBytes);
  if (choice.directoryCut) return without("preview directory beyond the end of the file");
  if (!choice.entry) return without("no type-2 or type-6 entry");
  const std::optional<Entry>& entry = choice.entry;
  if (entry->size == 0 || uint64_t(entry->offset) + entry->size > fileSize || entry->size > kLongestPicture) {
    PreviewReading reading = without("picture data beyond the end of the file");
    reading.entryType = entry->type;
    return reading;
  }
  // Not zeroed first: every byte is read from the file.
  std::unique_ptr<uint8_t[]> data(new uint8_t[entry->size]);
  if (readRange(read, head, entry->offset, data.get(), entry->size) != entry->size) {
    PreviewReading reading = without("picture data could not be read");
    reading.entryType = entry->type;
    return reading;
  }
  return decodeEntry(*entry, data.get());
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

std::optional<base::Image> LoadDwgPreview(const std::u16string& path) { return readDwgPreview(path).image; }

}  // namespace thumbs
