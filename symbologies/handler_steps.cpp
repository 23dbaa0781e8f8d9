#include "symbologies/handler_steps.h"

#include <algorithm>

#include "flow/font_naming.h"
#include "flow/preview.h"
#include "encoding/primitives.h"
#include "common/maker.h"

namespace glyphmate {

Conversion::Conversion(DialogOps& dialog) : dialog_(dialog), data_(dialog.data_text()) {
    dialog_.set_status("");
}

void Conversion::report(std::string_view message) {
    if (!status_.empty()) status_ += ' ';
    status_ += message;
    dialog_.set_status(status_);
}

void Conversion::finish(const char* encoded, std::string_view font_key) {
    const bool truncated = vnl::result_truncated();
    finish(std::string_view(encoded), truncated, font_key);
}

void Conversion::finish(std::string_view text, bool truncated, std::string_view font_key) {
    // The text may sit in the encoders' result buffer: copy it first, on the stack when it
    // fits (it always does from an encoder), so that a run of records allocates nothing here.
    char local[vnl::kMaxConverted + 1];
    std::string spilled;
    std::string_view converted;
    if (text.size() < sizeof local) {
        std::copy(text.begin(), text.end(), local);
        converted = {local, text.size()};
    } else {
        spilled = text;
        converted = spilled;
    }
    if (truncated) report(kDataTooLong);
    dialog_.set_converted(converted);
    dialog_.set_preview_text(converted);
    const OptionRecord& options = dialog_.options();
    show_preview(dialog_, font_name(font_key, options.height_index, options.underlying_text), converted);
}

const std::string& font_name(std::string_view key, int height_index, bool underlying_text) {
    struct Last {
        std::string key, name;
        int height_index = 0;
        bool underlying_text = false;
        bool known = false;
    };
    thread_local Last last;
    if (!last.known || last.key != key || last.height_index != height_index || last.underlying_text != underlying_text) {
        last.name = make_font_name(key, height_index, underlying_text);
        last.key.assign(key);
        last.height_index = height_index;
        last.underlying_text = underlying_text;
        last.known = true;
    }
    return last.name;
}

std::string more_information(std::string_view lead) {
    std::string sentence(lead);
    sentence += varnel::kHomePage;
    return sentence;
}

}  // namespace glyphmate
