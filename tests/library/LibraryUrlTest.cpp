#include <gtest/gtest.h>

#include "library/Layout.h"

using library::libraryUrlOf;

// Blockery.ini wins over the installer's machine setting, which wins over the default.
TEST(LibraryUrl, IniThenInstalledAddressThenDefault) {
  struct Row {
    std::u16string_view ini, installed, url;
  };
  const Row rows[] = {
      {u"http://ini.example.com", u"http://installed.example.com", u"http://ini.example.com/InkCasket"},
      {u"", u"http://installed.example.com:8080/", u"http://installed.example.com:8080/InkCasket"},
      {u"http://ini.example.com//", u"", u"http://ini.example.com/InkCasket"},
      {u"", u"", u"http://127.0.0.1:8480/InkCasket"},
  };
  for (const Row& row : rows) EXPECT_EQ(libraryUrlOf(row.ini, row.installed), row.url);
}
