#include "markup/EncodingNames.h"

#include <vector>

#include "markup/MarkupChars.h"

namespace markup::encoding {

namespace {

struct Name {
  int codePage;
  std::u16string_view name;  // lower case, as matched
};

constexpr Name kNames[kNameCount] = {
    {154, u"cp154"}, {154, u"csptcp154"}, {154, u"cyrillic-asian"}, {154, u"pt154"}, {154, u"ptcp154"},
    {437, u"codepage437"}, {437, u"cp437"}, {437, u"cspc8"}, {437, u"cspc8codepage437"}, {437, u"ibm437"},
    {708, u"asmo-708"},
    {720, u"dos-720"},
    {737, u"cp737"}, {737, u"ibm737"},
    {775, u"cp500"}, {775, u"cp775"}, {775, u"csibm500"}, {775, u"cspc775baltic"}, {775, u"ebcdic-cp-be"},
    {775, u"ebcdic-cp-ch"}, {775, u"ibm775"},
    {850, u"cp850"}, {850, u"cspc850multilingual"}, {850, u"ibm850"},
    {852, u"cp852"}, {852, u"cspcp852"}, {852, u"ibm852"},
    {853, u"cp853"},
    {855, u"cp855"}, {855, u"csibm855"}, {855, u"ibm855"},
    {857, u"cp857"}, {857, u"csibm857"}, {857, u"ibm857"},
    {858, u"ccsid00858"}, {858, u"cp00858"}, {858, u"cp858"}, {858, u"ibm00858"},
    {858, u"pc-multilingual-850+euro"},
    {860, u"cp860"}, {860, u"csibm860"}, {860, u"ibm860"},
    {861, u"cp-is"}, {861, u"cp861"}, {861, u"csibm861"}, {861, u"ibm861"},
    {862, u"cp862"}, {862, u"cspc862latinhebrew"}, {862, u"dos-862"}, {862, u"ibm862"},
    {863, u"cp863"}, {863, u"csibm863"}, {863, u"ibm863"},
    {864, u"cp864"}, {864, u"csibm864"}, {864, u"ibm864"},
    {865, u"cp865"}, {865, u"csibm865"}, {865, u"ibm865"},
    {866, u"cp866"}, {866, u"csibm866"}, {866, u"ibm866"},
    {869, u"cp-gr"}, {869, u"cp869"}, {869, u"csibm869"}, {869, u"ibm869"},
    {874, u"cp874"}, {874, u"dos-874"}, {874, u"iso-8859-11"}, {874, u"tis-620"}, {874, u"windows-874"},
    {932, u"cp932"}, {932, u"csshiftjis"}, {932, u"cswindows31j"}, {932, u"ms932"}, {932, u"ms_kanji"},
    {932, u"shifft_jis"}, {932, u"shifft_jis-ms"}, {932, u"shift-jis"}, {932, u"shift_jis"}, {932, u"sjis"},
    {932, u"sjis-ms"}, {932, u"sjis-open"}, {932, u"sjis-win"}, {932, u"windows-31j"}, {932, u"windows-932"},
    {932, u"x-ms-cp932"}, {932, u"x-sjis"},
    {936, u"chinese"}, {936, u"cn-gb"}, {936, u"cp936"}, {936, u"csgb2312"}, {936, u"csgb231280"},
    {936, u"csiso58gb231280"}, {936, u"gb2312"}, {936, u"gb2312-80"}, {936, u"gb231280"},
    {936, u"gb_2312-80"}, {936, u"gbk"}, {936, u"iso-ir-58"}, {936, u"ms936"}, {936, u"windows-936"},
    {949, u"cp949"}, {949, u"csksc56011987"}, {949, u"iso-ir-149"}, {949, u"korean"}, {949, u"ks-c-5601"},
    {949, u"ks-c5601"}, {949, u"ks_c_5601"}, {949, u"ks_c_5601-1987"}, {949, u"ks_c_5601-1989"},
    {949, u"ks_c_5601_1987"}, {949, u"ksc5601"}, {949, u"ksc_5601"}, {949, u"uhc"},
    {950, u"big5"}, {950, u"big5-hkscs"}, {950, u"cn-big5"}, {950, u"cp950"}, {950, u"csbig5"},
    {950, u"x-x-big5"},
    {1125, u"cp1125"},
    {1133, u"cp1133"}, {1133, u"ibm-cp1133"},
    {1200, u"cp1200"}, {1200, u"ucs-2"}, {1200, u"ucs-2le"}, {1200, u"unicode"}, {1200, u"utf-16"},
    {1200, u"utf-16le"}, {1200, u"utf16"}, {1200, u"utf16le"},
    {1201, u"cp1201"}, {1201, u"ucs-2be"}, {1201, u"unicodefffe"}, {1201, u"utf-16be"}, {1201, u"utf16be"},
    {1250, u"cp1250"}, {1250, u"ms-ee"}, {1250, u"windows-1250"}, {1250, u"x-cp1250"},
    {1251, u"cp1251"}, {1251, u"ms-cyrl"}, {1251, u"windows-1251"}, {1251, u"x-cp1251"},
    {1252, u"cp1252"}, {1252, u"ms-ansi"}, {1252, u"windows-1252"}, {1252, u"x-ansi"},
    {1253, u"cp1253"}, {1253, u"ms-greek"}, {1253, u"windows-1253"},
    {1254, u"cp1254"}, {1254, u"ms-turk"}, {1254, u"windows-1254"},
    {1255, u"cp1255"}, {1255, u"ms-hebr"}, {1255, u"windows-1255"},
    {1256, u"cp1256"}, {1256, u"cp1256 "}, {1256, u"ms-arab"}, {1256, u"windows-1256"},
    {1257, u"cp1257"}, {1257, u"winbaltrim"}, {1257, u"windows-1257"},
    {1258, u"cp1258"}, {1258, u"windows-1258"},
    {1361, u"cp1361"}, {1361, u"johab"},
    {10000, u"csmacintosh"}, {10000, u"mac"}, {10000, u"macintosh"},
    {10001, u"x-mac-japanese"},
    {10002, u"x-mac-chinesetrad"},
    {10003, u"x-mac-korean"},
    {10004, u"x-mac-arabic"},
    {10005, u"x-mac-hebrew"},
    {10006, u"x-mac-greek"},
    {10007, u"x-mac-cyrillic"},
    {10008, u"x-mac-chinesesimp"},
    {10010, u"x-mac-romanian"},
    {10017, u"x-mac-ukrainian"},
    {10021, u"x-mac-thai"},
    {10029, u"x-mac-ce"},
    {10079, u"x-mac-icelandic"},
    {10081, u"x-mac-turkish"},
    {10082, u"x-mac-croatian"},
    {12000, u"cp12000"}, {12000, u"utf-32"}, {12000, u"utf-32le"}, {12000, u"utf32"}, {12000, u"utf32le"},
    {12001, u"cp12001"}, {12001, u"utf-32be"}, {12001, u"utf32be"},
    {20000, u"x-chinese-cns"}, {20000, u"x-chinese_cns"},
    {20001, u"x-cp20001"},
    {20002, u"x-chinese-eten"}, {20002, u"x_chinese-eten"},
    {20003, u"x-cp20003"},
    {20004, u"x-cp20004"},
    {20005, u"x-cp20005"},
    {20105, u"x-ia5"},
    {20106, u"x-ia5-german"},
    {20107, u"x-ia5-swedish"},
    {20108, u"x-ia5-norwegian"},
    {20127, u"ansi_x3.4-1968"}, {20127, u"ansi_x3.4-1986"}, {20127, u"ascii"}, {20127, u"cp367"},
    {20127, u"csascii"}, {20127, u"ibm367"}, {20127, u"iso-ir-6"}, {20127, u"iso-ir-6us"},
    {20127, u"iso646-us"}, {20127, u"iso_646.irv:1991"}, {20127, u"us"}, {20127, u"us-ascii"},
    {20261, u"x-cp20261"},
    {20269, u"x-cp20269"},
    {20866, u"cskoi8r"}, {20866, u"koi"}, {20866, u"koi8"}, {20866, u"koi8-r"}, {20866, u"koi8r"},
    {20932, u"cseucpkdfmtjapanese"}, {20932, u"euc-jp"},
    {20932, u"extended_unix_code_packed_format_for_japanese"},
    {20936, u"x-cp20936"},
    {20949, u"x-cp20949"},
    {21866, u"koi8-ru"}, {21866, u"koi8-u"},
    {28591, u"cp819"}, {28591, u"csisolatin1"}, {28591, u"ibm819"}, {28591, u"iso-8859-1"},
    {28591, u"iso-ir-100"}, {28591, u"iso8859-1"}, {28591, u"iso_8859-1"}, {28591, u"iso_8859-1:1987"},
    {28591, u"l1"}, {28591, u"latin1"},
    {28592, u"csisolatin2"}, {28592, u"iso-8859-2"}, {28592, u"iso-ir-101"}, {28592, u"iso8859-2"},
    {28592, u"iso_8859-2"}, {28592, u"iso_8859-2:1987"}, {28592, u"l2"}, {28592, u"latin2"},
    {28593, u"csisolatin3"}, {28593, u"iso-8859-3"}, {28593, u"iso-ir-109"}, {28593, u"iso8859-3"},
    {28593, u"iso_8859-3"}, {28593, u"iso_8859-3:1988"}, {28593, u"l3"}, {28593, u"latin3"},
    {28594, u"csisolatin4"}, {28594, u"iso-8859-4"}, {28594, u"iso-ir-110"}, {28594, u"iso8859-4"},
    {28594, u"iso_8859-4"}, {28594, u"iso_8859-4:1988"}, {28594, u"l4"}, {28594, u"latin4"},
    {28595, u"csisolatin5"}, {28595, u"csisolatincyrillic"}, {28595, u"cyrillic"}, {28595, u"iso-8859-5"},
    {28595, u"iso-ir-144"}, {28595, u"iso8859-5"}, {28595, u"iso_8859-5"}, {28595, u"iso_8859-5:1988"},
    {28596, u"arabic"}, {28596, u"csisolatinarabic"}, {28596, u"ecma-114"}, {28596, u"iso-8859-6"},
    {28596, u"iso-ir-127"}, {28596, u"iso8859-6"}, {28596, u"iso_8859-6"}, {28596, u"iso_8859-6:1987"},
    {28597, u"csisolatingreek"}, {28597, u"ecma-118"}, {28597, u"elot_928"}, {28597, u"greek"},
    {28597, u"greek8"}, {28597, u"iso-8859-7"}, {28597, u"iso-ir-126"}, {28597, u"iso8859-7"},
    {28597, u"iso_8859-7"}, {28597, u"iso_8859-7:1987"},
    {28598, u"csisolatinhebrew"}, {28598, u"hebrew"}, {28598, u"iso-8859-8"}, {28598, u"iso-ir-138"},
    {28598, u"iso8859-8"}, {28598, u"iso_8859-8"}, {28598, u"iso_8859-8:1988"}, {28598, u"visual"},
    {28599, u"iso-8859-9"}, {28599, u"iso-ir-148"}, {28599, u"iso8859-9"}, {28599, u"iso_8859-9"},
    {28599, u"iso_8859-9:1989"}, {28599, u"l5"}, {28599, u"latin5"},
    {28603, u"iso-8859-13"}, {28603, u"iso8859-13"},
    {28605, u"iso-8859-15"}, {28605, u"iso8859-15"}, {28605, u"iso_8859-15"}, {28605, u"l9"},
    {28605, u"latin-9"}, {28605, u"latin9"},
    {29001, u"x-europa"},
    {38598, u"iso-8859-8-i"}, {38598, u"iso8859-8-i"}, {38598, u"logical"},
    {50220, u"iso-2022-jp"},
    {50221, u"_iso-2022-jp"}, {50221, u"cp50221"}, {50221, u"csiso2022jp"}, {50221, u"iso-2022-jp-ms"},
    {50221, u"iso2022-jp-ms"}, {50221, u"ms50221"}, {50221, u"windows-50221"},
    {50222, u"_iso-2022-jp$sio"},
    {50225, u"csiso2022kr"}, {50225, u"iso-2022-kr"}, {50225, u"iso2022-kr"},
    {50227, u"x-cp50227"},
    {51932, u"cp51932"}, {51932, u"ms51932"}, {51932, u"windows-51932"}, {51932, u"x-euc"},
    {51932, u"x-euc-jp"},
    {51936, u"euc-cn"}, {51936, u"x-euc-cn"},
    {51949, u"cseuckr"}, {51949, u"euc-kr"},
    {52936, u"hz-gb-2312"},
    {54936, u"gb18030"}, {54936, u"iso-4873:1986"},
    {57002, u"x-iscii-de"},
    {57003, u"x-iscii-be"},
    {57004, u"x-iscii-ta"},
    {57005, u"x-iscii-te"},
    {57006, u"x-iscii-as"},
    {57007, u"x-iscii-or"},
    {57008, u"x-iscii-ka"},
    {57009, u"x-iscii-ma"},
    {57010, u"x-iscii-gu"},
    {57011, u"x-iscii-pa"},
    {65000, u"csunicode11utf7"}, {65000, u"unicode-1-1-utf-7"}, {65000, u"utf-7"},
    {65000, u"x-unicode-2-0-utf-7"},
    {65001, u"cp65001"}, {65001, u"unicode-1-1-utf-8"}, {65001, u"unicode-2-0-utf-8"}, {65001, u"utf-8"},
    {65001, u"utf8"}, {65001, u"x-unicode-2-0-utf-8"},
};

struct Entry {
  uint8_t length;
  int codePage;
  std::u16string_view name;
};

// Buckets keyed by the sum of the lower-case name's characters.
class Hash {
public:
  Hash() {
    for (const Name& n : kNames) {
      buckets_[key(n.name)].push_back({uint8_t(n.name.size()), n.codePage, n.name});
      if (pages_.empty() || pages_.back() != n.codePage) pages_.push_back(n.codePage);
    }
  }

  int find(std::u16string_view lowerName) const {
    for (const Entry& e : buckets_[key(lowerName)])
      if (e.length == lowerName.size() && e.name == lowerName) return e.codePage;
    return kUnknown;
  }

  const std::vector<int>& pages() const { return pages_; }

private:
  static unsigned key(std::u16string_view lowerName) {
    unsigned sum = 0;
    for (char16_t c : lowerName) sum += c;
    return sum % kBucketCount;
  }

  std::vector<Entry> buckets_[kBucketCount];
  std::vector<int> pages_;
};

const Hash& hash() {
  static const Hash table;
  return table;
}

}  // namespace

int encodingCodePage(std::u16string_view name) {
  if (name.empty()) return kAnsi;
  if (name.substr(0, 6) == u"UTF-32") return kUtf32;
  if (name.size() >= 100) return kUnknown;
  char16_t lower[100];
  for (size_t i = 0; i < name.size(); ++i) lower[i] = chars::lower(name[i]);
  return hash().find(std::u16string_view(lower, name.size()));
}

const int* tableCodePages(int& count) {
  count = int(hash().pages().size());
  return hash().pages().data();
}

}  // namespace markup::encoding
