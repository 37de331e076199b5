#include "base/CodePageNames.h"

#include <iconv.h>

#include <unordered_map>

namespace base::codepage {

namespace {

struct Entry {
  unsigned codePage;
  const char* name;
};

// Every Windows code page that markup files may name and glibc iconv can convert, sorted by page.
// Pages iconv has no converter for (720, 853, most Mac pages, 20001-20005, 20105, 29001, HZ 52936,
// the ISCII pages 57002-57011) are left out and fall back as the ANSI page does.
constexpr Entry kNames[] = {
    {154, "PT154"}, {437, "CP437"}, {708, "ASMO-708"}, {737, "CP737"}, {775, "CP775"}, {850, "CP850"},
    {852, "CP852"}, {855, "CP855"}, {857, "CP857"}, {858, "CP858"}, {860, "CP860"}, {861, "CP861"},
    {862, "CP862"}, {863, "CP863"}, {864, "CP864"}, {865, "CP865"}, {866, "CP866"}, {869, "CP869"},
    {874, "CP874"}, {932, "CP932"}, {936, "CP936"}, {949, "CP949"}, {950, "CP950"}, {1125, "CP1125"},
    {1133, "CP1133"}, {1200, "UTF-16LE"}, {1201, "UTF-16BE"}, {1250, "CP1250"}, {1251, "CP1251"},
    {1252, "CP1252"}, {1253, "CP1253"}, {1254, "CP1254"}, {1255, "CP1255"}, {1256, "CP1256"},
    {1257, "CP1257"}, {1258, "CP1258"}, {1361, "JOHAB"}, {10000, "MACINTOSH"}, {10007, "MACCYRILLIC"},
    {10017, "MACUKRAINIAN"}, {10029, "MAC-CENTRALEUROPE"}, {10079, "MAC-IS"}, {12000, "UTF-32LE"},
    {12001, "UTF-32BE"}, {20000, "EUC-TW"}, {20106, "DIN_66003"}, {20107, "SEN_850200_B"},
    {20108, "NS_4551-1"}, {20127, "ASCII"}, {20261, "T.61-8BIT"}, {20269, "ISO_6937"}, {20866, "KOI8-R"},
    {20932, "EUC-JP"}, {20936, "GB2312"}, {20949, "EUC-KR"}, {21866, "KOI8-U"}, {28591, "ISO-8859-1"},
    {28592, "ISO-8859-2"}, {28593, "ISO-8859-3"}, {28594, "ISO-8859-4"}, {28595, "ISO-8859-5"},
    {28596, "ISO-8859-6"}, {28597, "ISO-8859-7"}, {28598, "ISO-8859-8"}, {28599, "ISO-8859-9"},
    {28603, "ISO-8859-13"}, {28605, "ISO-8859-15"}, {38598, "ISO-8859-8"}, {50220, "ISO-2022-JP"},
    {50221, "ISO-2022-JP"}, {50222, "ISO-2022-JP"}, {50225, "ISO-2022-KR"}, {50227, "ISO-2022-CN"},
    {51932, "EUC-JP-MS"}, {51936, "EUC-CN"}, {51949, "EUC-KR"}, {54936, "GB18030"}, {65000, "UTF-7"},
    {65001, "UTF-8"},
};

// Probed once: a name in the table may still be missing from a trimmed iconv installation.
const std::unordered_map<unsigned, const char*>& available() {
  static const std::unordered_map<unsigned, const char*> known = [] {
    std::unordered_map<unsigned, const char*> map;
    for (const Entry& e : kNames) {
      iconv_t probe = iconv_open("UTF-16LE", e.name);
      if (probe == iconv_t(-1)) continue;
      iconv_close(probe);
      map.emplace(e.codePage, e.name);
    }
    return map;
  }();
  return known;
}

}  // namespace

const char* iconvName(unsigned codePage) {
  auto it = available().find(codePage);
  return it == available().end() ? nullptr : it->second;
}

}  // namespace base::codepage
