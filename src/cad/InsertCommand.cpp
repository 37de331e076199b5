#include "cad/InsertCommand.h"

#include "base/Text.h"

namespace cad {

namespace {

constexpr std::u16string_view kNotInBlockNames = u"<>/\\\":;?*|,=`";
constexpr size_t kLongestBlockName = 255;

// A text as an AutoLISP string literal.
std::u16string lispString(std::u16string_view text) {
  std::u16string quoted = u"\"";
  for (char16_t c : text) {
    if (c == u'"' || c == u'\\') quoted += u'\\';
    quoted += c;
  }
  return quoted + u"\"";
}

std::u16string insertCall(std::u16string_view name) {
  return u"(command \"_.-INSERT\" " + lispString(name) + u" \"_S\" 1 \"_R\" 0 pause)";
}

}  // namespace

std::u16string blockNameOf(std::u16string_view dwgPath) {
  size_t slash = dwgPath.find_last_of(u"\\/");
  std::u16string_view file = slash == std::u16string_view::npos ? dwgPath : dwgPath.substr(slash + 1);
  size_t dot = file.rfind(u'.');
  std::u16string name = base::trimmed(dot == std::u16string_view::npos ? file : file.substr(0, dot));
  for (char16_t& c : name) {
    if (c < 0x20 || kNotInBlockNames.find(c) != std::u16string_view::npos) c = u'_';
  }
  if (name.size() > kLongestBlockName) {
    bool splitsPair = name[kLongestBlockName - 1] >= 0xD800 && name[kLongestBlockName - 1] < 0xDC00;
    name.resize(splitsPair ? kLongestBlockName - 1 : kLongestBlockName);
  }
  return name.empty() ? u"_" : name;
}

std::u16string insertCommand(std::u16string_view dwgPath) {
  std::u16string name = blockNameOf(dwgPath);
  std::u16string path(dwgPath);
  base::replaceAll(path, u"\\", u"/");
  return u"\x1B\x1B(if (tblsearch \"BLOCK\" " + lispString(name) + u") " + insertCall(name) + u" " +
         insertCall(name + u"=" + path) + u")\r";
}

}  // namespace cad
