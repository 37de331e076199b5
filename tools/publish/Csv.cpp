#include "Csv.h"

#include "base/Text.h"

namespace publish {

namespace {

class CsvReader {
public:
  explicit CsvReader(std::string_view text) : text_(text) {}

  bool run(std::vector<CsvRow>& rows, std::string& error) {
    while (at_ < text_.size()) {
      CsvRow row{line_, {}};
      if (!record(row, error)) return false;
      bool blank = row.fields.size() == 1 && row.fields[0].empty();
      if (!blank) rows.push_back(std::move(row));
    }
    return true;
  }

private:
  bool record(CsvRow& row, std::string& error) {
    for (;;) {
      std::string field;
      if (!this->field(field, error)) return false;
      row.fields.push_back(base::trimmed(base::fromUtf8(field)));
      if (at_ >= text_.size()) return true;
      char c = text_[at_++];
      if (c == ',') continue;
      if (c == '\r' && at_ < text_.size() && text_[at_] == '\n') ++at_;
      ++line_;
      return true;
    }
  }

  // One field up to (not including) the comma or line end after it.
  bool field(std::string& out, std::string& error) {
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
    if (at_ >= text_.size() || text_[at_] != '"') {
      size_t end = text_.find_first_of(",\r\n", at_);
      if (end == std::string_view::npos) end = text_.size();
      out.assign(text_.substr(at_, end - at_));
      at_ = end;
      if (out.find('"') != std::string::npos) return fail(error, "a quote inside an unquoted field");
      return true;
    }
    size_t opened = line_;
    for (++at_;; ++at_) {
      if (at_ >= text_.size()) return fail(error, "a quoted field opened on line " + std::to_string(opened) + " is not closed");
      char c = text_[at_];
      if (c == '"') {
        if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
          out += '"';
          ++at_;
          continue;
        }
        ++at_;
        break;
      }
      if (c == '\n') ++line_;
      out += c;
    }
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
    if (at_ < text_.size() && text_[at_] != ',' && text_[at_] != '\r' && text_[at_] != '\n')
      return fail(error, "text after a closing quote");
    return true;
  }

  bool fail(std::string& error, const std::string& what) {
    error = "line " + std::to_string(line_) + ": " + what;
    return false;
  }

  std::string_view text_;
  size_t at_ = 0;
  size_t line_ = 1;
};

}  // namespace

bool parseCsv(std::string_view bytes, std::vector<CsvRow>& rows, std::string& error) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (base::toUtf8(base::fromUtf8(bytes)) != bytes) {
    error = "not UTF-8 text (save it as \"CSV UTF-8\")";
    return false;
  }
  rows.clear();
  return CsvReader(bytes).run(rows, error);
}

}  // namespace publish
