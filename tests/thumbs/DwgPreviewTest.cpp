#include "thumbs/DwgPreview.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "PreviewFiles.h"
#include "support/TempFolder.h"

using namespace base;
using namespace thumbs;
using namespace thumbs_testing;

namespace {

bool samePixels(const Image& a, const Image& b) {
  return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

PreviewReading readBytes(const std::string& file) { return readDwgPreviewBytes(file); }

std::string oneDib(const Image& picture, uint16_t bits = 8) { return dwgFile({{kDibEntry, dib(picture, bits)}}); }

}  // namespace

TEST(DwgPreviewEntries, TakesTheDibAfterAHeaderEntry) {
  Image picture = patterned(6, 4);
  testing_support::TempFolder folder;
  writeFile(folder.file(u"Chair.dwg"), dwgFile({{1, "header data"}, {kDibEntry, dib(picture, 8)}}));
  PreviewReading reading = readDwgPreview(folder.file(u"Chair.dwg"));
  ASSERT_TRUE(reading.image);
  EXPECT_EQ(reading.entryType, 2);
  EXPECT_TRUE(samePixels(*reading.image, picture));
  EXPECT_TRUE(LoadDwgPreview(folder.file(u"Chair.dwg")));
}

TEST(DwgPreviewEntries, PrefersTheDibEvenWhenAPngComesFirst) {
  Image dibPicture = patterned(5, 3);
  PreviewReading reading = readBytes(dwgFile({{kPngEntry, png(Image(9, 9, kBlack))}, {kDibEntry, dib(dibPicture, 8)}}));
  ASSERT_TRUE(reading.image);
  EXPECT_EQ(reading.entryType, 2);
  EXPECT_TRUE(samePixels(*reading.image, dibPicture));
}

TEST(DwgPreviewEntries, DecodesTheFirstPngWhenNoDibExists) {
  Image picture = patterned(7, 5);
  PreviewReading reading = readBytes(dwgFile({{3, "metafile"}, {kPngEntry, png(picture)}, {kPngEntry, png(Image(2, 2, kWhite))}}));
  ASSERT_TRUE(reading.image);
  EXPECT_EQ(reading.entryType, 6);
  EXPECT_TRUE(samePixels(*reading.image, picture));
}

TEST(DwgPreviewEntries, MetafileOnlyOrNoEntriesMeanNoPreview) {
  EXPECT_FALSE(readBytes(dwgFile({{3, "metafile"}, {1, "header"}})).image);
  std::string file = oneDib(patterned(4, 4));
  file[kCountAt] = 0;
  EXPECT_FALSE(readBytes(file).image);
}

TEST(DwgPreviewEntries, ABrokenDibDoesNotFallBackToThePng) {
  PreviewReading reading = readBytes(dwgFile({{kDibEntry, dib(patterned(4, 4), 24)}, {kPngEntry, png(patterned(4, 4))}}));
  EXPECT_TRUE(reading.image);
  std::string fourBit = dib(patterned(4, 4), 24);
  fourBit[14] = 4;
  reading = readBytes(dwgFile({{kDibEntry, fourBit}, {kPngEntry, png(patterned(4, 4))}}));
  EXPECT_FALSE(reading.image);
  EXPECT_EQ(reading.entryType, 2);
}

TEST(DwgPreviewSentinel, EveryChangedByteMeansNoPreview) {
  std::string good = oneDib(patterned(3, 3));
  ASSERT_TRUE(readBytes(good).image);
  for (size_t i = 0; i < 16; ++i) {
    std::string bad = good;
    bad[kAreaAt + i] = char(bad[kAreaAt + i] ^ 0x01);
    EXPECT_FALSE(readBytes(bad).image) << "sentinel byte " << i;
  }
}

TEST(DwgPreviewDib, ReadsTwentyFourAndThirtyTwoBitsBothWays) {
  Image picture = patterned(5, 3);  // 15 bytes a row at 24 bits: the rows are padded
  for (uint16_t bits : {24, 32}) {
    for (bool topDown : {false, true}) {
      PreviewReading reading = readBytes(dwgFile({{kDibEntry, dib(picture, bits, topDown)}}));
      ASSERT_TRUE(reading.image) << bits << " bits, top-down " << topDown << ": " << reading.failure;
      EXPECT_TRUE(samePixels(*reading.image, picture)) << bits << " bits, top-down " << topDown;
    }
  }
}

TEST(DwgPreviewDib, EightBitTopDownAndAFullTableWhateverTheHeaderSays) {
  Image picture = patterned(6, 2);
  DibHeader header{6, -2};
  header.coloursUsed = 3;
  PreviewReading reading = readBytes(dwgFile({{kDibEntry, dib(picture, header)}}));
  ASSERT_TRUE(reading.image);
  EXPECT_TRUE(samePixels(*reading.image, picture));
}

TEST(DwgPreviewDib, TwentyFourBitsSkipAnOptionalColourList) {
  Image picture = patterned(3, 3);
  std::string data = dib(picture, 24);
  data[32] = 2;                              // two colours listed after the header
  data.insert(40, std::string(8, '\x55'));
  PreviewReading reading = readBytes(dwgFile({{kDibEntry, data}}));
  ASSERT_TRUE(reading.image);
  EXPECT_TRUE(samePixels(*reading.image, picture));
}

TEST(DwgPreviewDib, RefusesWhatItDoesNotRead) {
  Image picture = patterned(4, 4);
  auto refused = [&](DibHeader header) { return !readBytes(dwgFile({{kDibEntry, dib(picture, header)}})).image; };
  DibHeader plain{4, 4};
  EXPECT_FALSE(refused(plain));
  for (uint16_t bits : {1, 4, 16}) {
    DibHeader header = plain;
    header.bits = bits;
    EXPECT_TRUE(refused(header)) << bits << " bits";
  }
  DibHeader compressed = plain;
  compressed.compression = 1;
  EXPECT_TRUE(refused(compressed));
  DibHeader coreHeader = plain;
  coreHeader.headerSize = 12;
  EXPECT_TRUE(refused(coreHeader));
}

TEST(DwgPreviewDib, RefusesSizesOutsideTheLimits) {
  for (auto [w, h] : {std::pair{4097, 1}, {1, 4097}, {1, -4097}, {0, 5}, {5, 0}, {-3, 5}, {1, INT32_MIN}}) {
    DibHeader header{w, h};
    std::string data = dib(Image(1, 1, kWhite), header);
    EXPECT_FALSE(readBytes(dwgFile({{kDibEntry, data}})).image) << w << " x " << h;
  }
  DibHeader tall{8, 4000};  // within the limits, but the rows are not there
  EXPECT_FALSE(readBytes(dwgFile({{kDibEntry, dib(Image(8, 2, kWhite), tall)}})).image);
}

TEST(DwgPreviewPng, RefusesHugeAndDamagedPictures) {
  EXPECT_FALSE(readBytes(dwgFile({{kPngEntry, png(Image(4100, 1, kWhite))}})).image);
  std::string damaged = png(patterned(8, 8));
  damaged.resize(damaged.size() / 2);
  EXPECT_FALSE(readBytes(dwgFile({{kPngEntry, damaged}})).image);

  // A chunk that claims two gigabytes in a picture of a few hundred bytes is refused unread.
  std::string boasting = png(patterned(8, 8));
  size_t idat = boasting.find("IDAT");
  ASSERT_NE(idat, std::string::npos);
  boasting.replace(idat - 4, 4, std::string("\x7F\xFF\xFF\xF0", 4));
  PreviewReading reading = readBytes(dwgFile({{kPngEntry, boasting}}));
  EXPECT_FALSE(reading.image);
  EXPECT_EQ(reading.failure, "PNG chunk longer than the picture");
}

TEST(DwgPreviewTruncation, EveryShorterFileIsRefusedQuietly) {
  std::string whole = dwgFile({{1, "hdr"}, {kDibEntry, dib(patterned(5, 4), 24)}});
  whole.resize(whole.size() - 32);  // no drawing after the picture: the picture ends the file
  ASSERT_TRUE(readBytes(whole).image);
  for (size_t length = 0; length < whole.size(); ++length) {
    EXPECT_FALSE(readBytes(whole.substr(0, length)).image) << "cut at " << length;
  }
}

TEST(DwgPreviewTruncation, OffsetsBeyondTheFile) {
  std::string file = oneDib(patterned(3, 3));
  std::string farArea = file;
  farArea[13] = '\xFF';
  farArea[14] = '\xFF';
  EXPECT_FALSE(readBytes(farArea).image);
  std::string farData = file;
  farData[kAreaAt + 21 + 1 + 3] = '\x7F';  // top byte of the picture's offset
  EXPECT_FALSE(readBytes(farData).image);
}

TEST(DwgPreviewTruncation, ADirectoryLongerThanTheFileIsReadUpToItsDib) {
  std::string withDib = dwgFile({{1, "hdr"}, {kDibEntry, dib(patterned(3, 3), 8)}});
  withDib[kCountAt] = '\xFF';  // 255 entries cannot fit the file, but the DIB comes second
  EXPECT_TRUE(readBytes(withDib).image);
  std::string withPng = dwgFile({{kPngEntry, png(patterned(3, 3))}});
  ASSERT_TRUE(readBytes(withPng).image);
  withPng[kCountAt] = '\xFF';  // a DIB might have followed in the missing part
  EXPECT_FALSE(readBytes(withPng).image);
}

TEST(DwgPreviewFiles, MissingAndEmptyFilesHaveNoPreview) {
  testing_support::TempFolder folder;
  EXPECT_FALSE(LoadDwgPreview(folder.file(u"missing.dwg")));
  writeFile(folder.file(u"empty.dwg"), "");
  EXPECT_FALSE(LoadDwgPreview(folder.file(u"empty.dwg")));
  EXPECT_FALSE(LoadDwgPreview(folder.path()));
}

TEST(DwgPreviewFiles, ReadsAPreviewFarIntoALargeFile) {
  testing_support::TempFolder folder;
  Image picture = patterned(9, 7);
  std::string file = oneDib(picture, 32);
  file += std::string(200000, 'x');
  // Move the preview area behind the first read's reach.
  std::string moved = file.substr(0, kAreaAt) + std::string(10000, '\0') + file.substr(kAreaAt);
  uint32_t area = kAreaAt + 10000;
  std::memcpy(&moved[13], &area, 4);
  uint32_t dataAt;
  std::memcpy(&dataAt, &moved[area + 21 + 1], 4);
  dataAt += 10000;
  std::memcpy(&moved[area + 21 + 1], &dataAt, 4);
  writeFile(folder.file(u"far.dwg"), moved);
  std::optional<Image> preview = LoadDwgPreview(folder.file(u"far.dwg"));
  ASSERT_TRUE(preview);
  EXPECT_TRUE(samePixels(*preview, picture));
}
