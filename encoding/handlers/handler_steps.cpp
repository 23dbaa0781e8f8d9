#include "encoding/handlers/handler_steps.h"

#include "encoder_app/font_naming.h"
#include "encoder_app/preview.h"
#include "encoding/primitives.h"
#include "framework/maker.h"

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
    const std::string converted(text);
    if (truncated) report(kDataTooLong);
    dialog_.set_converted(converted);
    dialog_.set_preview_text(converted);
    const OptionRecord& options = dialog_.options();
    const std::string font = make_font_name(font_key, options.height_index, options.underlying_text);
    show_preview(dialog_, font, converted);
}

std::string more_information(std::string_view lead) {
    std::string sentence(lead);
    sentence += varnel::kHomePage;
    return sentence;
}

}  // namespace glyphmate
