// SPDX-License-Identifier: MIT
// The operations through which the conversion flow reads and changes the encoder dialog.
// Everything the flow does to a dialog goes through here, so it runs the same against the
// Qt dialog, the headless dialog of the console and library, and the tests.
#pragma once

#include <string>
#include <string_view>

#include "symbologies/symbology.h"

namespace varnel::glyphmate {

struct FontDescription {
    std::string face;
    int height = 0;  // negative: character height in device units
    int weight = 0;

    friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

class DialogOps {
public:
    virtual ~DialogOps() = default;

    virtual std::string selected_type_text() const = 0;

    // The option record the dialog owns; read_options fills it from the controls,
    // write_options shows it in the controls.
    virtual OptionRecord& options() = 0;
    virtual void read_options() = 0;
    virtual void write_options() = 0;

    virtual std::string data_text() const = 0;
    virtual std::string supplement_text() const = 0;

    virtual void set_symbol_notes(std::string_view text) = 0;
    virtual void set_status(std::string_view text) = 0;
    virtual void set_converted(std::string_view text) = 0;
    // The text to print under the bars (GS1-128); empty for the other symbologies. A
    // dialog without a place for it ignores it.
    virtual void set_human_readable(std::string_view) {}
    virtual void set_preview_text(std::string_view text) = 0;
    virtual void set_preview_font(const FontDescription& font) = 0;

    virtual void show_control(OptionControl control, bool shown) = 0;
    virtual void enable_control(OptionControl control, bool enabled) = 0;

    // Whether a font family of this name is installed, compared without regard to case.
    virtual bool font_family_installed(std::string_view family) = 0;

    // What the flow keeps between conversions: the flags as the user chose them and as it
    // last showed them in the boxes, so that a flag one symbology forces stays the user's
    // own choice for the others.
    struct UserChoice {
        OptionRecord chosen, shown;
    };
    UserChoice& user_choice() { return user_choice_; }

private:
    UserChoice user_choice_;
};

}  // namespace varnel::glyphmate
