// The real registry must follow the rules the in-memory one assumes: creating makes parents,
// opening never creates, a key with sub-keys is not deleted. Works below a scratch key of HKCU.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "registrar/SystemRegistry.h"

using registrar::RegistryRoot;
using registrar::SystemRegistry;

namespace {

const std::string kScratch = "Software\\BlockeryRegistrarTest";

std::string readDefault(const std::string& key) {
  char value[260] = {};
  LONG size = sizeof value;
  if (RegQueryValueA(HKEY_CURRENT_USER, key.c_str(), value, &size) != ERROR_SUCCESS) return "<missing>";
  return value;
}

bool keyExists(const std::string& key) {
  HKEY opened = nullptr;
  if (RegOpenKeyA(HKEY_CURRENT_USER, key.c_str(), &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

class SystemRegistryTest : public ::testing::Test {
protected:
  void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kScratch.c_str()); }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kScratch.c_str()); }
  SystemRegistry registry;
};

}  // namespace

TEST_F(SystemRegistryTest, WriteCreatesParentsAndSetsTheDefaultValue) {
  registry.writeDefault(RegistryRoot::CurrentUser, kScratch + "\\Shell\\Open\\Command", "\"C:\\a b\\T.exe\" \"%1\"");
  EXPECT_EQ(readDefault(kScratch + "\\Shell\\Open\\Command"), "\"C:\\a b\\T.exe\" \"%1\"");
  EXPECT_TRUE(keyExists(kScratch + "\\Shell\\Open"));
  registry.writeDefault(RegistryRoot::CurrentUser, kScratch + "\\SHELL\\open\\command", "second");
  EXPECT_EQ(readDefault(kScratch + "\\Shell\\Open\\Command"), "second");
}

TEST_F(SystemRegistryTest, RewriteOnlyTouchesAnExistingKey) {
  EXPECT_FALSE(registry.rewriteExistingDefault(RegistryRoot::CurrentUser, kScratch + "\\Command", "0"));
  EXPECT_FALSE(keyExists(kScratch));
  registry.writeDefault(RegistryRoot::CurrentUser, kScratch + "\\Command", "on");
  EXPECT_TRUE(registry.rewriteExistingDefault(RegistryRoot::CurrentUser, kScratch + "\\Command", "0"));
  EXPECT_EQ(readDefault(kScratch + "\\Command"), "0");
}

TEST_F(SystemRegistryTest, DeleteSparesAKeyWithSubKeys) {
  registry.writeDefault(RegistryRoot::CurrentUser, kScratch + "\\.dwg\\UserChoice", "x");
  registry.deleteKey(RegistryRoot::CurrentUser, kScratch + "\\.dwg");
  EXPECT_TRUE(keyExists(kScratch + "\\.dwg\\UserChoice"));
  registry.deleteKey(RegistryRoot::CurrentUser, kScratch + "\\.dwg\\UserChoice");
  registry.deleteKey(RegistryRoot::CurrentUser, kScratch + "\\.dwg");
  EXPECT_FALSE(keyExists(kScratch + "\\.dwg"));
  registry.deleteKey(RegistryRoot::CurrentUser, kScratch + "\\.dwg");  // already gone: no effect
  EXPECT_TRUE(keyExists(kScratch));
}
