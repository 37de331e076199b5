#include "base/CodePageNames.h"

#include <iconv.h>

#include <algorithm>
#include <iterator>

namespace base::codepage {

namespace {

struct Entry {
  unsigned codePage;
  const char* name;
};

// Sorted by code page.
constexpr Entry kNames[] = {
    {437, "CP437"},         {737, "CP737"},         {775, "CP775"},        {850, "CP850"},
    {852, "CP852"},         {855, "CP855"},         {857, "CP857"},        {858, "CP858"},
    {860, "CP860"},         {861, "CP861"},         {862, "CP862"},        {863, "CP863"},
    {864, "CP864"},         {865, "CP865"},         {866, "CP866"},        {869, "CP869"},
    {874, "CP874"},         {932, "CP932"},         {936, "CP936"},        {949, "CP949"},
    {950, "CP950"},         {1200, "UTF-16LE"},     {1201, "UTF-16BE"},    {1250, "CP1250"},
    {1251, "CP1251"},       {1252, "CP1252"},       {1253, "CP1253"},      {1254, "CP1254"},
    {1255, "CP1255"},       {1256, "CP1256"},       {1257, "CP1257"},      {1258, "CP1258"},
    {1361, "JOHAB"},        {10000, "MACINTOSH"},   {10004, "MACARABIC"},  {10005, "MACHEBREW"},
    {10006, "MACGREEK"},    {10007, "MACCYRILLIC"}, {10010, "MACROMANIA"}, {10017, "MACUKRAINIAN"},
    {10021, "MACTHAI"},     {10029, "MACCENTRALEUROPE"}, {10079, "MACICELAND"}, {10081, "MACTURKISH"},
    {10082, "MACCROATIAN"}, {12000, "UTF-32LE"},    {12001, "UTF-32BE"},   {20127, "ASCII"},
    {20866, "KOI8-R"},      {20932, "EUC-JP"},      {20936, "GB2312"},     {21866, "KOI8-U"},
    {28591, "ISO-8859-1"},  {28592, "ISO-8859-2"},  {28593, "ISO-8859-3"}, {28594, "ISO-8859-4"},
    {28595, "ISO-8859-5"},  {28596, "ISO-8859-6"},  {28597, "ISO-8859-7"}, {28598, "ISO-8859-8"},
    {28599, "ISO-8859-9"},  {28603, "ISO-8859-13"}, {28605, "ISO-8859-15"}, {38598, "ISO-8859-8"},
    {50220, "ISO-2022-JP"}, {50221, "ISO-2022-JP-1"}, {50222, "ISO-2022-JP"}, {50225, "ISO-2022-KR"},
    {50227, "ISO-2022-CN"}, {51932, "EUC-JP"},      {51936, "EUC-CN"},     {51949, "EUC-KR"},
    {52936, "HZ"},          {54936, "GB18030"},     {65000, "UTF-7"},      {65001, "UTF-8"},
};

}  // namespace

const char* iconvName(unsigned codePage) {
  auto it = std::lower_bound(std::begin(kNames), std::end(kNames), codePage,
                             [](const Entry& e, unsigned cp) { return e.codePage < cp; });
  if (it == std::end(kNames) || it->codePage != codePage) return nullptr;
  iconv_t probe = iconv_open("UTF-16LE", it->name);
  if (probe == iconv_t(-1)) return nullptr;
  iconv_close(probe);
  return it->name;
}

}  // namespace base::codepage
