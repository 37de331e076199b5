#include "base/Text.h"

namespace base {

namespace {

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

void appendUtf16(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out += static_cast<char16_t>(c);
  } else {
    c -= 0x10000;
    out += static_cast<char16_t>(0xD800 | (c >> 10));
    out += static_cast<char16_t>(0xDC00 | (c & 0x3FF));
  }
}

bool isHigh(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool isLow(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

std::string toUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t u = text[i];
    if (isHigh(u) && i + 1 < text.size() && isLow(text[i + 1])) {
      appendUtf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (isHigh(u) || isLow(u)) {
      appendUtf8(out, 0xFFFD);
    } else {
      appendUtf8(out, u);
    }
  }
  return out;
}

std::u16string fromUtf8(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  size_t i = 0;
  const size_t n = bytes.size();
  while (i < n) {
    unsigned char b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      out += char16_t(b);
      ++i;
      continue;
    }
    int extra = b >= 0xF0 && b <= 0xF4 ? 3 : b >= 0xE0 && b < 0xF0 ? 2 : b >= 0xC2 && b < 0xE0 ? 1 : -1;
    char32_t c = extra == 3 ? b & 0x07 : extra == 2 ? b & 0x0F : b & 0x1F;
    bool ok = extra > 0;
    for (int k = 1; ok && k <= extra; ++k) {
      if (i + k >= n) { ok = false; break; }
      unsigned char t = static_cast<unsigned char>(bytes[i + k]);
      if ((t & 0xC0) != 0x80) { ok = false; break; }
      c = (c << 6) | (t & 0x3F);
    }
    if (ok) {
      bool overlong = (extra == 2 && c < 0x800) || (extra == 3 && c < 0x10000);
      bool invalid = c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF);
      if (overlong || invalid) ok = false;
    }
    if (!ok) {
      out += char16_t(0xFFFD);
      ++i;
      continue;
    }
    appendUtf16(out, c);
    i += extra + 1;
  }
  return out;
}

int32_t wtoi(std::u16string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  uint32_t value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) value = value * 10u + (text[i] - u'0');
  return static_cast<int32_t>(negative ? 0u - value : value);
}

void removeAll(std::u16string& text, std::u16string_view what) { replaceAll(text, what, u""); }

void replaceAll(std::u16string& text, std::u16string_view what, std::u16string_view with) {
  if (what.empty()) return;
  std::u16string out;
  size_t from = 0;
  for (size_t at; (at = text.find(what, from)) != std::u16string::npos; from = at + what.size()) {
    out.append(text, from, at - from);
    out += with;
  }
  if (from == 0) return;
  out.append(text, from);
  text.swap(out);
}

bool contains(std::u16string_view text, std::u16string_view what) {
  return text.find(what) != std::u16string_view::npos;
}

bool startsWith(std::u16string_view text, std::u16string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool endsWith(std::u16string_view text, std::u16string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::vector<std::string_view> tabFields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (size_t at = 0;;) {
    size_t tab = line.find('\t', at);
    fields.push_back(line.substr(at, tab == std::string_view::npos ? std::string_view::npos : tab - at));
    if (tab == std::string_view::npos) return fields;
    at = tab + 1;
  }
}

char16_t asciiLower(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; }

std::u16string asciiLowered(std::u16string_view text) {
  std::u16string out(text);
  for (char16_t& c : out) c = asciiLower(c);
  return out;
}

bool equalsIgnoreAsciiCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (asciiLower(a[i]) != asciiLower(b[i])) return false;
  return true;
}

std::u16string trimmed(std::u16string_view text) {
  auto blank = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; };
  size_t b = 0, e = text.size();
  while (b < e && blank(text[b])) ++b;
  while (e > b && blank(text[e - 1])) --e;
  return std::u16string(text.substr(b, e - b));
}

std::u16string decimal(int64_t value) {
  std::string s = std::to_string(value);
  return std::u16string(s.begin(), s.end());
}

void Format::advance() {
  for (size_t i = 0; i < rest_.size(); ++i) {
    if (rest_[i] != u'%') continue;
    if (i + 1 < rest_.size() && rest_[i + 1] == u'%') {
      out_.append(rest_.substr(0, i + 1));
      rest_.remove_prefix(i + 2);
      i = size_t(-1);
      continue;
    }
    out_.append(rest_.substr(0, i));
    rest_.remove_prefix(std::min(i + 2, rest_.size()));
    return;
  }
  out_.append(rest_);
  rest_ = {};
}

Format& Format::operator%(int64_t value) {
  advance();
  out_ += decimal(value);
  return *this;
}

Format& Format::operator%(std::u16string_view value) {
  advance();
  out_ += value;
  return *this;
}

std::u16string Format::str() {
  for (size_t at; (at = rest_.find(u"%%")) != std::u16string_view::npos;) {
    out_.append(rest_.substr(0, at + 1));
    rest_.remove_prefix(at + 2);
  }
  out_.append(rest_);
  rest_ = {};
  return out_;
}

}  // namespace base
