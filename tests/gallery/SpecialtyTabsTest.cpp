#include <gtest/gtest.h>

#include "gallery/SpecialtyTabs.h"

namespace {

using gallery::SpecialtyTabs;
using gallery::tabLabel;

std::vector<std::u16string> specialties(size_t count) {
  std::vector<std::u16string> names;
  for (size_t i = 0; i < count; ++i) names.push_back(u"专业" + std::u16string(1, char16_t(u'A' + i)));
  return names;
}

// The labels shown, with "-" for a hidden button.
std::vector<std::u16string> shown(const SpecialtyTabs& tabs) {
  std::vector<std::u16string> out;
  for (const auto& label : tabs.labels()) out.push_back(label ? *label : u"-");
  return out;
}

TEST(TabLabel, ShortNamesArePaddedToTheTabWidth) {
  EXPECT_EQ(tabLabel(u"园林"), u"【   园林   】");
  EXPECT_EQ(tabLabel(u"给排水"), u"【  给排水 】");
  EXPECT_EQ(tabLabel(u"建筑设计图"), u"【建筑设计图】");
  EXPECT_EQ(tabLabel(u"暖通空调"), u"【暖通空调】");
  EXPECT_EQ(tabLabel(u"A"), u"【A】");
}

TEST(SpecialtyTabs, NineSpecialtiesPageByFourAndStopAtTheLastPage) {
  SpecialtyTabs tabs;
  tabs.reset(specialties(9));
  EXPECT_EQ(shown(tabs), (std::vector<std::u16string>{u"【  专业A 】", u"【  专业B 】", u"【  专业C 】",
                                                       u"【  专业D 】", u"【  专业E 】"}));
  EXPECT_TRUE(tabs.nextPage());
  EXPECT_EQ(tabs.offset(), 4u);
  EXPECT_EQ(shown(tabs)[0], u"【  专业E 】");
  EXPECT_EQ(shown(tabs)[4], u"【  专业I 】");
  EXPECT_FALSE(tabs.nextPage());  // 4 + 5 is not less than 9
  EXPECT_EQ(tabs.offset(), 4u);
  EXPECT_TRUE(tabs.previousPage());
  EXPECT_EQ(tabs.offset(), 0u);
  EXPECT_FALSE(tabs.previousPage());
  EXPECT_EQ(shown(tabs)[0], u"【  专业A 】");
}

TEST(SpecialtyTabs, SixSpecialtiesLeaveThreeButtonsHiddenOnTheSecondPage) {
  SpecialtyTabs tabs;
  tabs.reset(specialties(6));
  ASSERT_TRUE(tabs.nextPage());
  EXPECT_EQ(shown(tabs), (std::vector<std::u16string>{u"【  专业E 】", u"【  专业F 】", u"-", u"-", u"-"}));
  EXPECT_EQ(tabs.specialtyAt(1), 5u);
  EXPECT_EQ(tabs.specialtyAt(2), std::nullopt);
}

TEST(SpecialtyTabs, FiveOrFewerSpecialtiesNeverPage) {
  SpecialtyTabs tabs;
  tabs.reset(specialties(5));
  EXPECT_FALSE(tabs.nextPage());
  tabs.reset(specialties(2));
  EXPECT_EQ(shown(tabs), (std::vector<std::u16string>{u"【  专业A 】", u"【  专业B 】", u"-", u"-", u"-"}));
  tabs.reset({});
  EXPECT_EQ(shown(tabs), (std::vector<std::u16string>(5, u"-")));
  EXPECT_FALSE(tabs.nextPage());
}

TEST(SpecialtyTabs, ResetReturnsToTheFirstPage) {
  SpecialtyTabs tabs;
  tabs.reset(specialties(9));
  tabs.nextPage();
  tabs.reset(specialties(9));
  EXPECT_EQ(tabs.offset(), 0u);
  EXPECT_EQ(tabs.specialtyAt(0), 0u);
  EXPECT_EQ(tabs.specialtyAt(5), std::nullopt);
}

}  // namespace
