// SPDX-License-Identifier: MIT
#include "verify/flow_check.h"

#include "flow/dispatcher.h"

#include <algorithm>
#include <array>
#include <concepts>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace verify {

namespace {

using varnel::glyphmate::OptionControl;

constexpr std::string_view kInvalid = "Invalid character(s) found in the input.";
constexpr std::string_view kTooLong = "Data too long: only the part that fits in 255 characters was encoded.";
constexpr std::string_view kInvalidUpce = "Invalid UPC-E number: when the last digit is 3, the third digit must be 3 to 9.";
constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kBadSupplement = "The supplement must be 2 or 5 digits.";
constexpr std::string_view kOddDigits = "An odd number of digits: a 0 was put in front.";

using CharTest = std::function<bool(unsigned char)>;

bool in(std::string_view set, unsigned char c) { return set.find(static_cast<char>(c)) != std::string_view::npos; }
bool between(unsigned char c, unsigned char low, unsigned char high) { return c >= low && c <= high; }

bool all_of(std::string_view data, const CharTest& test) {
    for (char c : data)
        if (!test(static_cast<unsigned char>(c))) return false;
    return true;
}

std::string keep(std::string_view data, const CharTest& test) {
    std::string out;
    for (char c : data)
        if (test(static_cast<unsigned char>(c))) out += c;
    return out;
}

// Set C pairs the digits run by run between FNC1s, an odd run with a leading "0".
std::string set_c_runs(std::string_view data) {
    std::string out, run;
    auto flush = [&] {
        if (run.size() % 2 == 1) out += '0';
        out += run;
        run.clear();
    };
    for (char c : data) {
        if (c == '\xC7') flush(), out += c;
        else if (c >= '0' && c <= '9') run += c;
    }
    flush();
    return out;
}

// How each catalogue entry checks the data and names its font.
struct Rules {
    std::string_view type;
    std::string_view family;   // the font family word after "VNL "
    CharTest accepted;         // what passes the handler's check
};

const CharTest kAscii = [](unsigned char c) { return c <= 0x7F; };
const CharTest kDigit = [](unsigned char c) { return in(kDigits, c); };

const std::array<Rules, 17>& rules() {
    static const std::array<Rules, 17> table{{
        {"Code39", "Code39", nullptr},  // depends on Full ASCII
        {"Code39 Extended", "Code39Ext", kAscii},
        {"Code93", "Code93", kAscii},
        {"UPC-A", "UEB", kDigit},
        {"UPC-E", "UEB", kDigit},
        {"EAN-13", "UEB", kDigit},
        {"EAN-8", "UEB", kDigit},
        {"Interleaved 2 of 5", "ITF25", kDigit},
        {"Code128A", "Code128A", [](unsigned char c) { return between(c, 0x01, 0x5F); }},
        {"Code128B", "Code128B", [](unsigned char c) { return between(c, 0x20, 0x7F); }},
        {"Code128C", "Code128C", kDigit},
        {"Code128Auto", "Code128A", [](unsigned char c) { return between(c, 0x01, 0x7F); }},
        {"Codabar", "Codabar", [](unsigned char c) { return in("0123456789-$:/.+", c); }},
        {"Code11", "Code11", [](unsigned char c) { return in("0123456789-", c); }},
        {"Code25", "Code25", kDigit},
        {"MSI/Plessey", "MSI", kDigit},
        {"GS1-128", "Code128A", nullptr},  // the element strings' own checks
    }};
    return table;
}

const Rules* rules_of(std::string_view type) {
    for (const Rules& r : rules())
        if (r.type == type) return &r;
    return nullptr;
}

std::string font_name(std::string_view family, int height, bool underlying_text) {
    static constexpr std::array<std::string_view, 5> kSuffixes{"XS", "S", "M", "T", "XT"};
    std::string name = "VNL " + std::string(family);
    if (height >= 0 && height < 5) name += kSuffixes[static_cast<std::size_t>(height)];
    if (underlying_text) name += 'A';
    return name;
}

std::string join(std::string_view a, std::string_view b) {
    if (a.empty()) return std::string(b);
    if (b.empty()) return std::string(a);
    return std::string(a) + ' ' + std::string(b);
}

std::string show(std::string_view s) {
    std::string out;
    for (char c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F) {
            out += c;
        } else {
            static constexpr char kHex[] = "0123456789ABCDEF";
            out += "\\x";
            out += kHex[b >> 4];
            out += kHex[b & 15];
        }
    }
    return out;
}

