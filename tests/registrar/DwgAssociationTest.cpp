#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MemoryRegistry.h"
#include "registrar/DwgAssociation.h"

using namespace registrar;
using registrar_tests::MemoryRegistry;

namespace {

const std::string kCommandKey = "dwgFile\\Shell\\Open\\Command";
const std::string kFileExts = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";

}  // namespace

TEST(RegisterDwgFiles, WritesTheFiveDefaultValuesInOrder) {
  MemoryRegistry registry;
  registerDwgFiles(registry, "C:\\Terra\\");
  EXPECT_EQ(registry.journal, (std::vector<std::string>{
                                  "write HKCR\\.dwg = dwgFile",
                                  "write HKCR\\dwgFile = DWG\xCD\xBC\xD6\xBD",
                                  "write HKCR\\dwgFile\\DefaultIcon = C:\\Terra\\dwg.ico",
                                  "write HKCR\\dwgFile\\Shell = Open",
                                  "write HKCR\\dwgFile\\Shell\\Open\\Command = \"C:\\Terra\\Terrafold.exe\" \"%1\"",
                              }));
  EXPECT_EQ(registry.keyCount(), 6u);  // the five keys and Shell\Open between them
}

TEST(RegisterDwgFiles, FolderWithBlanksAndChineseIsQuotedWhole) {
  MemoryRegistry registry;
  const std::string folder = "D:\\Program Files\\\xB5\xD8\xD0\xCE \xB9\xA4\xBE\xDF\\";  // 地形 工具
  registerDwgFiles(registry, folder);
  EXPECT_EQ(registry.defaultOf(RegistryRoot::ClassesRoot, kCommandKey), "\"" + folder + "Terrafold.exe\" \"%1\"");
  EXPECT_EQ(registry.defaultOf(RegistryRoot::ClassesRoot, "dwgFile\\DefaultIcon"), folder + "dwg.ico");
}

TEST(RegisterDwgFiles, FolderTooLongForTheCommandWritesNothing) {
  // The command adds 20 bytes to the folder: two quotes, Terrafold.exe, a blank and "%1".
  MemoryRegistry fits;
  registerDwgFiles(fits, "C:\\" + std::string(236, 'f'));
  EXPECT_EQ(fits.defaultOf(RegistryRoot::ClassesRoot, kCommandKey)->size(), 259u);

  MemoryRegistry tooLong;
  registerDwgFiles(tooLong, "C:\\" + std::string(237, 'f'));
  EXPECT_TRUE(tooLong.journal.empty());
  EXPECT_EQ(tooLong.keyCount(), 0u);

  MemoryRegistry far;
  registerDwgFiles(far, std::string(400, 'f'));
  EXPECT_EQ(far.keyCount(), 0u);
}

TEST(SwitchOffDwgFiles, SetsAnExistingCommandToZeroAndTouchesNothingElse) {
  MemoryRegistry registry;
  registerDwgFiles(registry, "C:\\Terra\\");
  registry.journal.clear();
  switchOffDwgFiles(registry);
  EXPECT_EQ(registry.journal, std::vector<std::string>{"rewrite HKCR\\dwgFile\\Shell\\Open\\Command = 0"});
  EXPECT_EQ(registry.defaultOf(RegistryRoot::ClassesRoot, ".dwg"), "dwgFile");
  EXPECT_EQ(registry.defaultOf(RegistryRoot::ClassesRoot, "dwgFile\\DefaultIcon"), "C:\\Terra\\dwg.ico");
  EXPECT_EQ(registry.keyCount(), 6u);
}

TEST(SwitchOffDwgFiles, CreatesNothingWhenTheCommandKeyIsMissing) {
  MemoryRegistry empty;
  switchOffDwgFiles(empty);
  EXPECT_EQ(empty.keyCount(), 0u);

  // The parents alone are not enough: the command key itself must exist.
  MemoryRegistry partial;
  partial.writeDefault(RegistryRoot::ClassesRoot, "dwgFile\\Shell", "Open");
  partial.journal.clear();
  switchOffDwgFiles(partial);
  EXPECT_TRUE(partial.journal.empty());
  EXPECT_FALSE(partial.exists(RegistryRoot::ClassesRoot, kCommandKey));
  EXPECT_FALSE(partial.exists(RegistryRoot::ClassesRoot, "dwgFile\\Shell\\Open"));
}

TEST(ClearUserChoices, RemovesTheWholeDwgEntryChildrenFirst) {
  MemoryRegistry registry;
  for (const char* child : {"UserChoice", "OpenWithProgids", "OpenWithList"})
    registry.writeDefault(RegistryRoot::CurrentUser, kFileExts + ".dwg\\" + child, "x");
  registry.writeDefault(RegistryRoot::CurrentUser, kFileExts + ".dwgx\\UserChoice", "kept");
  registry.journal.clear();

  clearUserChoices(registry);
  EXPECT_EQ(registry.journal, (std::vector<std::string>{
                                  "delete HKCU\\" + kFileExts + ".dwg\\UserChoice",
                                  "delete HKCU\\" + kFileExts + ".dwg\\OpenWithProgids",
                                  "delete HKCU\\" + kFileExts + ".dwg\\OpenWithList",
                                  "delete HKCU\\" + kFileExts + ".dwg",
                              }));
  EXPECT_FALSE(registry.exists(RegistryRoot::CurrentUser, kFileExts + ".dwg"));
  EXPECT_EQ(registry.defaultOf(RegistryRoot::CurrentUser, kFileExts + ".dwgx\\UserChoice"), "kept");
  EXPECT_TRUE(registry.exists(RegistryRoot::CurrentUser, kFileExts.substr(0, kFileExts.size() - 1)));
}

TEST(ClearUserChoices, LeavesTheClassRegistrationAndMissingKeysAlone) {
  MemoryRegistry registry;
  registerDwgFiles(registry, "C:\\Terra\\");
  registry.writeDefault(RegistryRoot::CurrentUser, kFileExts + ".dwg\\OpenWithList", "a");
  registry.journal.clear();

  clearUserChoices(registry);
  EXPECT_EQ(registry.journal.size(), 2u);  // only the two keys that were there
  EXPECT_FALSE(registry.exists(RegistryRoot::CurrentUser, kFileExts + ".dwg"));
  EXPECT_EQ(registry.defaultOf(RegistryRoot::ClassesRoot, ".dwg"), "dwgFile");
}
