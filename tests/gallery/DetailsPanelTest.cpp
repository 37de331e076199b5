#include <gtest/gtest.h>

#include "base/Path.h"
#include "base/Text.h"
#include "gallery/DetailsPanel.h"
#include "gallery/Links.h"
#include "gallery/NoPromptNames.h"

namespace {

using gallery::DetailsPanel;

library::BlockRecord record(std::u16string name) {
  library::BlockRecord r;
  r.folder = u"R";
  r.id = u"7";
  r.name = std::move(name);
  r.spec = u"Φ50";
  r.detail = u"常绿乔木";
  r.mfrs = u"苗圃";
  r.url = u"http://example.test/oak";
  return r;
}

TEST(DetailsPanel, NameLosesAPrefixOnlyWhenItsUnderscoreIsWithinTheFirstFour) {
  DetailsPanel panel;
  panel.showBlock(record(u"01_Oak"));
  EXPECT_EQ(panel.text(DetailsPanel::Name), u"Oak");
  panel.showBlock(record(u"Tree_01"));
  EXPECT_EQ(panel.text(DetailsPanel::Name), u"Tree_01");
  // Oak_01 has its "_" at position 3, inside the rule's reach: it is shown as its suffix.
  panel.showBlock(record(u"Oak_01"));
  EXPECT_EQ(panel.text(DetailsPanel::Name), u"01");
  panel.showBlock(record(u"ABCD_x"));
  EXPECT_EQ(panel.text(DetailsPanel::Name), u"ABCD_x");
  panel.showBlock(record(u"ABC_x_y"));
  EXPECT_EQ(panel.text(DetailsPanel::Name), u"x_y");
  panel.showBlock(record(u"_lead"));
  EXPECT_EQ(panel.text(DetailsPanel::Name), u"lead");
}

TEST(DetailsPanel, NoStandsForAnEmptyValueInEveryField) {
  DetailsPanel panel;
  library::BlockRecord r = record(u"Oak");
  r.mfrs = u"no";
  panel.showBlock(r);
  EXPECT_EQ(panel.text(DetailsPanel::Mfrs), u"");
  EXPECT_EQ(panel.text(DetailsPanel::Spec), u"Φ50");
  EXPECT_EQ(panel.text(DetailsPanel::Detail), u"常绿乔木");
  EXPECT_EQ(panel.text(DetailsPanel::Link), u"http://example.test/oak");

  r = record(u"no");
  r.spec = r.detail = r.url = u"no";
  panel.showBlock(r);
  for (auto field : {DetailsPanel::Name, DetailsPanel::Spec, DetailsPanel::Detail, DetailsPanel::Link})
    EXPECT_EQ(panel.text(field), u"") << field;
  EXPECT_EQ(panel.text(DetailsPanel::Mfrs), u"苗圃");
  EXPECT_TRUE(panel.empty());

  r = record(u"No");
  r.spec = u"no ";
  panel.showBlock(r);
  EXPECT_EQ(panel.text(DetailsPanel::Name), u"No");
  EXPECT_EQ(panel.text(DetailsPanel::Spec), u"no ");
}

TEST(DetailsPanel, UserBlockShowsTheTextBetweenLastSeparatorAndLastDot) {
  DetailsPanel panel;
  panel.showBlock(record(u"Oak"));
  panel.showUserBlock(base::joinPath(base::joinPath(u"d.old", u"家具"), u"chair.old.dwg"));
  EXPECT_EQ(panel.text(DetailsPanel::Name), u"chair.old");
  for (auto field : {DetailsPanel::Spec, DetailsPanel::Detail, DetailsPanel::Mfrs, DetailsPanel::Link})
    EXPECT_EQ(panel.text(field), u"") << field;
  panel.showUserBlock(base::joinPath(u"d", u"01_chair.dwg"));
  EXPECT_EQ(panel.text(DetailsPanel::Name), u"01_chair");  // no prefix rule for the user's files
  panel.showUserBlock(base::joinPath(u"d.x", u"chair"));
  EXPECT_EQ(panel.text(DetailsPanel::Name), u"");
}

TEST(DetailsPanel, ClearingAnEmptyPanelReportsNothingToRepaint) {
  DetailsPanel panel;
  EXPECT_FALSE(panel.clearIfShown());
  panel.showBlock(record(u"Oak"));
  EXPECT_TRUE(panel.clearIfShown());
  EXPECT_EQ(panel.text(DetailsPanel::Link), u"");
  EXPECT_FALSE(panel.clearIfShown());
}

TEST(MoreInfoLink, OnlyWebPagesAreOpened) {
  EXPECT_TRUE(gallery::isWebLink(u"http://example.test/a"));
  EXPECT_TRUE(gallery::isWebLink(u"https://example.test/a"));
  EXPECT_TRUE(gallery::isWebLink(u"HTTP://EXAMPLE.TEST"));
  EXPECT_TRUE(gallery::isWebLink(u"hTtPs://x"));
  EXPECT_FALSE(gallery::isWebLink(u""));
  EXPECT_FALSE(gallery::isWebLink(u"no"));
  EXPECT_FALSE(gallery::isWebLink(u"C:\\Windows\\System32\\calc.exe"));
  EXPECT_FALSE(gallery::isWebLink(u"file:///C:/x.dwg"));
  EXPECT_FALSE(gallery::isWebLink(u"\\\\server\\share\\run.bat"));
  EXPECT_FALSE(gallery::isWebLink(u" http://example.test"));
  EXPECT_FALSE(gallery::isWebLink(u"http:/example.test"));
  EXPECT_FALSE(gallery::isWebLink(u"httpx://example.test"));
}

TEST(HelpPage, LivesOnTheUpdateServersHost) {
  EXPECT_EQ(gallery::helpPageUrl(u"http://127.0.0.1:8480/InkCasket"), u"http://127.0.0.1:8480/help.html");
  EXPECT_EQ(gallery::helpPageUrl(u"https://blocks.test/mirror/InkCasket"), u"https://blocks.test/help.html");
}

TEST(NoPromptNames, EmptyGroupsAreNormalButEmptyCategoriesAreNot) {
  for (std::u16string_view name : {u"园林景观", u"平面植物", u"图框库", u"半导体管、电子管",
                                   u"测量仪表、灯和信号器件", u"销", u"左视图"})
    EXPECT_TRUE(gallery::isNoPromptName(name)) << base::toUtf8(name);
  for (std::u16string_view name : {u"乔木", u"", u"园林", u"园林景观 ", u"图库", u"最近使用"})
    EXPECT_FALSE(gallery::isNoPromptName(name)) << base::toUtf8(name);
}

}  // namespace
