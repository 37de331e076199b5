#include <gtest/gtest.h>

#include "markup/MarkupDocument.h"

using markup::MarkupDocument;

namespace {

std::vector<std::u16string> itemsOf(MarkupDocument& doc) {
  std::vector<std::u16string> items;
  while (doc.nextElement(u"root"))
    while (doc.nextChildElement(u"Item")) items.push_back(doc.childText());
  return items;
}

}  // namespace

TEST(DocumentNavigation, ReadsItemsOfRootInOrder) {
  MarkupDocument doc;
  ASSERT_TRUE(doc.setText(u"<root>\r\n<Item>C:\\a.dwg</Item>\r\n<Item>D:\\图块\\b.dwg</Item>\r\n</root>\r\n"));
  EXPECT_EQ(itemsOf(doc), (std::vector<std::u16string>{u"C:\\a.dwg", u"D:\\图块\\b.dwg"}));
}

TEST(DocumentNavigation, ItemDoesNotMatchItems) {
  MarkupDocument doc;
  ASSERT_TRUE(doc.setText(u"<root><Items>x</Items><Item>y</Item><Item2>z</Item2></root>"));
  EXPECT_EQ(itemsOf(doc), (std::vector<std::u16string>{u"y"}));
}

TEST(DocumentNavigation, EmptyItemGivesEmptyText) {
  MarkupDocument doc;
  ASSERT_TRUE(doc.setText(u"<root><Item>x</Item><Item/></root>"));
  EXPECT_EQ(itemsOf(doc), (std::vector<std::u16string>{u"x", u""}));
}

TEST(DocumentNavigation, NamesStartingWithSlashFindNothing) {
  MarkupDocument doc;
  ASSERT_TRUE(doc.setText(u"<root><Item>x</Item></root>"));
  EXPECT_FALSE(doc.nextElement(u"/root"));
  EXPECT_FALSE(doc.nextElement(u"//root"));
  EXPECT_EQ(doc.currentPosition(), 0u);
  EXPECT_TRUE(doc.nextElement(u"root"));
  EXPECT_FALSE(doc.nextChildElement(u"/Item"));
  EXPECT_TRUE(doc.nextChildElement(u"Item"));
}

TEST(DocumentNavigation, PathNamesMatchByTheirFirstStep) {
  MarkupDocument doc;
  ASSERT_TRUE(doc.setText(u"<root><Item id='2'>x</Item></root>"));
  EXPECT_TRUE(doc.nextElement(u"root/Item"));
  doc.setCurrentPosition(0);
  EXPECT_TRUE(doc.nextElement(u"root[1]"));
  doc.setCurrentPosition(0);
  EXPECT_TRUE(doc.nextElement(u"root[@id='2']"));
  doc.setCurrentPosition(0);
  EXPECT_FALSE(doc.nextElement(u"root[0]"));   // positions count from 1
  EXPECT_FALSE(doc.nextElement(u"root[@]"));
  EXPECT_FALSE(doc.nextElement(u"root/"));
}
