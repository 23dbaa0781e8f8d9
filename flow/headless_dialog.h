// SPDX-License-Identifier: MIT
// The encoder dialog without a window: the state of its controls as plain data. The
// console front end runs the flow against it, and tests inspect what the flow did.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "flow/dialog_ops.h"
#include "flow/installed_families.h"

namespace varnel::glyphmate {

struct ControlState {
    bool shown = true;
    bool enabled = true;
    friend bool operator==(const ControlState&, const ControlState&) = default;
};

struct DialogState {
    std::string type_text = "Code39";
    OptionRecord controls;  // what the boxes, buttons and the data field show
    std::string supplement;
    std::string symbol_notes;
    std::string status;
    std::string converted;
    std::string human_readable;
    std::string preview_text;
    FontDescription preview_font;
    std::array<ControlState, kOptionControlCount> option_controls{};

    const ControlState& control(OptionControl c) const { return option_controls[static_cast<std::size_t>(c)]; }
    ControlState& control(OptionControl c) { return option_controls[static_cast<std::size_t>(c)]; }
};

class HeadlessDialog : public DialogOps {
public:
    using FontQuery = glyphmate::FontQuery;

    explicit HeadlessDialog(InstalledFamilies& fonts)
        : installed_([&fonts](std::string_view family) { return fonts.contains(family); }) {}
    explicit HeadlessDialog(FontQuery installed) : installed_(std::move(installed)) {}

    DialogState& state() { return state_; }
    const DialogState& state() const { return state_; }

    std::string selected_type_text() const override { return state_.type_text; }
    OptionRecord& options() override { return record_; }
    void read_options() override { record_ = state_.controls; }
    void write_options() override { state_.controls = record_; }
    std::string data_text() const override { return state_.controls.data; }
    std::string supplement_text() const override { return state_.supplement; }
    void set_symbol_notes(std::string_view text) override { state_.symbol_notes = text; }
    void set_status(std::string_view text) override { state_.status = text; }
    void set_converted(std::string_view text) override { state_.converted = text; }
    void set_human_readable(std::string_view text) override { state_.human_readable = text; }
    void set_preview_text(std::string_view text) override { state_.preview_text = text; }
    void set_preview_font(const FontDescription& font) override { state_.preview_font = font; }
    void show_control(OptionControl c, bool shown) override { state_.control(c).shown = shown; }
    void enable_control(OptionControl c, bool enabled) override { state_.control(c).enabled = enabled; }
    bool font_family_installed(std::string_view family) override { return installed_ && installed_(family); }

private:
    FontQuery installed_;
    DialogState state_;
    OptionRecord record_;
};

}  // namespace varnel::glyphmate
