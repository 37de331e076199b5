#include <gtest/gtest.h>

#include "base/Files.h"
#include "base/OutputFile.h"
#include "support/TempFolder.h"

using base::OutputFile;
using testing_support::TempFolder;

TEST(OutputFile, IsOnlyEverANewFileThatNobodyRemovesWhileItIsWritten) {
  TempFolder dir;
  const auto path = dir.file(u"门.dwg.part");
  std::string bytes;

  ASSERT_TRUE(base::files::writeWhole(path, "someone's"));
  OutputFile second;
  EXPECT_FALSE(second.createNew(path));
  ASSERT_TRUE(base::files::readWhole(path, bytes));
  EXPECT_EQ(bytes, "someone's");
  EXPECT_TRUE(OutputFile::removeUnlessHeld(path));  // nobody holds it
  EXPECT_FALSE(base::files::exists(path));

  OutputFile writer;
  ASSERT_TRUE(writer.createNew(path));
  ASSERT_TRUE(writer.write("AC1018", 6));
  EXPECT_FALSE(second.createNew(path));
  EXPECT_FALSE(OutputFile::removeUnlessHeld(path));
  writer.close();
  ASSERT_TRUE(base::files::readWhole(path, bytes));
  EXPECT_EQ(bytes, "AC1018");
  EXPECT_TRUE(OutputFile::removeUnlessHeld(path));
  EXPECT_FALSE(base::files::exists(path));
  EXPECT_FALSE(OutputFile::removeUnlessHeld(path));
}
