#include <gtest/gtest.h>

#include "base/Files.h"
#include "base/Profile.h"
#include "support/TempFolder.h"

using namespace base;
using testing_support::TempFolder;

TEST(Profile, MissingFileSectionOrKeyGivesTheDefault) {
  TempFolder dir;
  const auto ini = dir.file(u"HomeInkCasket.ini");
  EXPECT_EQ(profile::readString(ini, u"GallerySel", u"Sel", u"11001011000", 100), u"11001011000");
  EXPECT_FALSE(files::exists(ini));
  profile::writeString(ini, u"Other", u"Sel", u"1");
  EXPECT_EQ(profile::readString(ini, u"GallerySel", u"Sel", u"def", 100), u"def");
  profile::writeString(ini, u"GallerySel", u"Other", u"1");
  EXPECT_EQ(profile::readString(ini, u"GallerySel", u"Sel", u"def", 100), u"def");
}

TEST(Profile, WritesCreateAndUpdateWithoutTouchingOtherKeys) {
  TempFolder dir;
  const auto ini = dir.file(u"设置.ini");
  ASSERT_TRUE(profile::writeString(ini, u"GallerySel", u"Sel", u"101"));
  EXPECT_TRUE(files::exists(ini));
  profile::writeString(ini, u"Server", u"BaseUrl", u"http://127.0.0.1:8080");
  profile::writeString(ini, u"GallerySel", u"Name", u"园林景观");
  profile::writeString(ini, u"gallerysel", u"SEL", u"111");
  EXPECT_EQ(profile::readString(ini, u"GallerySel", u"Sel", u"", 100), u"111");
  EXPECT_EQ(profile::readString(ini, u"GallerySel", u"Name", u"", 100), u"园林景观");
  EXPECT_EQ(profile::readString(ini, u"Server", u"BaseUrl", u"", 100), u"http://127.0.0.1:8080");
}

TEST(Profile, ReadsAreCutToTheBuffer) {
  TempFolder dir;
  const auto ini = dir.file(u"a.ini");
  profile::writeString(ini, u"S", u"K", std::u16string(150, u'1'));
  EXPECT_EQ(profile::readString(ini, u"S", u"K", u"", 100).size(), 99u);
  EXPECT_EQ(profile::readString(ini, u"S", u"none", u"123456", 4), u"123");
}

TEST(Profile, HandWrittenFilesAreReadAsWindowsReadsThem) {
  TempFolder dir;
  const auto ini = dir.file(u"hand.ini");
  files::writeWhole(ini, "\xEF\xBB\xBF; note\r\n[Server]\r\n  BaseUrl =  \"http://127.0.0.1:9\"  \r\n[GallerySel]\nSel=0101\n");
  EXPECT_EQ(profile::readString(ini, u"server", u"baseurl", u"", 100), u"http://127.0.0.1:9");
  EXPECT_EQ(profile::readString(ini, u"GallerySel", u"Sel", u"", 100), u"0101");
  profile::writeString(ini, u"Server", u"Port", u"9");
  EXPECT_EQ(profile::readString(ini, u"GallerySel", u"Sel", u"", 100), u"0101");
  EXPECT_EQ(profile::readString(ini, u"Server", u"Port", u"", 100), u"9");
}
