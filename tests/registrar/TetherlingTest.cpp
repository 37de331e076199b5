#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "MemoryRegistry.h"
#include "registrar/RegistrarHost.h"
#include "registrar/Tetherling.h"

using namespace registrar;
using registrar_tests::MemoryRegistry;

namespace {

// Files and console in memory; the module path is whatever the test sets.
class MemoryHost final : public RegistrarHost {
public:
  std::string modulePath() override { return module; }
  bool copyFile(const std::string& source, const std::string& destination) override {
    auto found = files.find(source);
    if (found == files.end()) return false;
    files[destination] = found->second;
    return true;
  }
  void print(std::string_view text) override { output += text; }
  void readOneCharacter() override { ++reads; }

  std::string module = "C:\\Terra\\Tetherling.exe";
  std::map<std::string, std::string> files;
  std::string output;
  int reads = 0;
};

const std::string kFileExts = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.dwg";
const std::string kCommandKey = "dwgFile\\Shell\\Open\\Command";

class TetherlingRun : public ::testing::Test {
protected:
  int run(std::vector<std::string> arguments) { return runTetherling(arguments, registry, host); }
  void giveUserChoice() { registry.writeDefault(RegistryRoot::CurrentUser, kFileExts + "\\UserChoice", "x"); }

  MemoryRegistry registry;
  MemoryHost host;
};

}  // namespace

TEST(TetherlingMode, ChosenByTheArgumentCountWithTheProgramName) {
  EXPECT_EQ(modeForArgumentCount(1), TetherlingMode::Register);
  EXPECT_EQ(modeForArgumentCount(4), TetherlingMode::Copy);
  for (size_t count : {0u, 2u, 3u, 5u, 9u}) EXPECT_EQ(modeForArgumentCount(count), TetherlingMode::Unregister) << count;
}

TEST_F(TetherlingRun, WithoutArgumentsRegistersClearsAndAnnounces) {
  giveUserChoice();
  EXPECT_EQ(run({"C:\\Terra\\Tetherling.exe"}), 0);
  EXPECT_EQ(host.output, "1\nC:\\Terra\\Tetherling.exe\n");
  EXPECT_EQ(registry.defaultOf(RegistryRoot::ClassesRoot, kCommandKey), "\"C:\\Terra\\Terrafold.exe\" \"%1\"");
  EXPECT_FALSE(registry.exists(RegistryRoot::CurrentUser, kFileExts));
  ASSERT_EQ(registry.journal.size(), 1u + 5u + 2u + 1u);
  EXPECT_EQ(registry.journal[1], "write HKCR\\.dwg = dwgFile");
  EXPECT_EQ(registry.journal.back(), "announce");
  EXPECT_EQ(host.reads, 0);
}

TEST_F(TetherlingRun, FolderComesFromTheModulePathNotFromTheCommandLine) {
  host.module = "Tetherling.exe";
  run({"D:\\elsewhere\\Tetherling.exe"});
  EXPECT_EQ(registry.defaultOf(RegistryRoot::ClassesRoot, "dwgFile\\DefaultIcon"), "Tdwg.ico");
}

TEST_F(TetherlingRun, OneArgumentSwitchesTheCommandOffAndStillClears) {
  run({"t.exe"});
  giveUserChoice();
  registry.journal.clear();
  host.output.clear();

  EXPECT_EQ(run({"t.exe", "off"}), 0);
  EXPECT_EQ(host.output, "2\nt.exe\noff\n");
  EXPECT_EQ(registry.defaultOf(RegistryRoot::ClassesRoot, kCommandKey), "0");
  EXPECT_EQ(registry.defaultOf(RegistryRoot::ClassesRoot, ".dwg"), "dwgFile");
  EXPECT_FALSE(registry.exists(RegistryRoot::CurrentUser, kFileExts));
  EXPECT_EQ(registry.journal.back(), "announce");
}

TEST_F(TetherlingRun, OtherCountsUnregisterWithoutCreatingTheCommand) {
  for (std::vector<std::string> arguments : {std::vector<std::string>{"t", "a"}, {"t", "a", "b"}, {"t", "a", "b", "c", "d"}}) {
    MemoryRegistry fresh;
    host.output.clear();
    EXPECT_EQ(runTetherling(arguments, fresh, host), 0);
    EXPECT_EQ(fresh.keyCount(), 0u);
    EXPECT_EQ(fresh.journal, std::vector<std::string>{"announce"});
    EXPECT_EQ(host.output.substr(0, 2), std::to_string(arguments.size()) + "\n");
  }
}

TEST_F(TetherlingRun, ThreeArgumentsCopyOverTheDestinationAndLeaveTheRegistryAlone) {
  host.files = {{"a.dwg", "new"}, {"b.dwg", "old"}};
  giveUserChoice();
  registry.journal.clear();

  EXPECT_EQ(run({"t.exe", "ignored", "a.dwg", "b.dwg"}), 0);
  EXPECT_EQ(host.files["b.dwg"], "new");
  EXPECT_EQ(host.output, "4\nt.exe\nignored\na.dwg\nb.dwg\nCOPY\xBD\xE1\xB9\xFB: 1");
  EXPECT_EQ(host.reads, 1);
  EXPECT_TRUE(registry.journal.empty());
  EXPECT_TRUE(registry.exists(RegistryRoot::CurrentUser, kFileExts + "\\UserChoice"));
}

TEST_F(TetherlingRun, FailedCopyReportsZero) {
  EXPECT_EQ(run({"t.exe", "x", "missing.dwg", "b.dwg"}), 0);
  EXPECT_EQ(host.output.substr(host.output.size() - 3), ": 0");
  EXPECT_EQ(host.files.count("b.dwg"), 0u);
  EXPECT_EQ(host.reads, 1);
}

TEST_F(TetherlingRun, ArgumentsAreEchoedAsPlainBytes) {
  run({"t.exe", "%s%n%d", "\xB5\xD8\xD0\xCE"});
  EXPECT_EQ(host.output, "3\nt.exe\n%s%n%d\n\xB5\xD8\xD0\xCE\n");
}
