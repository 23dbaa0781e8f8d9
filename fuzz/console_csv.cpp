// SPDX-License-Identifier: MIT
// The CSV reader and writer of glyphmate-encode: a text that parses is written back field
// for field and parses again to the same records; converting it keeps every field and adds
// the three result columns to each record; a text that does not parse gives no output.
#include <sys/mman.h>
#include <unistd.h>

#include <glyphmate.hpp>

#include "console/batch.h"
#include "console/csv.h"
#include "fuzz_check.h"

namespace {

using varnel::glyphmate::console::CsvProblem;
using varnel::glyphmate::console::CsvRecord;

std::string written(const std::vector<CsvRecord>& records) {
    std::string text;
    for (const CsvRecord& r : records) {
        for (std::size_t i = 0; i < r.fields.size(); ++i) {
            if (i > 0) text += ',';
            varnel::glyphmate::console::append_csv_field(text, r.fields[i]);
        }
        if (r.fields.size() == 1 && r.fields[0].empty()) text += "\"\"";  // an empty line would end the file
        text += "\r\n";
    }
    return text;
}

std::string converted_csv(std::string_view text, int& status) {
    const int out_fd = memfd_create("out", 0), err_fd = memfd_create("err", 0);
    {
        ::glyphmate::api::Converter converter("Code128B");
        varnel::glyphmate::console::BatchOptions options{.delimiter = ',', .input_name = "fuzz input"};
        varnel::glyphmate::console::Output out(out_fd), err(err_fd);
        status = varnel::glyphmate::console::convert_csv(converter, options, text, out, err);
    }
    std::string result;
    lseek(out_fd, 0, SEEK_SET);
    char block[65536];
    for (ssize_t n; (n = read(out_fd, block, sizeof block)) > 0;) result.append(block, static_cast<std::size_t>(n));
    close(out_fd), close(err_fd);
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    std::vector<CsvRecord> records;
    CsvProblem problem;
    const bool parsed = varnel::glyphmate::console::parse_csv(text, records, problem);
    if (!parsed) {
        fuzz::expect(problem.line >= 1 && !problem.what.empty(), "a problem without line or words");
        return 0;
    }
    fuzz::expect(!records.empty(), "no header row");
    for (const CsvRecord& r : records) fuzz::expect(r.fields.size() == records.front().fields.size(), "ragged records");

    std::vector<CsvRecord> again;
    fuzz::expect(varnel::glyphmate::console::parse_csv(written(records), again, problem), "written back, it does not parse", problem.what);
    fuzz::expect(again.size() == records.size(), "written back, the number of records changes");
    for (std::size_t i = 0; i < records.size(); ++i)
        fuzz::expect(again[i].fields == records[i].fields, "written back, the fields change");

    if (text.starts_with("\xEF\xBB\xBF")) return 0;  // the converter drops the BOM: another header
    int status = 0;
    const std::string out = converted_csv(text, status);
    fuzz::expect(status == 0 || status == 1, "a CSV that parses is refused", out);
    std::vector<CsvRecord> result;
    fuzz::expect(varnel::glyphmate::console::parse_csv(out, result, problem), "the output does not parse", problem.what);
    fuzz::expect(result.size() == records.size(), "records lost or added");
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto& fields = result[i].fields;
        fuzz::expect(fields.size() == records[i].fields.size() + 3, "not three columns added");
        fuzz::expect(std::equal(records[i].fields.begin(), records[i].fields.end(), fields.begin()), "a field changed");
    }
    return 0;
}
