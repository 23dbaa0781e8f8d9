// SPDX-License-Identifier: MIT
#include "flow/string_check.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "flow/catalogue.h"
#include "flow/font_naming.h"
#include "flow/installed_families.h"
#include "flow/win1252.h"
#include "symbologies/reading.h"

namespace varnel::glyphmate {

namespace {

using varnel::GlyphRole;
using varnel::ReadFaultKind;
using varnel::Reading;

// One glyph layout and the catalogue entries drawn in it. alphabet: how many data glyphs
// it has; of two readings equally good, the font with fewer is the likelier, since a
// string that keeps to a small alphabet by chance is rarer.
struct Layout {
    std::array<std::string_view, 5> types;
    std::string_view quotes;  // the straight quotes the font draws
    Reading (*read)(std::string_view s, int member);
    int alphabet;
};

const Layout kLayouts[] = {
    {{"Code39"}, {}, [](std::string_view s, int) { return varnel::read_code39(s); }, 43},
    {{"Code39 Extended"}, "\"'", [](std::string_view s, int) { return varnel::read_code39_extended(s); }, 127},
    {{"Code93"}, {}, [](std::string_view s, int) { return varnel::read_code93(s); }, 47},
    {{"UPC-A", "UPC-E", "EAN-13", "EAN-8"}, "'", varnel::read_upc_ean, 10},
    {{"Interleaved 2 of 5"}, "\"'", [](std::string_view s, int) { return varnel::read_itf25(s); }, 100},
    {{"Code128A", "Code128B", "Code128C", "Code128Auto", "GS1-128"}, "\"'",
     [](std::string_view s, int) { return varnel::read_code128(s); }, 106},
    {{"Codabar"}, {}, [](std::string_view s, int) { return varnel::read_codabar(s); }, 16},
    {{"Code11"}, {}, [](std::string_view s, int) { return varnel::read_code11(s); }, 11},
    {{"Code25"}, {}, [](std::string_view s, int) { return varnel::read_code25(s); }, 10},
    {{"MSI/Plessey"}, {}, [](std::string_view s, int) { return varnel::read_msi(s); }, 10},
};

// A byte no font draws, for characters that have none in Windows-1252.
constexpr char kNoByte = '\xFF';

// The string as the fonts' bytes, each with the character it came from.
struct Text {
    std::string bytes;
    std::vector<std::size_t> origin;  // the character of each byte, from 1
    std::vector<std::string> shown;   // each character of the input, as UTF-8
};

Text from_utf8(std::string_view utf8) {
    Text t;
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        std::size_t len = utf8_sequence(utf8, i, cp);
        int byte = -1;
        if (len == 0) {
            len = 1;
        } else if (cp != 0) {
            byte = unicode_to_cp1252(cp);
            // A C1 control is what a Latin-1 reading makes of the byte of the same value.
            if (byte < 0 && cp >= 0x80 && cp <= 0x9F) byte = static_cast<int>(cp);
        }
        t.bytes += byte < 0 ? kNoByte : static_cast<char>(byte);
        t.shown.emplace_back(utf8.substr(i, len));
        t.origin.push_back(t.shown.size());
        i += len;
    }
    return t;
}

Text from_bytes(std::string_view bytes) {
    Text t;
    for (char c : bytes) {
        t.bytes += c;
        t.shown.push_back(cp1252_to_utf8({&c, 1}));
        t.origin.push_back(t.shown.size());
    }
    return t;
}

// No font draws a byte from 0x80 to 0xBF, so 0xC3 before one is UTF-8 of the bytes 0xC0 to
// 0xFF read as Windows-1252: "Ê" shown as "ÃŠ". But "Ã" before a smart quote is also a
// glyph of some fonts followed by a quote AutoCorrect changed, so such pairs are mended only
// when the string has a pair that can be nothing but mojibake. Mends each pair; the first
// one's character, or 0 when there is none.
std::size_t mend_mojibake(Text& t) {
    auto pair_at = [&](std::size_t i) {
        const auto next = i + 1 < t.bytes.size() ? static_cast<unsigned char>(t.bytes[i + 1]) : 0;
        return static_cast<unsigned char>(t.bytes[i]) == 0xC3 && next >= 0x80 && next <= 0xBF ? next : 0;
    };
    auto smart_quote = [](unsigned char b) { return b >= 0x91 && b <= 0x94; };
    bool sure = false;
    for (std::size_t i = 0; i < t.bytes.size() && !sure; ++i) sure = pair_at(i) != 0 && !smart_quote(pair_at(i));
    if (!sure) return 0;
    std::size_t first = 0;
    Text mended;
    mended.shown = t.shown;
    for (std::size_t i = 0; i < t.bytes.size(); ++i) {
        if (const unsigned char next = pair_at(i); next != 0) {
            if (first == 0) first = t.origin[i];
            mended.bytes += static_cast<char>(0xC0 | (next & 0x3F));
            mended.origin.push_back(t.origin[i]);
            ++i;
        } else {
            mended.bytes += t.bytes[i];
            mended.origin.push_back(t.origin[i]);
        }
    }
    t = std::move(mended);
    return first;
}

// A character for a message: printable as it is, a control by its code.
std::string shown_char(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    if (b < 0x20 || b == 0x7F) {
        static constexpr char kHex[] = "0123456789ABCDEF";
        return std::string("U+00") + kHex[b >> 4] + kHex[b & 0xF];
    }
    return "\"" + cp1252_to_utf8({&byte, 1}) + "\"";
}

struct Candidate {
    Reading reading;
    const Layout* layout;
    std::vector<InspectFault> faults;
};

std::string family_of(std::string_view type) {
    const CatalogueEntry* entry = find_entry(type);
    return entry == nullptr ? std::string() : make_font_name(entry->font_key, -1, false);
}

std::string_view kind_name(ReadFaultKind kind) {
    switch (kind) {
        case ReadFaultKind::NotInFont: return "not-in-font";
        case ReadFaultKind::TypographicQuote: return "typographic-quote";
        case ReadFaultKind::Mojibake: return "mojibake";
        case ReadFaultKind::WrongCheck: return "wrong-check";
        case ReadFaultKind::NoStart: return "no-start";
        case ReadFaultKind::NoStop: return "no-stop";
        case ReadFaultKind::Misplaced: return "misplaced";
        case ReadFaultKind::TooLong: return "too-long";
    }
    return "";
}

// The faults of one reading, with their messages; positions are characters of the input.
std::vector<InspectFault> describe(const Reading& r, const Text& t, const std::string& family) {
    std::vector<InspectFault> out;
    for (const varnel::ReadFault& f : r.faults) {
        InspectFault fault{kind_name(f.kind), std::nullopt, {}};
        std::string where;
        if (f.at != varnel::kNowhere) {
            fault.at = t.origin[f.at];
            where = " at character " + std::to_string(*fault.at);
        }
        switch (f.kind) {
            case ReadFaultKind::NotInFont:
                fault.message = (f.found == kNoByte ? "\"" + t.shown[*fault.at - 1] + "\"" : shown_char(f.found)) + where +
                                " is not in the font " + family + ": delete it, or convert the data again.";
                break;
            case ReadFaultKind::WrongCheck:
                fault.message = "The check character" + where + " is " + shown_char(f.found) + " but should be " +
                                shown_char(f.expected) + ": the data was edited after the conversion; convert it again.";
                break;
            case ReadFaultKind::NoStart:
                fault.message = "The start character " + shown_char(f.expected) +
                                " is missing: copy the whole converted string.";
                break;
            case ReadFaultKind::NoStop:
                fault.message = "The stop character " + shown_char(f.expected) +
                                " is missing: copy the whole converted string.";
                break;
            case ReadFaultKind::Misplaced:
                fault.message = shown_char(f.found) + where +
                                " is a start, stop or guard character out of its place (a character lost or added, "
                                "or two symbols run together): convert the data again, one symbol to a string.";
                break;
            default: break;  // the inspector's own kinds are described where they are found
        }
        out.push_back(std::move(fault));
    }
    return out;
}

Candidate read_with(const Layout& layout, int member, const Text& text, const std::vector<InspectFault>& common) {
    // Smart quotes where the font draws straight ones: read as the straight ones.
    std::string bytes = text.bytes;
    std::vector<InspectFault> faults = common;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        const char straight = b == 0x93 || b == 0x94 || b == 0x84 ? '"' : b == 0x91 || b == 0x92 ? '\'' : '\0';
        if (straight == '\0' || layout.quotes.find(straight) == std::string_view::npos) continue;
        bytes[i] = straight;
        faults.push_back({"typographic-quote", text.origin[i],
                          "\"" + text.shown[text.origin[i] - 1] + "\" at character " + std::to_string(text.origin[i]) +
                              " stands where the font's " + straight +
                              " belongs: turn off AutoCorrect's smart quotes and paste the string again."});
    }
    Candidate c{layout.read(bytes, member), &layout, {}};
    std::vector<InspectFault> read = describe(c.reading, text, family_of(c.reading.type));
    faults.insert(faults.end(), read.begin(), read.end());
    // In the order of the string: a missing start first, a missing stop (and what is not
    // anywhere) last.
    std::stable_sort(faults.begin(), faults.end(), [](const InspectFault& a, const InspectFault& b) {
        auto key = [](const InspectFault& f) -> std::size_t {
            if (f.at) return *f.at;
            return f.kind == "no-start" ? 0 : static_cast<std::size_t>(-1);
        };
        return key(a) < key(b);
    });
    c.faults = std::move(faults);
    return c;
}

