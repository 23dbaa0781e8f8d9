// SPDX-License-Identifier: MIT
#include "console/string_check.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "console/csv.h"
#include "console/io.h"
#include "console/picture_file.h"

namespace varnel::glyphmate::console {

namespace {

// 0 when the type is unknown (reported), else the return of glyphmate_inspect.
int run(const Settings& s, std::string_view text, bool bytes, glyphmate_inspection& r) {
    const int code = glyphmate_inspect(s.type_given ? s.type.c_str() : nullptr, text.data(), text.size(),
                                       bytes ? GLYPHMATE_WINDOWS_1252 : GLYPHMATE_UTF8, &r);
    if (code == GLYPHMATE_UNKNOWN_TYPE) usage_error("unknown type '" + s.type + "' (see --list)");
    return code;
}

std::string quoted(const char* text) { return std::string("\"") + text + "\""; }

// "Code39 (check character) in VNL Code39: scans", the data, the marks, the faults.
std::string report(const glyphmate_inspection& r, bool with_others) {
    std::string out = r.type;
    if (r.check_character && r.full_ascii) out += " (check character, full ASCII)";
    else if (r.check_character) out += " (check character)";
    else if (r.full_ascii) out += " (full ASCII)";
    out += std::string(" in ") + r.font + (r.scans ? ": scans\n" : ": does not scan\n");
    out += "data: " + quoted(r.data) + "\n";
    std::string marks;
    for (std::size_t i = 0; i < r.mark_count; ++i) {
        const glyphmate_mark& m = r.marks[i];
        if (!marks.empty()) marks += ", ";
        marks += std::string(m.role) + " " + quoted(m.found) + " at " + std::to_string(m.at);
        if (std::strcmp(m.found, m.expected) != 0) marks += " (should be " + quoted(m.expected) + ")";
    }
    if (!marks.empty()) out += marks + "\n";
    for (std::size_t i = 0; i < r.fault_count && i < GLYPHMATE_MAX_FAULTS; ++i)
        out += std::string(r.faults[i].kind) + ": " + r.faults[i].message + "\n";
    if (r.fault_count > GLYPHMATE_MAX_FAULTS) out += "and " + std::to_string(r.fault_count - GLYPHMATE_MAX_FAULTS) + " more faults\n";
    if (with_others && r.others[0] != '\0') {
        std::string others = r.others;
        others.pop_back();
        for (std::size_t at; (at = others.find('\n')) != std::string::npos;) others.replace(at, 1, ", ");
        out += "also reads as: " + others + "\n";
    }
    return out;
}

// The faults' messages, one space apart, for a CSV field or a batch line.
std::string messages(const glyphmate_inspection& r) {
    std::string out;
    for (std::size_t i = 0; i < r.fault_count && i < GLYPHMATE_MAX_FAULTS; ++i) {
        if (!out.empty()) out += ' ';
        out += r.faults[i].message;
    }
    return out;
}

int open_input(const Settings& s, std::string& name) {
    name = s.input.empty() ? "standard input" : "'" + s.input + "'";
    if (s.input.empty()) return STDIN_FILENO;
    const int fd = ::open(s.input.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) usage_error("cannot open " + name + ": " + std::strerror(errno));
    return fd;
}

}  // namespace

nlohmann::ordered_json inspection_json(const glyphmate_inspection& r, bool with_others) {
    nlohmann::ordered_json j;
    j["type"] = r.type;
    j["font"] = r.font;
    j["data"] = r.data;
    j["scans"] = r.scans != 0;
    nlohmann::ordered_json faults = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < r.fault_count && i < GLYPHMATE_MAX_FAULTS; ++i) {
        const glyphmate_fault& f = r.faults[i];
        faults.push_back({{"at", f.at == 0 ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(f.at)},
                          {"kind", f.kind},
                          {"message", f.message}});
    }
    j["faults"] = faults;
    if (with_others) {
        nlohmann::ordered_json others = nlohmann::ordered_json::array();
        std::string_view list = r.others;
        for (std::size_t at; (at = list.find('\n')) != std::string_view::npos; list.remove_prefix(at + 1))
            others.push_back(std::string(list.substr(0, at)));
        j["others"] = others;
    }
    j["options"] = {{"check_character", r.check_character != 0}, {"full_ascii", r.full_ascii != 0}};
    nlohmann::ordered_json marks = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < r.mark_count; ++i) {
        const glyphmate_mark& m = r.marks[i];
        marks.push_back({{"at", m.at}, {"role", m.role}, {"found", m.found}, {"expected", m.expected}});
    }
    j["characters"] = marks;
    return j;
}

