#include "app/StartupPlan.h"

#include <gtest/gtest.h>

#include "gallery/GalleryCommand.h"

namespace {

using app::ForwardedCommand;
using app::planStartup;
using app::StartupRoad;

constexpr int64_t kShow = 0, kSetHost = 1, kQuit = 2, kHide = 6;

ForwardedCommand sent(uint64_t argument, int64_t code) { return ForwardedCommand{argument, code}; }

TEST(ArxShow, NumberBecomesTheHostAndIsForwardedAfterAShow) {
  auto plan = planStartup(u"arx show 321");
  EXPECT_EQ(plan.road, StartupRoad::SingleInstance);
  EXPECT_FALSE(plan.askCompanion);
  EXPECT_FALSE(plan.endAsFirstInstance);
  EXPECT_EQ(plan.state.arxHostWindow, 321);
  EXPECT_EQ(plan.forwards, (std::vector{sent(0, kShow), sent(321, kSetHost)}));
  EXPECT_EQ(plan.waitAfterForwardMs, 300u);
}

TEST(ArxShow, WithoutANumberOrWithHexadecimalTheGalleryIsStandAlone) {
  EXPECT_EQ(planStartup(u"arx show").state.arxHostWindow, 0);
  EXPECT_EQ(planStartup(u"arx show 0x141").state.arxHostWindow, 0);
  EXPECT_EQ(planStartup(u"arx show").forwards, (std::vector{sent(0, kShow), sent(0, kSetHost)}));
  EXPECT_FALSE(planStartup(u"arx show 0x141").endAsFirstInstance);
}

TEST(ArxShow, NumberIsReadLikeWtoi) {
  EXPECT_EQ(planStartup(u"arx show   777").state.arxHostWindow, 777);
  EXPECT_EQ(planStartup(u"  arx show -12").state.arxHostWindow, -12);
  EXPECT_EQ(planStartup(u"arx show 42abc").state.arxHostWindow, 42);
  EXPECT_EQ(planStartup(u"arx show window 42").state.arxHostWindow, 0);
  EXPECT_EQ(planStartup(u"arx show 12 arx show").state.arxHostWindow, 12);
}

TEST(ArxShow, NegativeHostTravelsAsItsThirtyTwoBitPattern) {
  auto plan = planStartup(u"arx show -2");
  ASSERT_EQ(plan.forwards.size(), 2u);
  EXPECT_EQ(plan.forwards[1].argument, 0xFFFFFFFEu);
}

TEST(ArxShow, ForwardingRemovesCloseTokensButTheFirstInstanceDoesNot) {
  auto plan = planStartup(u"arx close arx show 5");
  EXPECT_EQ(plan.forwards, (std::vector{sent(0, kShow), sent(5, kSetHost)}));
  EXPECT_EQ(plan.state.arxHostWindow, 0);  // "arx close 5" is left, a word before the number
  EXPECT_FALSE(plan.endAsFirstInstance);
}

TEST(ArxClose, ForwardsAQuitAndEndsWhenNothingRuns) {
  auto plan = planStartup(u"arx close");
  EXPECT_EQ(plan.forwards, (std::vector{sent(0, kQuit)}));
  EXPECT_EQ(plan.waitAfterForwardMs, 0u);
  EXPECT_TRUE(plan.endAsFirstInstance);
  EXPECT_EQ(plan.state.arxHostWindow, 0);
}

TEST(ArxHide, ForwardsAHideAndEndsWhenNothingRuns) {
  auto plan = planStartup(u"arx hide");
  EXPECT_EQ(plan.forwards, (std::vector{sent(0, kHide)}));
  EXPECT_EQ(plan.waitAfterForwardMs, 0u);
  EXPECT_TRUE(plan.endAsFirstInstance);
}

TEST(ArxTokens, CloseWinsOverHideAndShowWinsOverBoth) {
  EXPECT_EQ(planStartup(u"arx hide arx close").forwards, (std::vector{sent(0, kQuit)}));
  // Only "arx show" and "arx close" are removed, so the "arx hide" left in front makes the number 0.
  EXPECT_EQ(planStartup(u"arx hide arx show 9").forwards, (std::vector{sent(0, kShow), sent(0, kSetHost)}));
  EXPECT_EQ(planStartup(u"arx hide arx show 9").state.arxHostWindow, 0);
  EXPECT_EQ(planStartup(u"arx show 9 arx hide").state.arxHostWindow, 9);
}

TEST(ArxTokens, AreCaseSensitive) {
  auto plan = planStartup(u"ARX SHOW 5");
  EXPECT_EQ(plan.state.arxHostWindow, 0);
  EXPECT_FALSE(plan.endAsFirstInstance);
  EXPECT_EQ(plan.forwards, (std::vector{sent(0, kShow)}));
}

TEST(EmptyLine, AsksTheCompanionThenOpensAStandAloneGallery) {
  auto plan = planStartup(u"");
  EXPECT_TRUE(plan.askCompanion);
  EXPECT_EQ(plan.road, StartupRoad::SingleInstance);
  EXPECT_FALSE(plan.endAsFirstInstance);
  EXPECT_FALSE(plan.state.hosted());
  EXPECT_EQ(plan.forwards, (std::vector{sent(0, kShow)}));
  EXPECT_EQ(plan.waitAfterForwardMs, 300u);
}

TEST(OtherLine, IsNotEmptySoTheCompanionIsNotAsked) {
  auto plan = planStartup(u"hello");
  EXPECT_FALSE(plan.askCompanion);
  EXPECT_FALSE(plan.state.hosted());
  EXPECT_EQ(plan.forwards, (std::vector{sent(0, kShow)}));
  EXPECT_FALSE(planStartup(u" ").askCompanion);
}

TEST(Draftwell, BothFlagsAndTheHostWindow) {
  auto plan = planStartup(u"Draftwell20110719 LD MN 466");
  EXPECT_EQ(plan.road, StartupRoad::Draftwell);
  EXPECT_TRUE(plan.state.ldFlag);
  EXPECT_TRUE(plan.state.mnFlag);
  EXPECT_EQ(plan.state.drawHostWindow, 466);
  EXPECT_EQ(plan.state.arxHostWindow, 0);
  EXPECT_TRUE(plan.forwards.empty());
  EXPECT_FALSE(plan.endAsFirstInstance);
}

TEST(Draftwell, HostWindowIsSetWithoutMn) {
  auto plan = planStartup(u"Draftwell20110719 LD 88");
  EXPECT_TRUE(plan.state.ldFlag);
  EXPECT_FALSE(plan.state.mnFlag);
  EXPECT_EQ(plan.state.drawHostWindow, 88);
}

TEST(Draftwell, MnAloneAndNoFlags) {
  auto mn = planStartup(u"Draftwell20110719 MN 466");
  EXPECT_FALSE(mn.state.ldFlag);
  EXPECT_TRUE(mn.state.mnFlag);
  EXPECT_EQ(mn.state.drawHostWindow, 466);
  auto bare = planStartup(u"Draftwell20110719");
  EXPECT_FALSE(bare.state.ldFlag || bare.state.mnFlag);
  EXPECT_EQ(bare.state.drawHostWindow, 0);
  EXPECT_EQ(bare.road, StartupRoad::Draftwell);
}

TEST(Draftwell, TokensAreRemovedWhereverTheyStand) {
  auto plan = planStartup(u"MN 4LD66 Draftwell20110719");
  EXPECT_TRUE(plan.state.ldFlag);
  EXPECT_TRUE(plan.state.mnFlag);
  EXPECT_EQ(plan.state.drawHostWindow, 466);
}

TEST(Draftwell, WinsOverArxTokens) {
  auto plan = planStartup(u"Draftwell20110719 arx show 5");
  EXPECT_EQ(plan.road, StartupRoad::Draftwell);
  EXPECT_EQ(plan.state.arxHostWindow, 0);
  EXPECT_EQ(plan.state.drawHostWindow, 0);  // "arx show 5" is a word before the number
  EXPECT_FALSE(plan.endAsFirstInstance);
}

TEST(Draftwell, LdAndMnOutsideTheDraftwellRoadMeanNothing) {
  auto plan = planStartup(u"LD MN 466");
  EXPECT_EQ(plan.road, StartupRoad::SingleInstance);
  EXPECT_FALSE(plan.state.ldFlag || plan.state.mnFlag);
  EXPECT_EQ(plan.state.drawHostWindow, 0);
}

}  // namespace
