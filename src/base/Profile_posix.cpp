// A private-profile file kept the way Windows keeps one: UTF-16LE with a byte-order mark when this
// code creates it; an existing UTF-8 (marked) or ANSI file keeps its encoding.
#include "base/Profile.h"

#include <vector>

#include "base/CodePage.h"
#include "base/Files.h"
#include "base/Text.h"

namespace base::profile {

namespace {

enum class Encoding { Utf16, Utf8, Ansi };

struct ProfileText {
  Encoding encoding = Encoding::Utf16;
  std::vector<std::u16string> lines;
};

bool load(const std::u16string& file, ProfileText& text) {
  std::string bytes;
  if (!files::readWhole(file, bytes)) return false;
  std::u16string all;
  if (bytes.size() >= 2 && uint8_t(bytes[0]) == 0xFF && uint8_t(bytes[1]) == 0xFE) {
    text.encoding = Encoding::Utf16;
    all.resize((bytes.size() - 2) / 2);
    for (size_t i = 0; i < all.size(); ++i)
      all[i] = char16_t(uint8_t(bytes[2 + 2 * i]) | (uint8_t(bytes[3 + 2 * i]) << 8));
  } else if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
    text.encoding = Encoding::Utf8;
    all = fromUtf8(std::string_view(bytes).substr(3));
  } else {
    text.encoding = Encoding::Ansi;
    codepage::toWide(0, bytes, all);
  }
  size_t from = 0;
  while (from <= all.size()) {
    size_t end = all.find(u'\n', from);
    if (end == std::u16string::npos) end = all.size();
    std::u16string line = all.substr(from, end - from);
    if (!line.empty() && line.back() == u'\r') line.pop_back();
    if (end < all.size() || !line.empty()) text.lines.push_back(std::move(line));
    from = end + 1;
  }
  return true;
}

bool save(const std::u16string& file, const ProfileText& text) {
  std::u16string all;
  for (const auto& line : text.lines) {
    all += line;
    all += u"\r\n";
  }
  std::string bytes;
  switch (text.encoding) {
    case Encoding::Utf16:
      bytes = "\xFF\xFE";
      for (char16_t u : all) {
        bytes += char(u & 0xFF);
        bytes += char(u >> 8);
      }
      break;
    case Encoding::Utf8:
      bytes = "\xEF\xBB\xBF" + toUtf8(all);
      break;
    case Encoding::Ansi:
      codepage::fromWide(0, all, bytes);
      break;
  }
  return files::writeWhole(file, bytes);
}

// "[name]" gives name; any other line gives nothing.
bool sectionName(const std::u16string& line, std::u16string& name) {
  std::u16string t = trimmed(line);
  if (t.size() < 2 || t.front() != u'[') return false;
  size_t close = t.find(u']');
  if (close == std::u16string::npos) return false;
  name = trimmed(std::u16string_view(t).substr(1, close - 1));
  return true;
}

bool keyLine(const std::u16string& line, std::u16string& key, std::u16string& value) {
  size_t eq = line.find(u'=');
  if (eq == std::u16string::npos) return false;
  key = trimmed(std::u16string_view(line).substr(0, eq));
  value = trimmed(std::u16string_view(line).substr(eq + 1));
  return true;
}

std::u16string unquoted(std::u16string value) {
  if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

}  // namespace

std::u16string readString(const std::u16string& file, const std::u16string& section,
                          const std::u16string& key, const std::u16string& fallback,
                          size_t bufferChars) {
  std::u16string result = fallback;
  ProfileText text;
  if (load(file, text)) {
    bool inSection = false;
    for (const auto& line : text.lines) {
      std::u16string name, k, v;
      if (sectionName(line, name)) {
        inSection = equalsIgnoreAsciiCase(name, section);
      } else if (inSection && keyLine(line, k, v) && equalsIgnoreAsciiCase(k, key)) {
        result = unquoted(v);
        break;
      }
    }
  }
  if (bufferChars == 0) return {};
  if (result.size() > bufferChars - 1) result.resize(bufferChars - 1);
  return result;
}

bool writeString(const std::u16string& file, const std::u16string& section,
                 const std::u16string& key, const std::u16string& value) {
  ProfileText text;
  load(file, text);
  const std::u16string entry = key + u"=" + value;
  bool found = false;
  size_t insertAt = 0;
  for (size_t i = 0; i < text.lines.size(); ++i) {
    std::u16string name, k, v;
    if (sectionName(text.lines[i], name)) {
      if (found) break;
      if (equalsIgnoreAsciiCase(name, section)) {
        found = true;
        insertAt = i + 1;
      }
    } else if (found) {
      if (keyLine(text.lines[i], k, v) && equalsIgnoreAsciiCase(k, key)) {
        text.lines[i] = entry;
        return save(file, text);
      }
      if (!trimmed(text.lines[i]).empty()) insertAt = i + 1;
    }
  }
  if (found) {
    text.lines.insert(text.lines.begin() + ptrdiff_t(insertAt), entry);
  } else {
    text.lines.push_back(u"[" + section + u"]");
    text.lines.push_back(entry);
  }
  return save(file, text);
}

}  // namespace base::profile