// Collects broken rules, one per line.
class Findings {
public:
    void expect(bool ok, std::string_view what) {
        if (!ok) text_ += std::string(what) + '\n';
    }
    // The message is built only when the rule is broken: these checks run millions of times.
    template <std::invocable F>
    void expect(bool ok, F&& what) {
        if (!ok) text_ += what() + '\n';
    }
    void expect_text(std::string_view got, std::string_view want, std::string_view what) {
        if (got != want) text_ += std::string(what) + ": got \"" + show(got) + "\", want \"" + show(want) + "\"\n";
    }
    void add(std::string_view findings) { text_ += findings; }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

// The UPC/EAN members: digits without the check digit, and the length error text.
struct Member {
    std::string_view type;
    std::size_t digits;
    std::string_view length_error;
};
constexpr std::array<Member, 4> kMembers{{
    {"UPC-A", 11, "Invalid length of input string."},
    {"UPC-E", 6, "Invalid length of input string."},
    {"EAN-13", 12, "Invalid length of input string"},
    {"EAN-8", 7, "Invalid length of input string."},
}};

bool upce_has_expansion(std::string_view x) { return !(x[5] == '3' && x[2] <= '2'); }

// The main symbol (or error text) and the add-on of a UPC/EAN conversion.
void check_upc_ean(const Member& m, Symbol symbol, const Snapshot& before, const Snapshot& after, Findings& f) {
    const std::string& data = before.state.controls.data;
    const std::string digits = keep(data, kDigit);
    const std::string& converted = after.state.converted;
    const std::string& supplement = before.state.supplement;

    std::string status;
    if (!all_of(data, kDigit)) status = kInvalid;
    else if (data.size() != m.digits) status = "Only " + std::to_string(m.digits) + " digits are allowed.";

    std::string_view main_text = converted;
    const std::size_t addon_digits = keep(supplement, kDigit).size();
    const bool addon_ok = addon_digits == 2 || addon_digits == 5;
    if (!supplement.empty() && addon_ok) {
        // The add-on follows one space, behind an error text too.
        const std::size_t space = converted.rfind(' ');
        f.expect(space != std::string::npos, "no space before the add-on");
        if (space == std::string::npos) return;
        main_text = main_text.substr(0, space);
        const Reading addon = read_addon(std::string_view(converted).substr(space + 1));
        f.expect(addon.ok(), [&] { return "add-on: " + addon.error + " in \"" + show(converted) + "\""; });
        f.expect_text(addon.addon, keep(supplement, kDigit), "add-on digits");
    }

    if (digits.size() != m.digits) {
        f.expect_text(main_text, m.length_error, "length error text");
    } else if (symbol == Symbol::UpcE && !upce_has_expansion(digits)) {
        f.expect_text(main_text, "Invalid UPC-E number.", "UPC-E without expansion");
        status = join(status, kInvalidUpce);
    } else {
        const Reading r = read_back(symbol, main_text);
        f.expect(r.ok(), [&] { return std::string(name(symbol)) + " read back: " + r.error + " in \"" + show(converted) + "\""; });
        if (r.ok()) f.expect_text(r.data, digits, "read-back data");
    }
    // No add-on, and no space for one: the status line says why.
    if (!supplement.empty() && !addon_ok) status = join(status, kBadSupplement);
    f.expect_text(after.state.status, status, "status line");
}

// The option table: what each handler does to the controls and flags.
void check_option_table(std::string_view type, const Snapshot& before, const Snapshot& after, Findings& f) {
    const auto& b = before.state;
    const auto& a = after.state;
    const auto was = [&](OptionControl c) { return b.control(c); };
    const auto now = [&](OptionControl c) { return a.control(c); };
    const auto shown = [&](OptionControl c, bool want, std::string_view what) {
        f.expect(now(c).shown == want, [&] { return std::string(what) + (want ? " should be shown" : " should be hidden"); });
    };
    const auto enabled = [&](OptionControl c, bool want, std::string_view what) {
        f.expect(now(c).enabled == want, [&] { return std::string(what) + (want ? " should be enabled" : " should be disabled"); });
    };
    const auto unchanged = [&](OptionControl c, std::string_view what) {
        f.expect(now(c) == was(c), [&] { return std::string(what) + " should be unchanged"; });
    };
    using enum OptionControl;

    // The flags as the user chose them, and what the handler may change for its symbol alone.
    varnel::glyphmate::OptionRecord flags = before.chosen;
    flags.data = b.controls.data;
    flags.height_index = b.controls.height_index;
    const bool code39_family = type == "Code39" || type == "Code39 Extended" || type == "Code93";
    const bool upc = type == "UPC-A" || type == "UPC-E" || type == "EAN-13" || type == "EAN-8";
    const bool optional_check = type == "Code25" || type == "Interleaved 2 of 5";
    const bool gs1 = type == "GS1-128";

    shown(CheckCharacter, true, "Check Character");
    shown(UnderlyingText, true, "Underlying Text");
    if (code39_family) {
        shown(FullAscii, true, "Full ASCII");
        shown(Addon, false, "Addon");
        shown(SupplementLabel, false, "supplement label");
        shown(SupplementField, false, "supplement field");
    } else {
        shown(FullAscii, false, "Full ASCII");
        unchanged(Addon, "Addon");
        shown(SupplementLabel, upc, "supplement label");
        shown(SupplementField, upc, "supplement field");
    }

    if (type == "Code39") {
        enabled(FullAscii, true, "Full ASCII");
        enabled(CheckCharacter, !flags.full_ascii, "Check Character");
        enabled(UnderlyingText, true, "Underlying Text");
        if (flags.full_ascii) flags.check_character = false;
    } else if (type == "Code39 Extended" || type == "Code93") {
        enabled(FullAscii, false, "Full ASCII");
        enabled(CheckCharacter, false, "Check Character");
        unchanged(UnderlyingText, "Underlying Text");
        if (type == "Code93") flags.full_ascii = true;
        else flags.check_character = false;
    } else if (upc) {
        enabled(CheckCharacter, false, "Check Character");
        enabled(UnderlyingText, false, "Underlying Text");
        flags.check_character = flags.underlying_text = true;
    } else {
        enabled(CheckCharacter, optional_check, "Check Character");
        enabled(UnderlyingText, !gs1, "Underlying Text");
        if (gs1) flags.underlying_text = false;
        if (type == "Codabar") flags.check_character = false;
        if (type == "MSI/Plessey") flags.check_character = true;
    }
    f.expect(after.record == flags, "option record after the handler differs from the option table's");
    f.expect(a.controls == after.record, "the controls do not show the option record");
}

using Elements = std::vector<std::pair<std::string, std::string>>;

// The elements typed as "(AI)data" (with \( and \) in the data) or "[AI]data"; nullopt when
// the text is not of that form.
std::optional<Elements> typed_elements(std::string_view data) {
    if (data.empty() || (data[0] != '(' && data[0] != '[')) return std::nullopt;
    const char open = data[0], close = open == '(' ? ')' : ']';
    Elements out;
    for (std::size_t i = 0; i < data.size();) {
        const std::size_t end = data.find(close, i + 1);
        if (end == std::string_view::npos) return std::nullopt;
        std::string ai(data.substr(i + 1, end - i - 1));
        if (ai.size() < 2 || ai.size() > 4 || !all_of(ai, kDigit)) return std::nullopt;
        std::string value;
        for (i = end + 1; i < data.size() && data[i] != open; ++i) {
            if (open == '(' && data[i] == '\\' && i + 1 < data.size() && (data[i + 1] == '(' || data[i + 1] == ')'))
                ++i;
            else if (data[i] == close)
                return std::nullopt;
            value += data[i];
        }
        if (value.empty()) return std::nullopt;
        out.emplace_back(std::move(ai), std::move(value));
    }
    return out;
}

}  // namespace

