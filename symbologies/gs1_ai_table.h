// SPDX-License-Identifier: MIT
// The GS1 Application Identifiers as data: one entry per AI or range of AIs, generated from
// the GS1 Barcode Syntax Dictionary by scripts/gs1_table.py (Apache-2.0, see
// gs1_ai_table.LICENSE). The static_asserts below guard what the checker relies on.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace varnel::gs1 {

// One component of an AI's data: character set 'N' (digits), 'X' (82 characters), 'Y' (39
// characters) or 'Z' (base64url); min to max characters; the linters it must pass, as
// comma-separated names.
struct Component {
    char set;
    std::uint8_t min, max;
    bool optional;
    std::string_view linters;
};

struct AiEntry {
    std::string_view first, last;  // the range of AIs, of equal length
    bool predefined;               // predefined length: no FNC1 after the element
    std::uint8_t count;            // components used in parts
    std::array<Component, 5> parts;
    std::string_view req;  // space-separated requirements, each "A+B,C": (A with B) or C
    std::string_view ex;   // comma-separated AIs it may not appear with ('n' a digit)
    std::string_view title;
};

inline constexpr AiEntry kAiTable[] = {
#include "symbologies/gs1_ai_table.inc"
};

// Linters the checker knows by name; any other name in the table fails the build.
inline constexpr std::string_view kKnownLinters[] = {
    "csum", "csumalpha", "yymmd0", "yymmdd", "yyyymmdd", "hhmi", "hh", "mi", "ss", "zero", "nonzero",
    "winding", "yesno", "iso5218", "hyphen", "nozeroprefix", "hasnondigit", "pieceoftotal", "pcenc",
    "latitude", "longitude", "posinseqslash", "mediatype", "gcppos1", "gcppos2", "iso3166", "iso3166999",
    "iso3166alpha2", "iso4217", "iban", "importeridx", "packagetype", "couponcode", "couponposoffer"};

namespace detail {

constexpr bool all_digits(std::string_view s) {
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

constexpr bool linters_known(std::string_view list) {
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        const std::string_view name = list.substr(0, comma);
        bool known = false;
        for (std::string_view k : kKnownLinters) known = known || k == name;
        if (!known) return false;
        list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
    }
    return true;
}

constexpr bool entry_sound(const AiEntry& e) {
    if (e.first.size() < 2 || e.first.size() > 4 || e.last.size() != e.first.size()) return false;
    if (!all_digits(e.first) || !all_digits(e.last) || e.last < e.first) return false;
    if (e.count < 1 || e.count > e.parts.size()) return false;
    bool optional_seen = false;
    int total = 0;  // at most 90, so that any one element fits in a symbol
    for (std::size_t i = 0; i < e.count; ++i) {
        const Component& c = e.parts[i];
        total += c.max;
        if (std::string_view("NXYZ").find(c.set) == std::string_view::npos) return false;
        if (c.min < 1 || c.min > c.max || c.max > 90 || !linters_known(c.linters)) return false;
        if (c.min != c.max && i + 1 != e.count) return false;  // only the last may vary in length
        if (optional_seen && !c.optional) return false;      // no mandatory part after an optional one
        optional_seen = optional_seen || c.optional;
    }
    if (total > 90) return false;
    // A predefined length is one length: fixed components only.
    if (e.predefined)
        for (std::size_t i = 0; i < e.count; ++i)
            if (e.parts[i].optional || e.parts[i].min != e.parts[i].max) return false;
    return true;
}

// Sorted and without overlap, so that one AI finds at most one entry.
constexpr bool table_sound() {
    for (std::size_t i = 0; i < std::size(kAiTable); ++i) {
        if (!entry_sound(kAiTable[i])) return false;
        if (i > 0 && !(kAiTable[i - 1].last < kAiTable[i].first)) return false;
    }
    return true;
}

}  // namespace detail

static_assert(std::size(kAiTable) > 200 && detail::table_sound());

}  // namespace varnel::gs1
