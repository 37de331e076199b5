#include "markup/MarkupReport.h"

#include "markup/MarkupDocument.h"

namespace markup {

namespace {

struct AttributeNames {
  std::u16string_view word;
  const char16_t* text;
  const char16_t* number;
  const char16_t* number2;
};

constexpr AttributeNames kNames[] = {
    {u"file_error", u"msg", u"n", nullptr},
    {u"read", u"encoding", u"length", nullptr},
    {u"write", u"encoding", u"length", nullptr},
    {u"converted_to", u"encoding", u"length", nullptr},
    {u"converted_from", u"encoding", u"length", nullptr},
    {u"nulls_removed", nullptr, u"count", nullptr},
    {u"truncation_error", u"encoding", nullptr, nullptr},
    {u"unterminated_tag_syntax", u"type", u"offset", nullptr},
    {u"lone_end_tag", u"tagname", u"offset", nullptr},
    {u"unended_start_tag", u"tagname", u"offset", u"offset2"},
};

// Words not listed carry at most offsets: the tokenizer's syntax words.
constexpr AttributeNames kOffsets{{}, u"value", u"offset", u"offset2"};

const AttributeNames& namesOf(std::u16string_view word) {
  for (const AttributeNames& n : kNames)
    if (n.word == word) return n;
  return kOffsets;
}

}  // namespace

void MarkupReport::append(std::u16string& report, const Diagnostic& d) {
  if (report.size() >= kReportLimit) return;
  MarkupDocument builder(MarkupDocument::Reportless{});
  builder.adoptText(std::move(report));
  builder.parse();
  while (builder.nextElement()) {
  }
  builder.addElement(d.word, {}, kAddNoLineBreak);
  const AttributeNames& names = namesOf(d.word);
  const uint32_t entry = builder.currentPosition();
  if (d.text && names.text) builder.setAttribute(entry, names.text, *d.text);
  if (d.number && names.number) builder.setAttribute(entry, names.number, *d.number);
  if (d.number2 && names.number2) builder.setAttribute(entry, names.number2, *d.number2);
  report = builder.takeText();
}

void MarkupReport::amend(std::u16string& report, std::u16string_view word, std::u16string_view name,
                         std::u16string_view value) {
  MarkupDocument builder(MarkupDocument::Reportless{});
  builder.adoptText(std::move(report));
  builder.parse();
  uint32_t last = 0;
  while (builder.nextElement(word)) last = builder.currentPosition();
  if (last != 0) builder.setAttribute(last, name, value);
  report = builder.takeText();
}

void MarkupDocument::addDiagnostic(const Diagnostic& diagnostic) {
  if (reporting_) MarkupReport::append(report_, diagnostic);
}

void MarkupDocument::amendDiagnostic(std::u16string_view word, std::u16string_view name, std::u16string_view value) {
  if (reporting_) MarkupReport::amend(report_, word, name, value);
}

}  // namespace markup