Snapshot painted(const varnel::glyphmate::ConversionRequest& request, varnel::glyphmate::InstalledFamilies& fonts) {
    varnel::glyphmate::HeadlessDialog dialog(fonts);
    dialog.state() = before_request(request).state;
    varnel::glyphmate::run_conversion(dialog);
    return {dialog.state(), dialog.options(), dialog.user_choice().chosen};
}

std::string differences(const varnel::glyphmate::ConversionResult& value, const Snapshot& dialog) {
    std::string out;
    const auto compare = [&](const std::string& a, const std::string& b, const char* what) {
        if (a != b) out += std::string(what) + ": \"" + show(a) + "\" against the dialog's \"" + show(b) + "\"\n";
    };
    compare(value.converted, dialog.state.converted, "converted");
    compare(value.status, dialog.state.status, "status");
    compare(value.human_readable, dialog.state.human_readable, "human-readable text");
    if (value.font_installed) compare(value.font, dialog.state.preview_font.face, "font");
    if (!(value.options == dialog.record)) out += "options differ from the dialog's\n";
    return out;
}

Snapshot before_request(const varnel::glyphmate::ConversionRequest& request) {
    Snapshot s;
    s.state.type_text = request.type;
    s.state.controls = request.options;
    s.state.controls.data = request.data;
    s.state.supplement = request.supplement;
    s.record = s.chosen = s.state.controls;
    return s;
}

