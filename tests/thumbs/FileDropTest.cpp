#include "thumbs/FileDrop.h"

#include <gtest/gtest.h>

#include "base/Text.h"

using namespace thumbs;

namespace {

uint32_t wordAt(const DropBytes& bytes, size_t at) {
  return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 | uint32_t(bytes[at + 3]) << 24;
}

// UTF-16LE text from at up to its NUL; at moves past the NUL. Fails when no NUL comes.
std::u16string textAt(const DropBytes& bytes, size_t& at) {
  std::u16string text;
  for (; at + 1 < bytes.size(); at += 2) {
    char16_t c = char16_t(bytes[at] | bytes[at + 1] << 8);
    if (c == 0) {
      at += 2;
      return text;
    }
    text += c;
  }
  ADD_FAILURE() << "no NUL after " << base::toUtf8(text);
  return text;
}

// The list of a file drop read as the shell reads it: from the header's offset, name after name
// up to the empty one.
std::vector<std::u16string> droppedFiles(const DropBytes& bytes) {
  std::vector<std::u16string> files;
  size_t at = wordAt(bytes, 0);
  for (std::u16string name = textAt(bytes, at); !name.empty(); name = textAt(bytes, at)) files.push_back(name);
  EXPECT_EQ(at, bytes.size()) << "bytes after the list's end";
  return files;
}

std::u16string longPath() {
  std::u16string path = u"C:\\图块库";
  while (path.size() < 700) path += u"\\很长的文件夹名称 folder";
  return path + u"\\双开门.dwg";
}

TEST(FileDrop, CarriesEachPathWholeAsAWideFileDropAndAsFileNameW) {
  const std::vector<std::vector<std::u16string>> cases = {
      {u"C:\\Blocks\\door.dwg"},
      {u"Z:\\tmp\\Documents\\Scrydir\\InkCasket\\01_建筑\\01_门\\单开门.dwg"},
      {longPath()},
      {u"C:\\a.dwg", u"D:\\图块\\𠀀.dwg"},  // a character outside the basic plane is two units
  };
  for (const auto& paths : cases) {
    SCOPED_TRACE(base::toUtf8(paths.front()));
    DropBytes drop = dropFilesBytes(paths);
    ASSERT_GE(drop.size(), 24u);
    EXPECT_EQ(wordAt(drop, 0), 20u);   // the list follows the header
    EXPECT_EQ(wordAt(drop, 4), 0u);    // drop point
    EXPECT_EQ(wordAt(drop, 8), 0u);
    EXPECT_EQ(wordAt(drop, 12), 0u);   // not in a non-client area
    EXPECT_EQ(wordAt(drop, 16), 1u);   // wide names
    EXPECT_EQ(droppedFiles(drop), paths);

    DropBytes name = fileNameBytes(paths.front());
    size_t at = 0;
    EXPECT_EQ(textAt(name, at), paths.front());
    EXPECT_EQ(at, name.size());
  }
}

TEST(FileDrop, OnlyADropTakenAsACopyCountsAsDropped) {
  constexpr int32_t kDrop = 0x00040100, kCancel = 0x00040101, kOutOfMemory = int32_t(0x8007000E);
  const struct {
    int32_t result;
    uint32_t effect;
    DragEnd end;
  } cases[] = {
      {kDrop, 1, DragEnd::Dropped},    {kDrop, 0, DragEnd::Cancelled},         // refused by the target
      {kCancel, 0, DragEnd::Cancelled}, {kCancel, 1, DragEnd::Cancelled},      // Esc
      {kOutOfMemory, 1, DragEnd::Cancelled}, {0, 1, DragEnd::Cancelled},       // no drag at all
  };
  for (const auto& c : cases) EXPECT_EQ(dragEndOf(c.result, c.effect), c.end) << c.result << " " << c.effect;
}

}  // namespace
