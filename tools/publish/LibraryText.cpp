#include "LibraryText.h"

#include "base/Text.h"

namespace publish {

namespace {

class Lines {
public:
  Lines() { text_ = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<root>\r\n"; }
  Lines& operator<<(std::u16string_view part) {
    text_ += base::toUtf8(part);
    return *this;
  }
  Lines& operator<<(const char* part) {
    text_ += part;
    return *this;
  }
  std::string done() { return text_ + "</root>\r\n"; }

private:
  std::string text_;
};

}  // namespace

std::u16string itemValue(const std::u16string& value) { return value.empty() ? u"no" : value; }

std::string indexText(const Library& library) {
  Lines out;
  for (const Folder& s : library.specialties) {
    out << "<Folder name=\"" << s.remote << "\" local=\"" << s.name << "\">\r\n<Num>" << s.number << "</Num>\r\n";
    for (const Folder& c : s.folders) {
      out << "<Parent name=\"" << c.remote << "\" local=\"" << c.name << "\">\r\n";
      for (const Folder& sub : c.folders) out << "<Child name=\"" << sub.remote << "\">" << sub.name << "</Child>\r\n";
      out << "</Parent>\r\n";
    }
    out << "</Folder>\r\n";
  }
  return out.done();
}

std::string itemListText(const Folder& leaf) {
  Lines out;
  for (const Block& b : leaf.blocks) {
    out << "<Item id=\"" << b.id << "\">\r\n<Name>" << b.name << ".dwg</Name>\r\n<Spec>" << itemValue(b.spec)
        << "</Spec>\r\n<Detail>" << itemValue(b.detail) << "</Detail>\r\n<Mfrs>" << itemValue(b.mfrs)
        << "</Mfrs>\r\n<Url>" << itemValue(b.url) << "</Url>\r\n<Size>" << base::decimal(int64_t(b.size))
        << "</Size>\r\n</Item>\r\n";
  }
  return out.done();
}

}  // namespace publish