Kept kept_data(Symbol symbol, std::string_view data) {
    const auto with = [&](const CharTest& test) {
        const std::string k = keep(data, test);
        return Kept{k, k};
    };
    switch (symbol) {
        case Symbol::Code39:
        case Symbol::Code39Check:
            return with([](unsigned char c) { return in("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%", c); });
        case Symbol::Code39FullAscii:
        case Symbol::Code39Extended:
        case Symbol::Code93:
            return with([](unsigned char c) { return between(c, 0x01, 0x7F); });
        case Symbol::Itf:
        case Symbol::ItfCheck: {
            // A leading zero makes the digits (with the check digit) even in number; a cut
            // symbol is even already and takes none.
            Kept k = with(kDigit);
            if (k.data.size() % 2 == (symbol == Symbol::Itf ? 1u : 0u)) k.data.insert(0, "0");
            return k;
        }
        case Symbol::Code128A:
            return with([](unsigned char c) { return between(c, 0x01, 0x5F) || between(c, 0xC1, 0xC7); });
        case Symbol::Code128B:
            return with([](unsigned char c) { return between(c, 0x20, 0x7F) || between(c, 0xC1, 0xC7); });
        case Symbol::Code128C: {
            const std::string k = set_c_runs(data);
            return {k, k};
        }
        case Symbol::Code128Auto:
            // SHIFT, CODE C and CODE B typed into the data would change the set behind
            // Auto's back; other bytes above 0x7F have no value.
            return with([](unsigned char c) { return between(c, 0x01, 0x7F) || in("\xC1\xC2\xC6\xC7", c); });
        case Symbol::Codabar:
            return with([](unsigned char c) { return in("0123456789-$:/.+", c); });
        case Symbol::Code11:
            return with([](unsigned char c) { return in("0123456789-", c); });
        default:
            return with(kDigit);
    }
}

