// Wide text as the gallery keeps it: UTF-16 in std::u16string, as on Windows.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace base {

// Invalid input never throws: a bad UTF-8 sequence becomes U+FFFD, a lone surrogate is written as U+FFFD.
std::string toUtf8(std::u16string_view text);
std::u16string fromUtf8(std::string_view bytes);

// The runtime's _wtoi: leading blanks, an optional sign, decimal digits up to the first other
// character; 0 when the text does not start with a number. Overflow wraps to 32 bits.
int32_t wtoi(std::u16string_view text);

// Every occurrence of what, removed left to right (as CString::Remove would for a word).
void removeAll(std::u16string& text, std::u16string_view what);
void replaceAll(std::u16string& text, std::u16string_view what, std::u16string_view with);
bool contains(std::u16string_view text, std::u16string_view what);
bool startsWith(std::u16string_view text, std::u16string_view prefix);
bool endsWith(std::u16string_view text, std::u16string_view suffix);

// ASCII-only case folding (A-Z), enough for names, schemes and extensions.
char16_t asciiLower(char16_t c);
bool equalsIgnoreAsciiCase(std::u16string_view a, std::u16string_view b);
std::u16string asciiLowered(std::u16string_view text);

std::u16string trimmed(std::u16string_view text);     // blanks, tabs, CR and LF at both ends
// The fields of a line of a tab-separated file the system writes itself: one more than its tabs.
std::vector<std::string_view> tabFields(std::string_view line);
std::u16string decimal(int64_t value);

// printf-style texts with %d (integer) and %s (wide text) only; %% is a percent sign.
class Format {
public:
  explicit Format(std::u16string_view pattern) : rest_(pattern) {}
  Format& operator%(int64_t value);
  Format& operator%(std::u16string_view value);
  std::u16string str();

private:
  void advance();
  std::u16string out_;
  std::u16string_view rest_;
};

}  // namespace base
