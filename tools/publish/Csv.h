// blocks.csv and specialties.csv: UTF-8 with or without a byte-order mark, one record a line,
// fields separated by commas; a field in double quotes may hold commas, line breaks and doubled
// quotes. Blanks around fields are dropped; blank lines are skipped.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace publish {

struct CsvRow {
  size_t line = 0;   // where the record starts, from 1
  std::vector<std::u16string> fields;
};

// False with a message (line number included) when the bytes are not UTF-8, a quoted field is not
// closed or text follows a closing quote.
bool parseCsv(std::string_view bytes, std::vector<CsvRow>& rows, std::string& error);

}  // namespace publish
