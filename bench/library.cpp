// Rebuild and available blocks on a generated library: 10 specialties of 10 categories with 5
// sub-categories each, so 500 leaf categories with 100 items each (50,000 blocks), every second DWG
// file present. One warm-up run fills the system's file cache; the median of the timed runs is
// printed beside its peers in the same run: reading the 500 lists' bytes alone, and scanning them
// from memory alone.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <time.h>
#include <unistd.h>

#include "base/FolderNames.h"
#include "base/Files.h"
#include "base/Path.h"
#include "base/Text.h"
#include "library/AvailableBlocks.h"
#include "library/Categories.h"
#include "library/ItemList.h"
#include "library/PathsAndSettings.h"
#include "library/Selection.h"
#include "library/TextFile.h"

namespace {

constexpr int kSpecialties = 10, kCategories = 10, kSubCategories = 5, kItems = 100;
constexpr int kRuns = 9;

std::u16string num(int n) { return base::decimal(n); }

std::u16string itemList(const std::u16string& prefix) {
  std::u16string text = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<root>\r\n";
  for (int k = 0; k < kItems; ++k) {
    text += u"<Item id=\" " + prefix + u"-" + num(k) + u" \"><Name>块" + num(k) + u".dwg</Name>";
    text += u"<Spec>1200x600</Spec><Detail>细节说明文字 " + num(k) + u"</Detail><Mfrs>厂商</Mfrs>";
    text += u"<Url>http://127.0.0.1/" + prefix + u"</Url></Item>\r\n";
  }
  return text + u"</root>\r\n";
}

// Writes the index, the selection, every leaf's list and every second DWG file; gives the lists.
std::vector<std::u16string> generate(const library::LibraryPlace& place) {
  std::vector<std::u16string> lists;
  std::u16string index = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<root>\r\n";
  for (int s = 0; s < kSpecialties; ++s) {
    std::u16string sName = num(s) + u"_专业";
    index += u"<Folder name=\"S" + num(s) + u"\" local=\"" + sName + u"\"><Num>" + num(s) + u"</Num>\r\n";
    for (int c = 0; c < kCategories; ++c) {
      std::u16string cName = u"类" + num(c);
      index += u" <Parent name=\"C" + num(c) + u"\" local=\"" + cName + u"\">\r\n";
      for (int k = 0; k < kSubCategories; ++k) {
        std::u16string kName = u"子" + num(k);
        index += u"  <Child name=\"K" + num(k) + u"\">" + kName + u"</Child>\r\n";
        std::u16string folder = base::joinPath(base::joinPath(base::joinPath(place.dataRoot, sName), cName), kName);
        std::filesystem::create_directories(std::filesystem::path(folder));
        std::u16string list = base::joinPath(folder, library::kItemListFile);
        library::writeWholeTextFile(list, itemList(num(s) + u"-" + num(c) + u"-" + num(k)));
        lists.push_back(list);
        for (int i = 0; i < kItems; i += 2)
          base::files::writeWhole(base::joinPath(folder, u"块" + num(i) + u".dwg"), "AC1015");
      }
      index += u" </Parent>\r\n";
    }
    index += u"</Folder>\r\n";
  }
  library::writeWholeTextFile(base::joinPath(place.dataRoot, library::kIndexFile), index + u"</root>\r\n");
  library::writeSelection(place.dataRoot, std::u16string(kSpecialties, u'1'));
  return lists;
}

struct Timing {
  double medianMs;
  double medianCpuMs;   // this thread's processor time, less disturbed by other work on the machine
  uint64_t queries;   // file-system queries of one run
  size_t result;
};

double threadCpuMs() {
  timespec t;
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

Timing measure(const std::function<size_t()>& run) {
  run();
  std::vector<double> ms, cpu;
  uint64_t queries = 0;
  size_t result = 0;
  for (int i = 0; i < kRuns; ++i) {
    uint64_t before = base::files::queryCount();
    auto start = std::chrono::steady_clock::now();
    double cpuStart = threadCpuMs();
    result = run();
    cpu.push_back(threadCpuMs() - cpuStart);
    auto stop = std::chrono::steady_clock::now();
    queries = base::files::queryCount() - before;
    ms.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
  }
  std::sort(ms.begin(), ms.end());
  std::sort(cpu.begin(), cpu.end());
  return Timing{ms[ms.size() / 2], cpu[cpu.size() / 2], queries, result};
}

void report(const char* what, const Timing& t, const char* unit) {
  std::printf("%-42s %8.2f ms (cpu %8.2f ms)  %6llu queries  %7zu %s\n", what, t.medianMs, t.medianCpuMs,
              (unsigned long long)t.queries, t.result, unit);
}

}  // namespace

int main() {
  char pattern[] = "/tmp/blockery-bench-library-XXXXXX";
  if (!::mkdtemp(pattern)) return 1;
  const std::filesystem::path tmp = pattern;
  library::LibraryPlace place{(tmp / "data").u16string(), (tmp / "program").u16string(),
                              u"http://127.0.0.1:8480/InkCasket"};
  std::filesystem::create_directories(tmp / "data");
  const std::vector<std::u16string> lists = generate(place);

  std::vector<std::u16string> texts;
  for (const auto& list : lists) texts.push_back(library::readWholeTextFile(list));

  library::Categories categories;
  Timing full = measure([&] {
    library::rebuildCategories(place, categories);
    return library::loadAvailableBlocks(categories.table).size();
  });
  Timing rebuild = measure([&] {
    library::rebuildCategories(place, categories);
    return categories.table.size();
  });
  Timing bytes = measure([&] {
    size_t total = 0;
    std::string data;
    for (const auto& list : lists) total += base::files::readWhole(list, data) ? data.size() : 0;
    return total;
  });
  Timing listing = measure([&] {
    size_t folders = 0;
    for (const auto& list : lists) folders += base::FolderNames(list.substr(0, list.rfind(base::kPathSeparator))).listed();
    return folders;
  });
  Timing parse = measure([&] {
    library::BlockList blocks;
    const library::CategoryRow row{library::RowLevel::SubCategory, u"http://h", u"/lib"};
    for (const auto& list : lists) library::parseItemList(list, row, blocks);
    return blocks.size();
  });
  Timing scan = measure([&] {
    library::BlockList blocks;
    const library::CategoryRow row{library::RowLevel::SubCategory, u"http://h", u"/lib"};
    for (const auto& text : texts) library::scanItemList(text, row, blocks);
    return blocks.size();
  });

  std::printf("library of %zu leaf categories, %d items each, every second DWG file present; median of %d runs\n",
              lists.size(), kItems, kRuns);
  report("rebuildCategories + loadAvailableBlocks", full, "blocks available");
  report("rebuildCategories alone", rebuild, "rows");
  report("peer: read the bytes of every item list", bytes, "bytes");
  report("peer: list every leaf folder", listing, "folders");
  report("peer: parse every item list from disk", parse, "blocks listed");
  report("peer: scan every item list from memory", scan, "blocks listed");
  std::printf("existence queries per listed block: %.3f\n",
              double(full.queries) / double(lists.size() * kItems));

  std::error_code ignored;
  std::filesystem::remove_all(tmp, ignored);
  return 0;
}
