#include "thumbs/FileDrop.h"

namespace thumbs {

namespace {

constexpr uint32_t kDropFilesSize = 20;
constexpr int32_t kDropResult = 0x00040100;  // DRAGDROP_S_DROP
constexpr uint32_t kCopyEffect = 1;          // DROPEFFECT_COPY

void appendWord(DropBytes& bytes, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(uint8_t(value >> shift));
}

void appendText(DropBytes& bytes, const std::u16string& text) {
  for (char16_t c : text) {
    bytes.push_back(uint8_t(c & 0xFF));
    bytes.push_back(uint8_t(c >> 8));
  }
  bytes.push_back(0);
  bytes.push_back(0);
}

}  // namespace

DropBytes dropFilesBytes(const std::vector<std::u16string>& paths) {
  DropBytes bytes;
  appendWord(bytes, kDropFilesSize);  // pFiles
  appendWord(bytes, 0);               // pt.x
  appendWord(bytes, 0);               // pt.y
  appendWord(bytes, 0);               // fNC
  appendWord(bytes, 1);               // fWide
  for (const std::u16string& path : paths) appendText(bytes, path);
  appendText(bytes, u"");
  return bytes;
}

DropBytes fileNameBytes(const std::u16string& path) {
  DropBytes bytes;
  appendText(bytes, path);
  return bytes;
}

DragEnd dragEndOf(int32_t result, uint32_t effect) {
  return result == kDropResult && (effect & kCopyEffect) ? DragEnd::Dropped : DragEnd::Cancelled;
}

}  // namespace thumbs