std::string check_conversion(const Snapshot& before, const Snapshot& after) {
    Findings f;
    const std::string& type = before.state.type_text;
    const Rules* rules = rules_of(type);
    if (rules == nullptr) return "unknown type " + type + "\n";
    const auto& a = after.state;

    f.expect_text(a.type_text, type, "selected type");
    f.expect_text(a.supplement, before.state.supplement, "supplement field");
    f.expect(a.converted.size() <= 255, [&] { return "converted string longer than 255: " + std::to_string(a.converted.size()); });
    f.expect(a.converted.find('\0') == std::string::npos, "NUL inside the converted string");
    f.expect(!a.symbol_notes.empty(), "no Symbol Notes");
    check_option_table(type, before, after, f);
    if (type != "GS1-128") f.expect_text(a.human_readable, "", "human-readable text");

    // The symbol drawn, by the options after the handler set them.
    const std::optional<Symbol> symbol = symbol_of(type, after.record.check_character, after.record.full_ascii);
    const std::string& data = before.state.controls.data;
    if (const auto member = std::find_if(kMembers.begin(), kMembers.end(), [&](const Member& m) { return m.type == type; });
        member != kMembers.end()) {
        check_upc_ean(*member, *symbol, before, after, f);
    } else if (*symbol == Symbol::Gs1_128) {
        f.add(check_gs1(data, a.converted, a.human_readable, a.status));
    } else {
        const CharTest accepted = rules->accepted ? rules->accepted
                                  : after.record.full_ascii ? kAscii
                                  // "*" is the start and stop glyph, never data: reported
                                  : [](unsigned char c) { return in("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-.$/+% ", c); };
        const Kept kept = kept_data(*symbol, data);
        const Reading r = read_back(*symbol, a.converted);
        f.expect(r.ok(), [&] { return std::string(name(*symbol)) + " read back: " + r.error + " in \"" + show(a.converted) + "\""; });
        bool cut = false;
        if (r.ok() && r.data != kept.data) {
            cut = true;
            f.expect(kept.cut_base.starts_with(r.data) && r.data.size() < kept.cut_base.size(),
                     [&] { return "read-back data \"" + show(r.data) + "\" is not the kept data \"" + show(kept.data) + "\" nor a cut of it"; });
            f.expect(a.converted.size() >= 254, [&] { return "a cut symbol leaves room unused: " + std::to_string(a.converted.size()); });
        }
        // Set C pairs each run of digits; an odd one gets a leading zero, and the user is told.
        const bool odd_run = *symbol == Symbol::Code128C && set_c_runs(data) != keep(data, [](unsigned char c) { return in("0123456789\xC7", c); });
        const std::string status = join(join(all_of(data, accepted) ? "" : kInvalid, odd_run ? kOddDigits : ""), cut ? kTooLong : "");
        f.expect_text(a.status, status, "status line");
    }

    // The font named by the family, the height and Underlying Text; the preview set in it
    // or saying that it is missing.
    const std::string font = font_name(rules->family, after.record.height_index, after.record.underlying_text);
    const bool in_font = a.preview_font.face == font && a.preview_text == a.converted;
    const bool missing = a.preview_font.face == "Arial" && a.preview_text == "Font " + font + " not installed.";
    f.expect(in_font || missing, [&] { return "preview \"" + show(a.preview_text) + "\" in " + a.preview_font.face + " for font " + font; });
    f.expect(a.preview_font.height == -12 && a.preview_font.weight == 400, "preview font size or weight");
    return f.take();
}

std::string check_gs1(std::string_view data, std::string_view converted, std::string_view human_readable,
                      std::string_view status) {
    Findings f;
    const bool cut = status == kTooLong;
    if (!status.empty() && !cut) {
        f.expect_text(converted, "", "converted string of data with a fault");
        f.expect_text(human_readable, "", "human-readable text of data with a fault");
        return f.take();
    }
    const std::optional<Elements> elements = typed_elements(data);
    f.expect(elements.has_value(), "GS1 data not of the typed form converted without a message");
    if (!elements) return f.take();
    const Reading r = read_back(Symbol::Gs1_128, converted);
    f.expect(r.ok(), [&] { return "Gs1_128 read back: " + r.error + " in \"" + show(converted) + "\""; });
    if (!r.ok()) return f.take();
    std::size_t kept = elements->size();
    if (cut) {
        // The last elements are left out whole: the symbol sends a shorter run of them, of
        // no more elements than it has bytes.
        const auto first = [&](std::size_t n) { return Elements(elements->begin(), elements->begin() + static_cast<std::ptrdiff_t>(n)); };
        kept = std::min(kept, r.data.size());
        while (kept > 0 && gs1_transmitted(first(kept)) != r.data) --kept;
        f.expect(kept > 0 && kept < elements->size(),
                 [&] { return "read-back data \"" + show(r.data) + "\" is no run of whole elements"; });
    }
    const Elements sent(elements->begin(), elements->begin() + static_cast<std::ptrdiff_t>(kept));
    f.expect_text(r.data, gs1_transmitted(sent), "read-back data");
    std::string text;
    for (const auto& [ai, value] : sent) text += "(" + ai + ")" + value;
    f.expect_text(human_readable, text, "human-readable text");
    return f.take();
}

}  // namespace verify
