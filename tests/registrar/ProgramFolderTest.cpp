#include <gtest/gtest.h>

#include <string>

#include "registrar/BoundedText.h"
#include "registrar/ProgramFolder.h"

using registrar::boundedText;
using registrar::programFolder;

TEST(ProgramFolder, KeepsEverythingUpToTheLastBackslash) {
  EXPECT_EQ(programFolder("C:\\Program Files\\Terra\\Tetherling.exe"), "C:\\Program Files\\Terra\\");
  EXPECT_EQ(programFolder("C:\\Tetherling.exe"), "C:\\");
  EXPECT_EQ(programFolder("\\\\server\\share\\"), "\\\\server\\share\\");
}

TEST(ProgramFolder, PathWithoutBackslashKeepsItsFirstCharacterOnly) {
  EXPECT_EQ(programFolder("Tetherling.exe"), "T");
  EXPECT_EQ(programFolder("C:/Tools/Tetherling.exe"), "C");
  EXPECT_EQ(programFolder(""), "");
}

TEST(ProgramFolder, StopsAtTheBufferNulAndAtTheBufferEnd) {
  EXPECT_EQ(programFolder(std::string("C:\\A\\x.exe\0\\stale\\bytes", 24)), "C:\\A\\");

  // A full buffer without NUL: a backslash past byte 260 is not part of the path.
  std::string overfull = "C:\\" + std::string(300, 'a');
  overfull[270] = '\\';
  EXPECT_EQ(programFolder(overfull), "C:\\");
  std::string lastByte = std::string(259, 'b') + "\\" + "tail";
  EXPECT_EQ(programFolder(lastByte), std::string(259, 'b') + "\\");
}

TEST(BoundedText, RefusesWhatWouldNotFitWithItsNul) {
  EXPECT_EQ(boundedText({"dwgFile", "\\Shell"}), "dwgFile\\Shell");
  EXPECT_EQ(boundedText({std::string(250, 'x'), "123456789"})->size(), 259u);
  EXPECT_FALSE(boundedText({std::string(250, 'x'), "1234567890"}));
  EXPECT_EQ(boundedText({}), "");
}
