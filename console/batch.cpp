#include "console/batch.h"

#include <cstring>

#include "console/command_line.h"
#include "console/csv.h"
#include "console/output.h"

namespace glyphmate::console {

namespace {

// The bytes the conversion takes from a record, for the JSON's data_hex.
std::string core_bytes(std::string_view record, bool windows_1252) {
    std::string bytes;
    if (windows_1252) {
        for (char c : record)
            if (c != '\0') bytes += c;  // the conversion leaves NUL out, and says so
        return bytes;
    }
    bytes.resize(glyphmate_utf8_to_windows_1252(record.data(), record.size(), nullptr, 0, nullptr));
    glyphmate_utf8_to_windows_1252(record.data(), record.size(), bytes.data(), bytes.size(), nullptr);
    return bytes;
}

std::string to_utf8(std::string_view bytes) {
    std::string text(glyphmate_windows_1252_to_utf8(bytes.data(), bytes.size(), nullptr, 0), '\0');
    glyphmate_windows_1252_to_utf8(bytes.data(), bytes.size(), text.data(), text.size());
    return text;
}

void report(Output& err, std::size_t line, const char* status, const BatchOptions& options, std::string_view data) {
    err.put(std::to_string(line));
    err.put(": ");
    err.put(status_line(status, options.windows_1252 ? std::nullopt : std::optional<std::string_view>(data)));
    err.put('\n');
}

int io_failure(Output& err, const std::string& what, int error) {
    err.put("glyphmate-encode: ");
    err.put(what);
    err.put(": ");
    err.put(std::strerror(error));
    err.put('\n');
    return kExitUsage;
}

int finish(Output& out, Output& err, bool any_message) {
    if (!out.flush()) return io_failure(err, "cannot write the output", out.error());
    return any_message ? kExitMessage : 0;
}

bool all_digits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

int convert_lines(api::Converter& converter, const BatchOptions& options, LineReader& in, Output& out, Output& err) {
    api::Result result;
    bool any_message = false;
    std::string_view line;
    while (in.next(line)) {
        const bool message = converter.run(line, options.supplement, result) == GLYPHMATE_MESSAGE;
        if (options.json) {
            out.put(to_json(result, core_bytes(line, options.windows_1252), in.line_number()).dump());
        } else {
            out.put(result.converted_utf8);
        }
        out.put('\n');
        if (message) {
            report(err, in.line_number(), result.status, options, line);
            any_message = true;
        }
        if (!out.ok()) break;
    }
    if (in.error() != 0)
        return io_failure(err, "cannot read " + options.input_name + " after line " + std::to_string(in.line_number()),
                          in.error());
    return finish(out, err, any_message);
}

int find_column(const std::vector<std::string>& header, std::string_view column, std::string& problem) {
    for (std::size_t i = 0; i < header.size(); ++i)
        if (header[i] == column) return static_cast<int>(i);
    if (all_digits(column) && column.size() < 6) {
        const int number = std::stoi(std::string(column));
        if (number >= 1 && number <= static_cast<int>(header.size())) return number - 1;
        problem = "column " + std::string(column) + " does not exist: the header has " + std::to_string(header.size()) +
                  (header.size() == 1 ? " column" : " columns");
        return -1;
    }
    problem = "no column of the header is named '" + std::string(column) + "'";
    return -1;
}

int convert_csv(api::Converter& converter, const BatchOptions& options, std::string_view text, Output& out,
                Output& err) {
    const bool bom = !options.windows_1252 && text.starts_with(kUtf8Bom);
    if (bom) text.remove_prefix(kUtf8Bom.size());

    std::vector<CsvRecord> records;
    CsvProblem problem;
    if (!parse_csv(text, records, problem))
        return usage_error(options.input_name + ", line " + std::to_string(problem.line) + ": " + problem.what);
    const std::vector<std::string>& header = records.front().fields;
    std::string column_problem;
    const int data_column = find_column(header, options.column, column_problem);
    if (data_column < 0) return usage_error("--column: " + column_problem);
    int supplement_column = -1;
    if (!options.supplement_column.empty()) {
        supplement_column = find_column(header, options.supplement_column, column_problem);
        if (supplement_column < 0) return usage_error("--supplement-column: " + column_problem);
    }

    // Fields are kept as they were; a Windows-1252 file comes out in UTF-8 like the rest.
    auto kept = [&](const std::string& field) { return options.windows_1252 ? to_utf8(field) : field; };
    std::string row;
    if (bom) out.put(kUtf8Bom);
    for (const std::string& name : header) {
        append_csv_field(row, kept(name));
        row += ',';
    }
    row += "converted,font,status\r\n";
    out.put(row);

    api::Result result;
    bool any_message = false;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& record = records[r];
        const std::string& supplement =
            supplement_column >= 0 ? record.fields[static_cast<std::size_t>(supplement_column)] : options.supplement;
        const bool message =
            converter.run(record.fields[static_cast<std::size_t>(data_column)], supplement, result) == GLYPHMATE_MESSAGE;
        row.clear();
        for (const std::string& field : record.fields) {
            append_csv_field(row, kept(field));
            row += ',';
        }
        append_csv_field(row, result.converted_utf8);
        row += ',';
        append_csv_field(row, result.font);
        row += ',';
        append_csv_field(row, result.status);
        row += "\r\n";
        out.put(row);
        if (message) {
            report(err, record.line, result.status, options, record.fields[static_cast<std::size_t>(data_column)]);
            any_message = true;
        }
    }
    return finish(out, err, any_message);
}

}  // namespace glyphmate::console
