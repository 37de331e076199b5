// Markup documents against pugixml and expat on the same 20 MB documents: parse of text already in
// memory, and load from a file plus parse. Prints MB/s of UTF-8 input and peak heap use.
#include <expat.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <new>
#include <pugixml.hpp>
#include <string>

#include "base/Text.h"
#include "markup/MarkupDocument.h"

namespace {

// Every heap block carries its size in a header so that live bytes, and their peak, are known.
std::atomic<size_t> live{0}, peak{0};
constexpr size_t kHeader = 16;

void* counted(size_t n) {
  auto* p = static_cast<char*>(std::malloc(n + kHeader));
  if (!p) return nullptr;
  *reinterpret_cast<size_t*>(p) = n;
  size_t now = live.fetch_add(n) + n;
  size_t was = peak.load();
  while (now > was && !peak.compare_exchange_weak(was, now)) {
  }
  return p + kHeader;
}

void uncounted(void* q) {
  if (!q) return;
  char* p = static_cast<char*>(q) - kHeader;
  live.fetch_sub(*reinterpret_cast<size_t*>(p));
  std::free(p);
}

void* countedRealloc(void* q, size_t n) {
  if (!q) return counted(n);
  size_t old = *reinterpret_cast<size_t*>(static_cast<char*>(q) - kHeader);
  void* p = counted(n);
  if (p) std::memcpy(p, q, std::min(old, n));
  uncounted(q);
  return p;
}

}  // namespace

void* operator new(size_t n) {
  if (void* p = counted(n)) return p;
  throw std::bad_alloc();
}
void* operator new[](size_t n) { return operator new(n); }
void operator delete(void* p) noexcept { uncounted(p); }
void operator delete[](void* p) noexcept { uncounted(p); }
void operator delete(void* p, size_t) noexcept { uncounted(p); }
void operator delete[](void* p, size_t) noexcept { uncounted(p); }

