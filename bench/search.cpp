// The gallery's search on a generated library of 50,000 blocks with Chinese names in 500
// categories: index build (median of 5), 1,000 queries of six kinds (one letter, two letters,
// initials, full pinyin, characters, no hit; median and worst) and the index's memory, beside a
// plain substring scan over the item-list texts of the same blocks in the same run.
#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "base/Text.h"
#include "search/LibrarySearch.h"
#include "search/ReadingTable.h"

namespace {

constexpr int kSpecialties = 10, kCategories = 50, kItems = 100;  // 50,000 blocks
constexpr int kQueries = 1000;

const char16_t* const kWords[] = {u"香樟", u"银杏", u"雪松", u"红枫", u"桂花", u"玉兰", u"垂柳", u"紫薇", u"海棠", u"樱花",
                                  u"水杉", u"国槐", u"棕榈", u"罗汉松", u"黄杨", u"石楠", u"合欢", u"榆树", u"侧柏", u"竹子",
                                  u"长椅", u"花坛", u"廊架", u"景墙", u"台阶", u"栏杆", u"座凳", u"树池", u"灯柱", u"水景",
                                  u"门", u"窗", u"楼梯", u"坡道", u"柱", u"梁", u"板", u"基础", u"管件", u"阀门"};
const char16_t* const kKinds[] = {u"", u"大样", u"立面", u"平面", u"组团", u"剖面", u"详图", u"节点", u"示意", u"单株"};
const char16_t* const kSpecialtyNames[] = {u"建筑", u"结构", u"给排水", u"暖通", u"电气",
                                           u"室内", u"家具", u"弱电安防", u"园林景观", u"市政"};
const char16_t* const kCategoryWords[] = {u"乔木", u"灌木", u"地被", u"铺装", u"小品", u"门窗", u"楼梯", u"卫浴", u"厨房", u"管道"};

// Time is the thread's processor time: the machine is shared, and waiting for a core is not work.
struct Clock {
  using time_point = double;
  static double now() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
  }
};
double msSince(double start) { return Clock::now() - start; }

search::LibrarySnapshot generate(std::mt19937& random) {
  search::LibrarySnapshot snapshot;
  for (int s = 0; s < kSpecialties; ++s) {
    for (int c = 0; c < kCategories; ++c) {
      std::u16string folder = u"/lib/" + base::decimal(s) + u"/" + base::decimal(c);
      std::u16string category = std::u16string(kCategoryWords[c % 10]) + base::decimal(c / 10);
      snapshot.categoryNames.push_back({folder, {kSpecialtyNames[s], category}});
      for (int k = 0; k < kItems; ++k) {
        std::u16string name = std::u16string(kWords[random() % 40]) + kKinds[random() % 10] + base::decimal(random() % 100);
        std::u16string id = base::decimal((s * kCategories + c) * kItems + k);
        snapshot.blocks.push_back({u"http://x/" + folder, folder, id, name, u"胸径" + base::decimal(random() % 30) + u"cm",
                                   u"样例图块，" + name, u"墨匣样例库", u"no"});
      }
    }
  }
  return snapshot;
}

std::u16string pinyinOf(std::u16string_view text, bool initialsOnly) {
  const search::ReadingTable& table = search::ReadingTable::instance();
  std::u16string out;
  for (char16_t c : text) {
    auto syllables = table.syllables(table.readingsOf(c));
    if (syllables.empty()) continue;
    std::string_view s = table.syllable(syllables[0]);
    out += initialsOnly ? std::u16string(1, char16_t(s[0])) : base::fromUtf8(s);
  }
  return out;
}

std::vector<std::u16string> queries(const search::LibrarySnapshot& library, std::mt19937& random) {
  std::vector<std::u16string> out;
  for (int k = 0; k < kQueries; ++k) {
    const std::u16string& name = library.blocks[random() % library.blocks.size()].name;
    switch (k % 6) {
      case 0: out.push_back(std::u16string(1, char16_t(u'a' + random() % 26))); break;
      case 1: out.push_back(std::u16string{char16_t(u'a' + random() % 26), char16_t(u'a' + random() % 26)}); break;
      case 2: out.push_back(pinyinOf(name.substr(0, 3), true)); break;
      case 3: out.push_back(pinyinOf(name.substr(0, 2), false)); break;
      case 4: out.push_back(name.substr(name.size() > 3 ? 1 : 0, 2)); break;
      default: out.push_back(u"龘" + base::decimal(k)); break;
    }
  }
  return out;
}

struct Times {
  double median, worst;
  size_t hits;
};

template <typename Find>
Times timeQueries(const std::vector<std::u16string>& all, Find find) {
  std::vector<double> times;
  size_t hits = 0;
  for (const std::u16string& q : all) {
    auto start = Clock::now();
    hits += find(q);
    times.push_back(msSince(start));
  }
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], times.back(), hits};
}

}  // namespace

int main() {
  std::mt19937 random(12);
  search::LibrarySnapshot library = generate(random);
  std::vector<std::u16string> all = queries(library, random);
  search::ReadingTable::instance();  // the reading table is made once per process, not per index

  std::vector<double> builds;
  for (int run = 0; run < 5; ++run) {
    search::LibrarySnapshot copy = library;  // the gallery hands its copy over
    auto start = Clock::now();
    search::LibrarySearch built(std::move(copy));
    builds.push_back(msSince(start));
  }
  std::sort(builds.begin(), builds.end());
  size_t heapBefore = mallinfo2().uordblks;
  search::LibrarySearch index(library);
  size_t heapIndex = mallinfo2().uordblks - heapBefore;

  // The peer: each block's item-list texts in one string, searched for the query as typed.
  std::vector<std::u16string> texts;
  for (const library::BlockRecord& b : library.blocks)
    texts.push_back(b.name + u"\n" + b.spec + u"\n" + b.detail + u"\n" + b.mfrs);

  Times ours = timeQueries(all, [&](const std::u16string& q) { return index.find(q, {})->size(); });
  Times plain = timeQueries(all, [&](const std::u16string& q) {
    size_t n = 0;
    for (const std::u16string& t : texts) n += t.find(q) != std::u16string::npos;
    return n;
  });
  std::printf("%zu blocks, %zu distinct texts, %d queries\n", library.blocks.size(), index.index().textCount(), kQueries);
  std::printf("index build: %.1f ms (median of 5)\n", builds[builds.size() / 2]);
  std::printf("index memory: %.1f MB in the index's tables, %.1f MB heap with the copied block records\n",
              index.index().memoryBytes() / 1e6, heapIndex / 1e6);
  std::printf("pinyin search: median %.3f ms, worst %.3f ms, %zu hits in all\n", ours.median, ours.worst, ours.hits);
  std::printf("plain substring scan: median %.3f ms, worst %.3f ms, %zu hits in all\n", plain.median, plain.worst, plain.hits);
  const char* kinds[] = {"one letter", "two letters", "initials", "full pinyin", "characters", "no hit"};
  for (int kind = 0; kind < 6; ++kind) {
    std::vector<std::u16string> some;
    for (size_t k = kind; k < all.size(); k += 6) some.push_back(all[k]);
    Times t = timeQueries(some, [&](const std::u16string& q) { return index.find(q, {})->size(); });
    std::printf("  %-12s median %.3f ms, worst %.3f ms, %zu hits a query\n", kinds[kind], t.median, t.worst,
                t.hits / some.size());
  }
  return 0;
}