// The inspected string drawn in the font that reads it, as pasted: what it prints.
std::string draw_inspected(const Settings& s, const glyphmate_inspection& r, bool& left_out) {
    if (r.type[0] == '\0') return "no font reads the string, so there is no picture to draw";
    glyphmate_result drawn{};
    std::memcpy(drawn.type, r.type, sizeof drawn.type < sizeof r.type ? sizeof drawn.type : sizeof r.type);
    drawn.type[sizeof drawn.type - 1] = '\0';
    drawn.converted_length = s.data_is_bytes ? std::min(s.data.size(), sizeof drawn.converted - 1)
                                             : glyphmate_utf8_to_windows_1252(s.data.data(), s.data.size(), drawn.converted,
                                                                              sizeof drawn.converted - 1, nullptr);
    if (s.data_is_bytes) std::memcpy(drawn.converted, s.data.data(), drawn.converted_length);
    drawn.converted_length = std::min(drawn.converted_length, sizeof drawn.converted - 1);
    drawn.options.underlying_text = 1;
    return write_picture(drawn, s.picture_format, s.picture, s.picture_path, &left_out);
}

int inspect_one(const Settings& s) {
    glyphmate_inspection r;
    const int code = run(s, s.data, s.data_is_bytes, r);
    if (code < 0) return code == GLYPHMATE_UNKNOWN_TYPE ? kExitUsage : usage_error(glyphmate_strerror(code));
    if (s.json)
        std::cout << inspection_json(r, !s.type_given).dump() << '\n';
    else
        std::cout << report(r, !s.type_given);
    const int status = written(r.scans ? 0 : kExitMessage);
    if (s.picture_path.empty() || status == kExitUsage) return status;
    bool left_out = false;
    if (const std::string problem = draw_inspected(s, r, left_out); !problem.empty()) return usage_error(problem);
    if (left_out) std::cerr << "glyphmate-encode: the font has no glyph for some characters; the picture leaves them out\n";
    return status;
}

int inspect_batch(const Settings& s) {
    std::string name;
    const int fd = open_input(s, name);
    if (fd < 0) return kExitUsage;
    Output out(STDOUT_FILENO);
    glyphmate_inspection r;
    bool any_fault = false;
    int status = 0;
    if (s.csv) {
        std::string text;
        int error = 0;
        std::size_t too_long = 0;
        if (!read_all(fd, text, error, too_long))
            status = usage_error("cannot read " + name + (error != 0 ? ": " + std::string(std::strerror(error)) : ""));
        std::string_view body = text;
        const bool bom = !s.windows_1252 && body.starts_with(kUtf8Bom);
        if (bom) body.remove_prefix(kUtf8Bom.size());
        std::vector<CsvRecord> records;
        CsvProblem problem;
        if (status == 0 && !parse_csv(body, records, problem, s.delimiter))
            status = usage_error(name + ", line " + std::to_string(problem.line) + ": " + problem.what);
        int column = -1;
        if (status == 0 && !records.empty()) {
            std::string why;
            column = find_column(records.front().fields, s.column, why);
            if (column < 0) status = usage_error("--column: " + why);
        }
        if (status == 0) {
            CsvReader header(body, s.delimiter);
            header.next();
            const char d = header.delimiter();
            if (bom) out.put(kUtf8Bom);
            for (std::size_t k = 0; k < records.size(); ++k) {
                std::string row;
                for (const std::string& field : records[k].fields) {
                    append_csv_field(row, field, d);
                    row += d;
                }
                if (k == 0) {
                    row += std::string("scans") + d + "data" + d + "faults";
                } else {
                    const std::string& field = records[k].fields[static_cast<std::size_t>(column)];
                    if (run(s, field, s.windows_1252, r) < 0) return kExitUsage;
                    any_fault = any_fault || !r.scans;
                    row += std::string(r.scans ? "true" : "false") + d;
                    append_csv_field(row, r.data, d);
                    row += d;
                    append_csv_field(row, messages(r), d);
                }
                out.put(row + "\r\n");
            }
        }
    } else {
        LineReader in(fd, !s.windows_1252);
        std::string_view line;
        while (in.next(line)) {
            if (run(s, line, s.windows_1252, r) < 0) return kExitUsage;
            any_fault = any_fault || !r.scans;
            if (s.json) {
                nlohmann::ordered_json j;
                j["line"] = in.line_number();
                j.update(inspection_json(r, !s.type_given));
                out.put(j.dump());
            } else {
                out.put(std::to_string(in.line_number()) + ": " + (r.type[0] != '\0' ? std::string(r.type) + " " : "") +
                        quoted(r.data) + ": " +
                        (r.scans ? std::string("scans") : messages(r)));
            }
            out.put('\n');
        }
        if (in.error() != 0) status = usage_error("cannot read " + name + ": " + std::strerror(in.error()));
        else if (in.too_long()) status = usage_error(name + ", line " + std::to_string(in.line_number() + 1) + ": not a record");
    }
    if (fd != STDIN_FILENO) ::close(fd);
    if (!out.flush()) return usage_error(std::string("cannot write the output: ") + std::strerror(out.error()));
    return status != 0 ? status : any_fault ? kExitMessage : 0;
}

}  // namespace varnel::glyphmate::console