std::size_t catalogue_index(std::string_view type) {
    for (std::size_t i = 0; i < kCatalogue.size(); ++i)
        if (kCatalogue[i].name == type) return i;
    return kCatalogue.size();
}

std::string_view role_name(GlyphRole role) {
    switch (role) {
        case GlyphRole::Start: return "start";
        case GlyphRole::Stop: return "stop";
        case GlyphRole::Guard: return "guard";
        case GlyphRole::Check: return "check";
        default: return {};
    }
}

}  // namespace

std::optional<Inspection> inspect(std::string_view input, bool utf8, std::string_view type) {
    const CatalogueEntry* wanted = nullptr;
    if (!type.empty() && (wanted = find_entry(type)) == nullptr) return std::nullopt;

    if (input.empty() && wanted == nullptr) {
        Inspection empty;
        empty.faults.push_back({"no-start", std::nullopt, "The string is empty: copy the whole converted string."});
        return empty;
    }
    Text text = utf8 ? from_utf8(input) : from_bytes(input);
    std::vector<InspectFault> common;
    if (const std::size_t at = mend_mojibake(text); at != 0)
        common.push_back({"mojibake", at,
                          "From character " + std::to_string(at) +
                              " the text is UTF-8 read as Windows-1252; mended, it reads \"" + cp1252_to_utf8(text.bytes) +
                              "\": open the file as UTF-8."});
    if (text.bytes.size() > varnel::kMaxConverted)
        common.push_back({"too-long", text.origin[varnel::kMaxConverted],
                          "The string has " + std::to_string(text.bytes.size()) + " characters, more than the " +
                              std::to_string(varnel::kMaxConverted) +
                              " a symbol can hold: shorten the data and convert it again."});

    std::vector<Candidate> candidates;
    for (const Layout& layout : kLayouts) {
        const auto member = std::find(layout.types.begin(), layout.types.end(), wanted != nullptr ? wanted->name : "");
        if (wanted != nullptr && member == layout.types.end()) continue;
        candidates.push_back(read_with(layout, wanted != nullptr ? static_cast<int>(member - layout.types.begin()) : -1,
                                       text, common));
        if (wanted != nullptr) candidates.back().reading.type = wanted->name;
    }
    // Most plausible first: a font that frames the string (its start or stop in place), then
    // fewer faults, then more check characters found right, then the smaller alphabet, then
    // the Barcode Type list's order.
    auto rank = [](const Candidate& c) {
        return std::make_tuple(!c.reading.framed, c.faults.size(), -c.reading.checks, c.layout->alphabet,
                               catalogue_index(c.reading.type));
    };
    std::stable_sort(candidates.begin(), candidates.end(),
                     [&](const Candidate& a, const Candidate& b) { return rank(a) < rank(b); });

    const Candidate& best = candidates.front();
    Inspection out;
    out.type = best.reading.type;
    out.font = family_of(out.type);
    out.data = best.reading.data;
    out.check_character = best.reading.check_character;
    out.full_ascii = best.reading.full_ascii;
    out.faults = best.faults;
    for (const varnel::ReadGlyph& g : best.reading.glyphs) {
        const std::string_view role = role_name(g.role);
        if (role.empty()) continue;
        out.marks.push_back({text.origin[g.at], role, cp1252_to_utf8({&g.found, 1}), cp1252_to_utf8({&g.expected, 1})});
    }
    std::stable_sort(out.marks.begin(), out.marks.end(), [](const InspectMark& a, const InspectMark& b) { return a.at < b.at; });
    for (std::size_t i = 1; i < candidates.size(); ++i)
        if (candidates[i].reading.framed && candidates[i].faults.size() <= best.faults.size() &&
            candidates[i].reading.type != out.type &&
            std::find(out.others.begin(), out.others.end(), candidates[i].reading.type) == out.others.end())
            out.others.push_back(candidates[i].reading.type);
    return out;
}

}  // namespace varnel::glyphmate
