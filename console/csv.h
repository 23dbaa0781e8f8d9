// CSV as RFC 4180 has it: fields separated by commas, records by CR LF (LF alone is taken
// too), fields that hold a comma, a quote or a line break quoted, quotes inside doubled.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace glyphmate::console {

struct CsvRecord {
    std::size_t line = 0;  // where the record starts, counting from 1
    std::vector<std::string> fields;
};

struct CsvProblem {
    std::size_t line = 0;
    std::string what;
};

// Parses the whole text (the first record is the header row); every record must have as
// many fields as the header. On malformed input stops at the first problem and returns false.
bool parse_csv(std::string_view text, std::vector<CsvRecord>& records, CsvProblem& problem);

// Appends one field, quoted when it holds a comma, a quote, CR or LF.
void append_csv_field(std::string& out, std::string_view field);

}  // namespace glyphmate::console
