#include "base/CodePage.h"

#include <windows.h>

namespace base::codepage {

namespace {

// Pages for which WideCharToMultiByte refuses the "default character used" question.
bool refusesDefaultQuery(unsigned cp) {
  switch (cp) {
    case 50220: case 50221: case 50222: case 50225: case 50227: case 50229:
    case 52936: case 54936: case 65000: case 65001:
      return true;
    default:
      return cp >= 57002 && cp <= 57011;
  }
}

}  // namespace

unsigned ansiCodePage() { return GetACP(); }

bool isSupported(unsigned codePage) { return codePage == 0 || codePage == kUtf16 || IsValidCodePage(codePage); }

bool toWide(unsigned codePage, std::string_view bytes, std::u16string& text) {
  text.clear();
  if (bytes.empty()) return isSupported(codePage);
  int n = MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), nullptr, 0);
  if (n <= 0) return false;
  text.resize(size_t(n));
  MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), reinterpret_cast<wchar_t*>(text.data()), n);
  return true;
}

bool fromWide(unsigned codePage, std::u16string_view text, std::string& bytes, bool* usedDefault) {
  bytes.clear();
  if (usedDefault) *usedDefault = false;
  if (text.empty()) return isSupported(codePage);
  const wchar_t* src = reinterpret_cast<const wchar_t*>(text.data());
  BOOL used = FALSE;
  BOOL* usedPtr = refusesDefaultQuery(codePage) ? nullptr : &used;
  int n = WideCharToMultiByte(codePage, 0, src, int(text.size()), nullptr, 0, nullptr, usedPtr);
  if (n <= 0) return false;
  bytes.resize(size_t(n));
  WideCharToMultiByte(codePage, 0, src, int(text.size()), bytes.data(), n, nullptr, usedPtr);
  if (usedDefault) *usedDefault = used != FALSE;
  return true;
}

}  // namespace base::codepage
