// The matching rules, one row per rule: what a query finds in a name and how it ranks there.
#include <gtest/gtest.h>

#include <string>

#include "search/SearchIndex.h"
#include "search/TextMatcher.h"

namespace {

using search::MatchKind;

struct Row {
  const char16_t* query;
  const char16_t* text;
  MatchKind kind;
};

const Row kRows[] = {
    // Characters as typed.
    {u"香樟", u"香樟", MatchKind::Whole},
    {u"香", u"香樟", MatchKind::Prefix},
    {u"樟", u"香樟", MatchKind::Substring},
    {u"樟香", u"香樟", MatchKind::None},
    // Full pinyin, with or without blanks (also the ideographic one).
    {u"xiangzhang", u"香樟", MatchKind::Whole},
    {u"xiang zhang", u"香樟", MatchKind::Whole},
    {u"xiang\u3000zhang", u"香樟", MatchKind::Whole},
    {u"xiang", u"香樟", MatchKind::Prefix},
    {u"zhang", u"香樟", MatchKind::Substring},
    {u"xiangzhan", u"香樟", MatchKind::InitialsPrefix},
    {u"xiangzhangg", u"香樟", MatchKind::None},
    // Initials and mixes.
    {u"xz", u"香樟", MatchKind::InitialsPrefix},
    {u"yx", u"银杏", MatchKind::InitialsPrefix},
    {u"yinx", u"银杏", MatchKind::InitialsPrefix},
    {u"xiang樟", u"香樟", MatchKind::Whole},
    {u"香zh", u"香樟", MatchKind::InitialsPrefix},
    {u"x", u"银杏", MatchKind::Substring},
    {u"zx", u"香樟", MatchKind::None},
    // Every reading of a polyphone.
    {u"zhang", u"长椅", MatchKind::Prefix},
    {u"chang", u"长椅", MatchKind::Prefix},
    {u"cy", u"长椅", MatchKind::InitialsPrefix},
    {u"hang", u"银行", MatchKind::Substring},
    {u"xing", u"银行", MatchKind::Substring},
    // ü typed as v or u.
    {u"lv", u"绿篱", MatchKind::Prefix},
    {u"lu", u"绿篱", MatchKind::Prefix},
    // Traditional and simplified find each other, by character and by reading.
    {u"銀杏", u"银杏", MatchKind::Whole},
    {u"银杏", u"銀杏", MatchKind::Whole},
    {u"長", u"长椅", MatchKind::Prefix},
    {u"yinxing", u"銀杏", MatchKind::Whole},
    // Case and width folding.
    {u"GB", u"gb50016", MatchKind::Prefix},
    {u"ｇｂ５００", u"GB50016", MatchKind::Prefix},
    {u"Ｙx", u"银杏", MatchKind::InitialsPrefix},
    {u"50016", u"ＧＢ５００１６", MatchKind::Substring},
    // Other characters match only themselves.
    {u"01_", u"01_银杏", MatchKind::Prefix},
    {u"_y", u"01_银杏", MatchKind::Substring},
    {u"-", u"银杏", MatchKind::None},
    // Empty and one-character queries.
    {u"", u"银杏", MatchKind::None},
    {u"   ", u"银杏", MatchKind::None},
    {u"y", u"银杏", MatchKind::InitialsPrefix},
    {u"杏", u"杏", MatchKind::Whole},
    {u"y", u"", MatchKind::None},
    // Invalid UTF-16: lone surrogates stand for no character, in queries and texts alike.
    {u"\xD800", u"银杏", MatchKind::None},
    {u"银\xDC00杏", u"银杏", MatchKind::Whole},
    {u"yx", u"银\xD800杏", MatchKind::InitialsPrefix},
    // A character beyond the basic plane, as a surrogate pair.
    {u"\U00020000", u"a\U00020000", MatchKind::Substring},
};

TEST(Matching, FollowsTheRules) {
  for (const Row& row : kRows) {
    search::TextMatcher matcher(row.query);
    EXPECT_EQ(int(matcher.match(search::foldText(row.text))), int(row.kind))
        << "query \"" << std::u16string(row.query).size() << " units\" row " << (&row - kRows);
  }
}

TEST(Matching, ThousandCharacterQueries) {
  std::u16string letters(1000, u'x');
  std::u16string han;
  for (int k = 0; k < 500; ++k) han += u"银杏";
  search::TextMatcher longLetters(letters), longHan(han);
  EXPECT_EQ(longLetters.match(search::foldText(u"香樟香樟")), MatchKind::None);
  EXPECT_EQ(longHan.match(search::foldText(han)), MatchKind::Whole);
  EXPECT_EQ(longHan.match(search::foldText(han + u"树")), MatchKind::Prefix);
  EXPECT_EQ(search::TextMatcher(u"yx" + letters.substr(0, 998)).match(search::foldText(han)), MatchKind::None);
  std::u16string initials;
  for (int k = 0; k < 500; ++k) initials += u"yx";
  EXPECT_EQ(search::TextMatcher(initials).match(search::foldText(han)), MatchKind::InitialsPrefix);
}

// Ranking: whole name, name prefix, initials prefix, name substring, other texts; ties go to the
// preferred (recently used) entries, then entry order.
TEST(Ranking, OrdersByHowAndThenByRecentUse) {
  search::SearchIndexBuilder builder;
  const char16_t* names[] = {u"香樟树", u"小叶樟", u"樟", u"香樟", u"雪松", u"香樟"};
  for (const char16_t* name : names) {
    builder.beginEntry();
    builder.addOther(name == std::u16string(u"雪松") ? u"樟科" : u"");
    builder.addName(name);
  }
  search::SearchIndex index = builder.finish();
  auto order = [&](std::u16string_view query, const std::unordered_map<size_t, size_t>& preferred = {}) {
    std::vector<size_t> entries;
    auto hits = index.find(query, preferred);
    for (const auto& hit : *hits) entries.push_back(hit.entry);
    return entries;
  };
  EXPECT_EQ(order(u"xiangzhang"), (std::vector<size_t>{3, 5, 0}));
  EXPECT_EQ(order(u"樟"), (std::vector<size_t>{2, 0, 1, 3, 5, 4}));
  EXPECT_EQ(order(u"xz"), (std::vector<size_t>{0, 3, 5, 1}));  // 叶 reads xie too
  EXPECT_EQ(order(u"xz", {{5, 0}, {3, 1}}), (std::vector<size_t>{5, 3, 0, 1}));
  EXPECT_EQ(order(u"樟", {{4, 0}}), (std::vector<size_t>{2, 0, 1, 3, 5, 4}));
  EXPECT_EQ(order(u""), (std::vector<size_t>{}));
  EXPECT_EQ(index.textCount(), 7u);  // "香樟" and the empty text are kept once
}

TEST(Ranking, StopsWhenAsked) {
  search::SearchIndexBuilder builder;
  for (int k = 0; k < 5000; ++k) {
    builder.beginEntry();
    builder.addName(u"银杏");
  }
  search::SearchIndex index = builder.finish();
  std::atomic<bool> stop{true};
  EXPECT_FALSE(index.find(u"yx", {}, &stop).has_value());
  stop = false;
  EXPECT_EQ(index.find(u"yx", {}, &stop)->size(), 5000u);
}

}  // namespace
