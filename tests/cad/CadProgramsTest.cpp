#include <gtest/gtest.h>

#include "cad/BusyRetry.h"
#include "cad/CadPrograms.h"

namespace {

TEST(CadPrograms, ThePlainAndVersionedNamesOfTheFourProgramsAndNothingElse) {
  const std::pair<std::u16string, bool> kNames[] = {
      {u"AutoCAD.Application", true},          {u"AutoCAD.Application.24.3", true},
      {u"autocad.application.25", true},       {u"ZWCAD.Application.2024", true},
      {u"GCAD.Application", true},             {u"BricscadApp.AcadApplication.24.0", true},
      {u"AutoCAD.Application.", false},        {u"AutoCAD.Application.24.", false},
      {u"AutoCAD.Application.24..3", false},   {u"AutoCAD.ApplicationX", false},
      {u"AutoCAD.Application.v24", false},     {u"AutoCAD.Document", false},
      {u"BricscadApp.AcadApplication2", false}, {u"", false},
  };
  for (const auto& [name, cad] : kNames) EXPECT_EQ(cad::isCadProgramId(name), cad) << std::string(name.begin(), name.end());
}

TEST(CadPrograms, TheHighestWindowWinsAndAnUnknownPlaceOnlyAlone) {
  using Depths = std::vector<std::optional<uint32_t>>;
  EXPECT_EQ(cad::frontmostProgram({}), std::nullopt);
  EXPECT_EQ(cad::frontmostProgram(Depths{7, 3, 9}), 1u);
  EXPECT_EQ(cad::frontmostProgram(Depths{std::nullopt, 12}), 1u);
  EXPECT_EQ(cad::frontmostProgram(Depths{4, std::nullopt}), 0u);
  EXPECT_EQ(cad::frontmostProgram(Depths{std::nullopt, std::nullopt}), 0u);
}

// A program rejecting n calls, then answering; the clock moves only by the pauses.
TEST(CadPrograms, ABusyProgramIsAskedAgainEveryQuarterSecondForFiveSeconds) {
  constexpr int32_t kRejected = int32_t(0x80010001), kLater = int32_t(0x8001010A), kFailed = int32_t(0x80004005);
  struct Case {
    std::vector<int32_t> answers;  // the last repeats
    size_t calls;
    int32_t result;
  };
  const Case kCases[] = {
      {{0}, 1, 0},
      {{kRejected, kLater, 0}, 3, 0},
      {{kFailed}, 1, kFailed},
      {{kRejected}, 21, kRejected},  // at 0, 250, ..., 5000 ms
  };
  for (const Case& c : kCases) {
    uint32_t clock = 4294967000u;  // across the wrap
    size_t calls = 0;
    int32_t result = cad::callWhileBusy(
        [&] { return c.answers[std::min(calls++, c.answers.size() - 1)]; },
        [&](uint32_t ms) { clock += ms; }, [&] { return clock; });
    EXPECT_EQ(calls, c.calls);
    EXPECT_EQ(result, c.result);
  }
}

}  // namespace
