// SPDX-License-Identifier: MIT
#include "console/batch.h"

#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <cstring>
#include <optional>

#include "console/command_line.h"
#include "console/csv.h"
#include "console/picture_file.h"
#include "console/output.h"

namespace varnel::glyphmate::console {

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


// Without allocating: a run of invalid records reports every one of them.
void report(Output& err, std::size_t line, const char* status, const BatchOptions& options, std::string_view data) {
    char number[24];
    err.put({number, static_cast<std::size_t>(std::to_chars(number, number + sizeof number, line).ptr - number)});
    err.put(": ");
    err.put(status);
    const std::size_t at = options.windows_1252 ? data.size() : glyphmate_utf8_check(data.data(), data.size());
    if (at < data.size()) err.put(malformed_utf8_note(at));
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

// The record's picture in the pictures folder, named by its number ("7.png"), its path in
// path; false once a picture that cannot be written is reported.
bool put_picture(const BatchOptions& options, const glyphmate_result& result, std::size_t number, std::string& path,
                 Output& out, Output& err) {
    if (options.pictures.empty()) return true;
    path = options.pictures;
    if (path.back() != '/') path += '/';
    path += std::to_string(number);
    path += options.picture_format == ::glyphmate::api::PictureFormat::svg ? ".svg" : ".png";
    const std::string problem = write_picture(result, options.picture_format, options.picture, path);
    if (problem.empty()) return true;
    out.flush();
    err.put("glyphmate-encode: ");
    err.put(problem);
    err.put('\n');
    return false;
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

// "glyphmate-encode: INPUT, line N: WHAT", for input that is not what the batch takes.
int input_problem(const BatchOptions& options, std::size_t line, const std::string& what) {
    return usage_error(options.input_name + ", line " + std::to_string(line) + ": " + what);
}

int csv_problem(const BatchOptions& options, const CsvReader& reader) {
    return input_problem(options, reader.problem().line, reader.problem().what);
}

// What the first pass over a CSV found out for the second.
struct CsvLayout {
    char delimiter = ',';
    bool bom = false;  // the input started with one
    int data_column = 0, supplement_column = -1;
};

constexpr int kGoOn = -1;

bool skip_bom(CsvReader& reader, const BatchOptions& options) { return !options.windows_1252 && reader.skip_bom(); }

// The first pass: the whole CSV is well-formed, the columns exist, and the output encoding
// can carry every field. Returns kGoOn, or the exit status of the problem reported.
int check_csv(CsvReader& reader, const BatchOptions& options, CsvLayout& layout) {
    layout.bom = skip_bom(reader, options);
    if (!reader.next()) return csv_problem(options, reader);
    std::string problem;
    layout.data_column = find_column(reader.fields(), options.column, problem);
    if (layout.data_column < 0) return usage_error("--column: " + problem);
    if (!options.supplement_column.empty()) {
        layout.supplement_column = find_column(reader.fields(), options.supplement_column, problem);
        if (layout.supplement_column < 0) return usage_error("--supplement-column: " + problem);
    }
    layout.delimiter = reader.delimiter();
    // Converted strings, fonts and status lines are Windows-1252 by nature; the other fields
    // of a UTF-8 file may hold characters it lacks.
    const bool check_fields = options.output_encoding == OutputEncoding::windows_1252 && !options.windows_1252;
    do {
        if (!check_fields) continue;
        const auto fields = reader.fields();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            std::size_t lost = 0;
            glyphmate_utf8_to_windows_1252(fields[i].data(), fields[i].size(), nullptr, 0, &lost);
            if (lost > 0)
                return input_problem(options, reader.line(),
                                     "field " + std::to_string(i + 1) +
                                         " holds a character that Windows-1252 lacks (or is not UTF-8); "
                                         "choose another --output-encoding");
        }
    } while (reader.next());
    return reader.failed() ? csv_problem(options, reader) : kGoOn;
}

// A field as the output encoding has it, in scratch when it has to change.
std::string_view recoded(std::string_view field, const BatchOptions& options, std::string& scratch) {
    const bool to_1252 = options.output_encoding == OutputEncoding::windows_1252;
    if (to_1252 == options.windows_1252) return field;
    if (to_1252) {
        scratch.resize(glyphmate_utf8_to_windows_1252(field.data(), field.size(), nullptr, 0, nullptr));
        glyphmate_utf8_to_windows_1252(field.data(), field.size(), scratch.data(), scratch.size(), nullptr);
    } else {
        scratch.resize(glyphmate_windows_1252_to_utf8(field.data(), field.size(), nullptr, 0));
        glyphmate_windows_1252_to_utf8(field.data(), field.size(), scratch.data(), scratch.size());
    }
    return scratch;
}

// The second pass: the CSV the first one passed, converted.
int write_csv(::glyphmate::api::Converter& converter, CsvReader& reader, const BatchOptions& options, const CsvLayout& layout,
              Output& out, Output& err) {
    skip_bom(reader, options);
    const char d = layout.delimiter;
    const bool to_1252 = options.output_encoding == OutputEncoding::windows_1252;
    if (options.output_encoding == OutputEncoding::utf8_bom ||
        (options.output_encoding == OutputEncoding::utf8 && layout.bom))
        out.put(kUtf8Bom);
    std::string row, scratch, picture;
    ::glyphmate::api::Result result;
    bool any_message = false, header = true;
    std::size_t records = 0;
    while (reader.next()) {
        const auto fields = reader.fields();
        row.clear();
        for (const std::string& field : fields) {
            append_csv_field(row, recoded(field, options, scratch), d);
            row += d;
        }
        if (header) {
            for (const char* name : {"converted", "font", "status", "human_readable"}) {
                if (*name == 'h' && !options.human_readable_column) break;
                row += name;
                row += d;
            }
            if (!options.pictures.empty()) {
                row += "@picture";
                row += d;
            }
            header = false;
        } else {
            const std::string& data = fields[static_cast<std::size_t>(layout.data_column)];
            const std::string_view supplement = layout.supplement_column >= 0
                                                    ? std::string_view(fields[static_cast<std::size_t>(layout.supplement_column)])
                                                    : std::string_view(options.supplement);
            const bool message = converter.run(data, supplement, result) == GLYPHMATE_MESSAGE;
            append_csv_field(row, to_1252 ? result.bytes() : std::string_view(result.converted_utf8), d);
            row += d;
            append_csv_field(row, result.font, d);
            row += d;
            // The status line may quote the data, so it is text like the input's fields.
            std::string_view status = result.status;
            if (to_1252) {
                scratch.resize(glyphmate_utf8_to_windows_1252(status.data(), status.size(), nullptr, 0, nullptr));
                glyphmate_utf8_to_windows_1252(status.data(), status.size(), scratch.data(), scratch.size(), nullptr);
                status = scratch;
            }
            append_csv_field(row, status, d);
            row += d;
            if (options.human_readable_column) {
                append_csv_field(row, result.human_readable, d);
                row += d;
            }
            if (!put_picture(options, result, ++records, picture, out, err)) return kExitUsage;
            if (!options.pictures.empty()) {
                append_csv_field(row, picture, d);
                row += d;
            }
            if (message) {
                report(err, reader.line(), result.status, options, data);
                any_message = true;
            }
        }
        row.back() = '\r';
        row += '\n';
        out.put(row);
        if (!out.ok()) break;
    }
    if (reader.failed()) {  // the file changed since the first pass
        out.flush();
        return csv_problem(options, reader);
    }
    return finish(out, err, any_message);
}

}  // namespace

int convert_lines(::glyphmate::api::Converter& converter, const BatchOptions& options, LineReader& in, Output& out, Output& err) {
    ::glyphmate::api::Result result;
    bool any_message = false;
    const bool raw = options.output_encoding == OutputEncoding::windows_1252;
    if (options.output_encoding == OutputEncoding::utf8_bom) out.put(kUtf8Bom);
    std::string_view line;
    std::string picture;
    while (in.next(line)) {
        const bool message = converter.run(line, options.supplement, result) == GLYPHMATE_MESSAGE;
        if (options.json) {
            out.put(to_json(result, core_bytes(line, options.windows_1252), in.line_number()).dump());
        } else {
            out.put(raw ? result.bytes() : std::string_view(result.converted_utf8));
        }
        out.put('\n');
        if (message) {
            report(err, in.line_number(), result.status, options, line);
            any_message = true;
        }
        if (!put_picture(options, result, in.line_number(), picture, out, err)) return kExitUsage;
        if (!out.ok()) break;
    }
    if (in.error() != 0)
        return io_failure(err, "cannot read " + options.input_name + " after line " + std::to_string(in.line_number()),
                          in.error());
    if (in.too_long()) {
        if (!out.flush()) return io_failure(err, "cannot write the output", out.error());
        err.flush();
        return input_problem(options, in.line_number() + 1,
                             "longer than " + std::to_string(kMaxLine) + " bytes: not a record");
    }
    return finish(out, err, any_message);
}

int find_column(std::span<const std::string> header, std::string_view column, std::string& problem) {
    for (std::size_t i = 0; i < header.size(); ++i)
        if (header[i] == column) return static_cast<int>(i);
    if (all_digits(column)) {
        std::size_t number = 0;
        const auto [end, error] = std::from_chars(column.data(), column.data() + column.size(), number);
        if (error == std::errc() && number >= 1 && number <= header.size()) return static_cast<int>(number - 1);
        problem = "column " + std::string(column) + " does not exist: the header has " + std::to_string(header.size()) +
                  (header.size() == 1 ? " column" : " columns");
        return -1;
    }
    problem = "no column of the header is named '" + std::string(column) + "'";
    return -1;
}

int convert_csv(::glyphmate::api::Converter& converter, const BatchOptions& options, std::string_view text, Output& out,
                Output& err) {
    CsvLayout layout;
    {
        CsvReader reader(text, options.delimiter);
        if (const int status = check_csv(reader, options, layout); status != kGoOn) return status;
    }
    CsvReader reader(text, layout.delimiter);
    return write_csv(converter, reader, options, layout, out, err);
}

int convert_csv(::glyphmate::api::Converter& converter, const BatchOptions& options, int fd, Output& out, Output& err) {
    struct stat st {};
    const off_t start = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) ? ::lseek(fd, 0, SEEK_CUR) : -1;
    if (start >= 0) {  // a file: read twice, a block at a time
        CsvLayout layout;
        {
            CsvReader reader(fd, options.delimiter);
            if (const int status = check_csv(reader, options, layout); status != kGoOn) return status;
        }
        if (::lseek(fd, start, SEEK_SET) < 0) return io_failure(err, "cannot read " + options.input_name, errno);
        CsvReader reader(fd, layout.delimiter);
        return write_csv(converter, reader, options, layout, out, err);
    }
    // A pipe or a terminal cannot be read again: its text is held, once.
    std::string text;
    int error = 0;
    std::size_t too_long_line = 0;
    if (!read_all(fd, text, error, too_long_line)) {
        if (error != 0) return usage_error("cannot read " + options.input_name + ": " + std::strerror(error));
        return input_problem(options, too_long_line, "longer than " + std::to_string(kMaxLine) + " bytes: not a record");
    }
    return convert_csv(converter, options, std::string_view(text), out, err);
}

}  // namespace varnel::glyphmate::console
