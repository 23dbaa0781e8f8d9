// SPDX-License-Identifier: MIT
// A headless dialog that also keeps the order of the operations the flow called, so tests
// can check the steps of a handler.
#pragma once

#include <string>
#include <vector>

#include "flow/headless_dialog.h"

namespace test {

class RecordingDialog : public varnel::glyphmate::HeadlessDialog {
public:
    explicit RecordingDialog(varnel::glyphmate::InstalledFamilies& fonts) : HeadlessDialog(fonts) {}

    mutable std::vector<std::string> calls;  // data_text is const but still a step

    void read_options() override { calls.push_back("read_options"), HeadlessDialog::read_options(); }
    void write_options() override { calls.push_back("write_options"), HeadlessDialog::write_options(); }
    std::string data_text() const override {
        calls.push_back("data_text");
        return HeadlessDialog::data_text();
    }
    std::string supplement_text() const override {
        calls.push_back("supplement_text");
        return HeadlessDialog::supplement_text();
    }
    void set_symbol_notes(std::string_view t) override { calls.push_back("notes"), HeadlessDialog::set_symbol_notes(t); }
    void set_status(std::string_view t) override { calls.push_back("status:" + std::string(t)), HeadlessDialog::set_status(t); }
    void set_converted(std::string_view t) override { calls.push_back("converted"), HeadlessDialog::set_converted(t); }
    void set_preview_text(std::string_view t) override { calls.push_back("preview_text"), HeadlessDialog::set_preview_text(t); }
    void set_preview_font(const varnel::glyphmate::FontDescription& f) override {
        calls.push_back("preview_font:" + f.face), HeadlessDialog::set_preview_font(f);
    }
    void show_control(varnel::glyphmate::OptionControl c, bool s) override { calls.push_back("show"), HeadlessDialog::show_control(c, s); }
    void enable_control(varnel::glyphmate::OptionControl c, bool e) override { calls.push_back("enable"), HeadlessDialog::enable_control(c, e); }
    bool font_family_installed(std::string_view family) override {
        calls.push_back("installed?" + std::string(family));
        return HeadlessDialog::font_family_installed(family);
    }

    // The distinct kinds of step in the order they first happened, with repeats of the
    // same kind folded ("show" and "enable" count as one kind: the option controls).
    std::vector<std::string> steps() const;
};

inline std::vector<std::string> RecordingDialog::steps() const {
    std::vector<std::string> out;
    for (std::string c : calls) {
        if (c == "show" || c == "enable" || c == "write_options") c = "controls";
        if (c.starts_with("status:")) c = "status";
        if (c.starts_with("preview_font:")) c = "preview_font";
        if (c.starts_with("installed?")) c = "installed?";
        if (out.empty() || out.back() != c) out.push_back(c);
    }
    return out;
}

}  // namespace test
