// One XML (or HTML-like) document held as a single wide text with an index of its elements.
// The text stays the master copy: parse() only records where elements are, navigation walks that
// index, and values are cut out of the text and decoded when asked for. Parsing never fails on bad
// markup; it repairs the tree as an HTML reader would and notes what it met in the result report.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "markup/ElementIndex.h"
#include "markup/MarkupNode.h"

namespace markup {

struct Diagnostic;

// Document flags.
inline constexpr uint32_t kIgnoreCase = 0x8;            // names and end tags compared without A-Z case
inline constexpr uint32_t kReadingPieces = 0x10;        // file read piece by piece
inline constexpr uint32_t kWritingPieces = 0x20;        // file written piece by piece
inline constexpr uint32_t kTrimText = 0x100;            // trim white space of decoded text
inline constexpr uint32_t kCollapseText = 0x200;        // and collapse inner runs of it
inline constexpr uint32_t kFormatUtf16 = 0x1;           // the file was UTF-16
inline constexpr uint32_t kFormatUtf8Mark = 0x4;        // the file had a UTF-8 byte-order mark
inline constexpr uint32_t kFormatBigEndian = 0x80;      // the file was big-endian UTF-16
inline constexpr uint32_t kFormatFlags = kFormatUtf16 | kFormatUtf8Mark | kFormatBigEndian;

// addElement flags.
inline constexpr uint32_t kAddAsCdata = 0x1;            // the value goes in a CDATA section
inline constexpr uint32_t kAddNoLineBreak = 0x2;        // no "\r\n" after the element
inline constexpr uint32_t kAddSpaceBeforeSlash = 0x4;   // "<name />" rather than "<name/>"
inline constexpr uint32_t kAddKeepReferences = 0x8;     // references in the value are kept as written
inline constexpr uint32_t kAddOpen = 0x10;              // a start tag alone, for children added later

class MarkupDocument {
public:
  MarkupDocument();

  // Replaces the text (none clears it), empties the report and parses; returns the parse result.
  bool setText(std::u16string_view text);
  bool setText();

  // Reads a file with encoding detection into the text (Part of the reading is in MarkupFile).
  bool loadFile(const std::u16string& path);

  // Builds the index; true when no error was met, a root element exists and it has no sibling.
  bool parse();

  // Next element at the current level whose name matches (any, when name is empty).
  bool nextElement(std::u16string_view name = {});
  // Next child of the current element whose name matches.
  bool nextChildElement(std::u16string_view name = {});

  std::u16string childText() const { return elementText(child_); }
  std::u16string elementText(uint32_t element) const;
  std::u16string tagName(uint32_t element) const;
  // The decoded value of an attribute of the element's start tag; empty when it has none.
  std::u16string attribute(uint32_t element, std::u16string_view name) const;

  // Adds an element after the current one (or, as a child, after the current child or as the last
  // child of the current element) and makes it current.
  bool addElement(std::u16string_view name, std::u16string_view value = {}, uint32_t flags = 0);
  bool addChildElement(std::u16string_view name, std::u16string_view value = {}, uint32_t flags = 0);
  bool setAttribute(uint32_t element, std::u16string_view name, std::u16string_view value);
  bool setAttribute(uint32_t element, std::u16string_view name, int64_t value);

  const std::u16string& text() const { return text_; }
  const std::u16string& report() const { return report_; }
  uint32_t flags() const { return flags_; }
  void setFlags(uint32_t flags) { flags_ = flags; }

  uint32_t parentPosition() const { return parent_; }
  uint32_t currentPosition() const { return current_; }
  uint32_t childPosition() const { return child_; }
  // Moves to an element found otherwise (such as by walking the index); 0 for none.
  void setCurrentPosition(uint32_t element);
  const ElementIndex& index() const { return index_; }

  // Appends one diagnostic entry to the report (dropped once the report holds 1,000 characters).
  void addDiagnostic(const Diagnostic& diagnostic);
  // Changes an attribute of the last report entry named word (the load's "read" entry).
  void amendDiagnostic(std::u16string_view word, std::u16string_view name, std::u16string_view value);
  // Gives the text away (leaving it empty and the document unparsed) or takes one without parsing.
  std::u16string takeText();
  void adoptText(std::u16string&& text);

private:
  friend class MarkupReport;
  struct Reportless {};
  explicit MarkupDocument(Reportless);

  void diagnose(const MarkupNode& node);
  bool endUnended(uint32_t element, uint32_t endOffset);
  void relevel();
  bool matchesName(uint32_t element, std::u16string_view asked) const;
  std::u16string_view startTag(uint32_t element) const;
  bool insertElement(std::u16string_view name, std::u16string_view value, uint32_t flags, bool asChild);
  uint32_t contentEnd(uint32_t element);
  void replaceText(uint32_t at, uint32_t length, std::u16string_view with, uint32_t except);

  std::u16string text_;
  std::u16string report_;
  uint32_t flags_ = 0;
  uint32_t parent_ = 0;
  uint32_t current_ = 0;
  uint32_t child_ = 0;
  uint32_t nodeType_ = 0;
  bool reporting_ = true;
  ElementIndex index_;
};

}  // namespace markup
