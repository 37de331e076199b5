// Machine settings as the installer leaves them, read from a scratch key of HKEY_LOCAL_MACHINE:
// an absent key or value is quietly empty, a text value comes back whole, and a value of another
// type is empty and written to the failure log.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "base/FailureLog.h"
#include "base/MachineSettings.h"
#include "base/Trace.h"

namespace {

const wchar_t kScratch[] = L"Software\\BlockeryMachineSettingsTest";

class MachineSettingsTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kScratch);
    base::setTraceSink([this](std::u16string_view line) { logged.emplace_back(line); });
  }
  void TearDown() override {
    base::setTraceSink(nullptr);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kScratch);
  }
  void set(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, kScratch, name, type, data, bytes), ERROR_SUCCESS);
  }
  std::vector<std::u16string> logged;
};

}  // namespace

TEST_F(MachineSettingsTest, AbsentTextAndOtherTypes) {
  const std::u16string key = u"Software\\BlockeryMachineSettingsTest";
  EXPECT_EQ(base::machineSetting(key, u"ServerUrl"), u"");
  const std::wstring url(300, L'x');
  set(L"ServerUrl", REG_SZ, url.c_str(), DWORD((url.size() + 1) * sizeof(wchar_t)));
  const DWORD number = 8480;
  set(L"Port", REG_DWORD, &number, sizeof number);
  EXPECT_TRUE(logged.empty());

  EXPECT_EQ(base::machineSetting(key, u"ServerUrl"), std::u16string(300, u'x'));
  EXPECT_EQ(base::machineSetting(key, u"Missing"), u"");
  EXPECT_TRUE(logged.empty());
  EXPECT_EQ(base::machineSetting(key, u"Port"), u"");
  ASSERT_EQ(logged.size(), 1u);
  EXPECT_NE(logged[0].find(u"BlockeryMachineSettingsTest Port (error"), std::u16string::npos);
}