namespace {

constexpr size_t kTarget = 20u << 20;
constexpr int kRounds = 5;

std::string itemDocument() {
  std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<root>\r\n";
  for (unsigned i = 0; s.size() < kTarget; ++i) {
    std::string n = std::to_string(i);
    s += "<Item id=\"" + n + "\"><Name>景观植物 " + n + " &amp; 乔木</Name><Spec>规格 &lt;" + n +
         "&gt; 高3米</Spec><Maker>墨韵图库</Maker><Path>\\植物\\乔木\\" + n + ".dwg</Path></Item>\r\n";
  }
  return s + "</root>\r\n";
}

std::string structuredDocument() {
  std::string s = "<?xml version=\"1.0\"?>\r\n<library version=\"2\">\r\n";
  for (unsigned i = 0; s.size() < kTarget; ++i) {
    std::string n = std::to_string(i);
    s += "<group id=\"g" + n + "\" kind='block' visible=\"true\" order=\"" + n + "\">\r\n  <!-- group " + n +
         " of the library -->\r\n";
    for (int d = 0; d < 12; ++d) s += std::string(size_t(d) + 2, ' ') + "<level depth=\"" + std::to_string(d) + "\" a=\"x\">\r\n";
    s += "<data format=\"raw\"><![CDATA[<p>" + n + " & raw text</p>]]></data><note lang=\"zh\">说明 " + n + "</note>\r\n";
    for (int d = 11; d >= 0; --d) s += std::string(size_t(d) + 2, ' ') + "</level>\r\n";
    s += "</group>\r\n";
  }
  return s + "</library>\r\n";
}

struct Result {
  double seconds = 1e9;
  size_t peakBytes = 0;
  bool ok = false;
};

// Best time of several rounds; peak heap above what was live before each round.
Result measure(const std::function<bool()>& run) {
  Result r;
  for (int i = 0; i < kRounds; ++i) {
    size_t before = live.load();
    peak.store(before);
    auto t0 = std::chrono::steady_clock::now();
    r.ok = run();
    double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    r.seconds = std::min(r.seconds, s);
    r.peakBytes = std::max(r.peakBytes, peak.load() - before);
  }
  return r;
}

void print(const char* what, size_t inputBytes, const Result& r) {
  std::printf("  %-34s %8.1f MB/s %9.1f MB peak %s\n", what, double(inputBytes) / r.seconds / 1e6,
              double(r.peakBytes) / 1e6, r.ok ? "" : "(failed)");
}

bool expatParse(const char* data, size_t size) {
  XML_Memory_Handling_Suite suite{counted, countedRealloc, uncounted};
  XML_Parser parser = XML_ParserCreate_MM(nullptr, &suite, nullptr);
  XML_SetElementHandler(parser, [](void*, const XML_Char*, const XML_Char**) {}, [](void*, const XML_Char*) {});
  XML_SetCharacterDataHandler(parser, [](void*, const XML_Char*, int) {});
  bool ok = XML_Parse(parser, data, int(size), 1) == XML_STATUS_OK;
  XML_ParserFree(parser);
  return ok;
}

bool expatFile(const char* path) {
  XML_Memory_Handling_Suite suite{counted, countedRealloc, uncounted};
  XML_Parser parser = XML_ParserCreate_MM(nullptr, &suite, nullptr);
  XML_SetElementHandler(parser, [](void*, const XML_Char*, const XML_Char**) {}, [](void*, const XML_Char*) {});
  XML_SetCharacterDataHandler(parser, [](void*, const XML_Char*, int) {});
  FILE* f = std::fopen(path, "rb");
  bool ok = f != nullptr;
  for (size_t got = 1; ok && got > 0;) {
    void* buffer = XML_GetBuffer(parser, 1 << 16);
    got = std::fread(buffer, 1, 1 << 16, f);
    ok = XML_ParseBuffer(parser, int(got), got == 0) == XML_STATUS_OK;
  }
  if (f) std::fclose(f);
  XML_ParserFree(parser);
  return ok;
}

void compare(const char* title, const std::string& utf8) {
  std::printf("%s: %.1f MB of UTF-8\n", title, double(utf8.size()) / 1e6);
  const std::string path = "/tmp/blockery-bench-markup.xml";
  FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(utf8.data(), 1, utf8.size(), f);
  std::fclose(f);

  {
    // The wide text moves into a fresh document each round (no copy), so the index is built anew.
    std::u16string wide = base::fromUtf8(utf8);
    print("markup parse (wide text in memory)", utf8.size(), measure([&] {
            markup::MarkupDocument doc;
            doc.adoptText(std::move(wide));
            bool ok = doc.parse();
            wide = doc.takeText();
            return ok;
          }));
  }
  print("pugixml load_buffer", utf8.size(), measure([&] {
          pugi::xml_document doc;
          return bool(doc.load_buffer(utf8.data(), utf8.size()));
        }));
  print("expat parse", utf8.size(), measure([&] { return expatParse(utf8.data(), utf8.size()); }));
  print("markup loadFile + parse", utf8.size(), measure([&] {
          markup::MarkupDocument doc;
          return doc.loadFile(base::fromUtf8(path)) && doc.parse();
        }));
  print("pugixml load_file", utf8.size(), measure([&] {
          pugi::xml_document doc;
          return bool(doc.load_file(path.c_str()));
        }));
  print("expat file (64 KB reads) + parse", utf8.size(), measure([&] { return expatFile(path.c_str()); }));
  std::remove(path.c_str());
}

}  // namespace

int main() {
  pugi::set_memory_management_functions(counted, uncounted);
  std::printf("best of %d rounds; peak = most heap in use during a round beyond what was in use before\n", kRounds);
  compare("Items with Chinese text and references", itemDocument());
  compare("Attributes, comments, CDATA, deep nesting", structuredDocument());
  return 0;
}
