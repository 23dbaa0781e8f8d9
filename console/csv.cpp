#include "console/csv.h"

namespace glyphmate::console {

namespace {

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    bool run(std::vector<CsvRecord>& records, CsvProblem& problem) {
        while (at_ < text_.size()) {
            CsvRecord record{.line = line_, .fields = {}};
            if (!read_record(record.fields, problem)) return false;
            if (!records.empty() && record.fields.size() != records.front().fields.size()) {
                problem = {record.line, std::to_string(record.fields.size()) + " fields where the header has " +
                                            std::to_string(records.front().fields.size())};
                return false;
            }
            records.push_back(std::move(record));
        }
        if (records.empty()) {
            problem = {1, "no header row"};
            return false;
        }
        return true;
    }

private:
    // One record up to and including its line end (or the end of the text).
    bool read_record(std::vector<std::string>& fields, CsvProblem& problem) {
        for (;;) {
            std::string& field = fields.emplace_back();
            if (at_ < text_.size() && text_[at_] == '"') {
                if (!read_quoted(field, problem)) return false;
            } else {
                while (at_ < text_.size() && !is_separator(text_[at_])) {
                    if (text_[at_] == '"') {
                        problem = {line_, "a quote inside an unquoted field (quote the field and double the quote)"};
                        return false;
                    }
                    field += text_[at_++];
                }
            }
            if (at_ == text_.size()) return true;
            const char c = text_[at_];
            if (c == ',') {
                ++at_;
                continue;
            }
            if (c == '\r' && (at_ + 1 == text_.size() || text_[at_ + 1] != '\n')) {
                problem = {line_, "a carriage return outside quotes that does not end the line"};
                return false;
            }
            at_ += c == '\r' ? 2 : 1;
            ++line_;
            return true;
        }
    }

    bool read_quoted(std::string& field, CsvProblem& problem) {
        const std::size_t opened = line_;
        ++at_;
        for (;;) {
            if (at_ == text_.size()) {
                problem = {opened, "a quoted field is not closed"};
                return false;
            }
            const char c = text_[at_++];
            if (c == '"') {
                if (at_ < text_.size() && text_[at_] == '"') {
                    field += '"';
                    ++at_;
                    continue;
                }
                if (at_ < text_.size() && !is_separator(text_[at_])) {
                    problem = {line_, "text after the closing quote of a field"};
                    return false;
                }
                return true;
            }
            if (c == '\n') ++line_;
            field += c;
        }
    }

    static bool is_separator(char c) { return c == ',' || c == '\r' || c == '\n'; }

    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t line_ = 1;
};

}  // namespace

bool parse_csv(std::string_view text, std::vector<CsvRecord>& records, CsvProblem& problem) {
    return Parser(text).run(records, problem);
}

void append_csv_field(std::string& out, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace glyphmate::console
