// SPDX-License-Identifier: MIT
#include "symbologies/gs1_128.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

#include "encoding/primitives.h"
#include "symbologies/code128.h"
#include "symbologies/gs1_syntax.h"
#include "symbologies/symbology.h"

namespace varnel {

namespace gs1 {

namespace {

constexpr char kFnc1Mark = '\xC7';  // FNC1's place in the text the planner reads

enum Set : int { A, B, C };
constexpr int kSets = 3;
constexpr int kShift = 98;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

constexpr Code128Set kCode128Sets[kSets] = {Code128Set::A, Code128Set::B, Code128Set::C};
int value_in(int set, char x) { return code128_value(kCode128Sets[set], static_cast<unsigned char>(x)); }
int start_of(int set) { return code128_start(kCode128Sets[set]); }
int code_to(int set) { return code128_change_to(kCode128Sets[set]); }

// How a state was reached: by a code change at the same place, or by writing the next
// `step` bytes (with a SHIFT before them when shifted).
struct Step {
    int cost = std::numeric_limits<int>::max();
    int from_set = -1;
    int step = 0;  // 0: a code change (or the start when from_set < 0)
    bool shifted = false;
};

}  // namespace

// Shortest path over (bytes written, current set): every symbol character costs one unit,
// FNC1 is one character in every set, set C writes digit pairs, a SHIFT writes one byte of
// the other of sets A and B. Of paths equally short, the one with the fewest code changes
// wins: a code change costs a little more than a unit.
std::vector<int> plan_code128(std::string_view text) {
    constexpr int kUnit = 1024;  // more than the code changes of any symbol
    const std::size_t n = text.size();
    std::vector<std::array<Step, kSets>> best(n + 1);
    for (int s = 0; s < kSets; ++s) best[0][s].cost = kUnit;
    const auto relax = [&](std::size_t i, int set, int cost, int from_set, int step, bool shifted) {
        Step& b = best[i][set];
        if (cost < b.cost) b = {cost, from_set, step, shifted};
    };
    for (std::size_t i = 0; i <= n; ++i) {
        // A code change reached from another state here; one change is always enough.
        for (int s : {C, B, A})
            for (int t : {C, B, A})
                if (s != t && best[i][s].step != 0 && best[i][s].cost != std::numeric_limits<int>::max())
                    relax(i, t, best[i][s].cost + kUnit + 1, s, 0, false);
        if (i == n) break;
        for (int s : {C, B, A}) {
            const int cost = best[i][s].cost;
            if (cost == std::numeric_limits<int>::max()) continue;
            if (text[i] == kFnc1Mark) {
                relax(i + 1, s, cost + kUnit, s, 1, false);
            } else if (s == C) {
                if (i + 1 < n && is_digit(text[i]) && is_digit(text[i + 1])) relax(i + 2, C, cost + kUnit, C, 2, false);
            } else if (value_in(s, text[i]) >= 0) {
                relax(i + 1, s, cost + kUnit, s, 1, false);
            } else if (value_in(1 - s, text[i]) >= 0) {
                relax(i + 1, s, cost + 2 * kUnit + 1, s, 1, true);
            }
        }
    }
    // Walk back from the cheapest end.
    int set = C;
    for (int s : {B, A})
        if (best[n][s].cost < best[n][set].cost) set = s;
    std::vector<int> values;
    for (std::size_t i = n;;) {
        const Step& b = best[i][set];
        if (b.step == 0 && b.from_set < 0) break;
        if (b.step == 0) {
            values.push_back(code_to(set));
        } else if (text[i - 1] == kFnc1Mark) {
            values.push_back(kCode128Fnc1);
        } else if (set == C) {
            values.push_back(10 * (text[i - 2] - '0') + (text[i - 1] - '0'));
        } else {
            values.push_back(value_in(b.shifted ? 1 - set : set, text[i - 1]));
            if (b.shifted) values.push_back(kShift);
        }
        i -= static_cast<std::size_t>(b.step);
        set = b.from_set;
    }
    values.push_back(start_of(set));
    return {values.rbegin(), values.rend()};
}

}  // namespace gs1

void encode_gs1_128(std::string_view data, Gs1Encoded& out) {
    out = {};
    gs1::Parsed parsed = gs1::parse(data);
    if (!parsed.ok()) {
        out.status = parsed.error;
        return;
    }
    if (std::string fault = gs1::check(parsed.elements); !fault.empty()) {
        out.status = fault;
        return;
    }
    // Start, data, check, stop and closing glyph; data that does not fit loses its last
    // elements whole, so that no element string is ever cut. A symbol character holds two
    // bytes at best, so the planner never sees more than twice the room. The bytes are
    // counted as the planner will get them (FNC1 only after an element of variable length
    // that is not last): counting more would leave out elements that fit.
    const std::size_t room = kMaxConverted - 3;
    std::size_t kept = 0;
    for (std::size_t length = 1; kept < parsed.elements.size(); ++kept) {
        const gs1::Element& e = parsed.elements[kept];
        if (kept > 0 && !parsed.elements[kept - 1].entry->predefined) ++length;
        length += e.ai.size() + e.value.size();
        if (length > 2 * room) break;
    }
    kept = std::max<std::size_t>(kept, 1);
    std::vector<int> values;
    for (; kept > 0; --kept) {
        std::string text(1, gs1::kFnc1Mark);
        for (std::size_t i = 0; i < kept; ++i) {
            const gs1::Element& e = parsed.elements[i];
            text += e.ai + e.value;
            if (!e.entry->predefined && i + 1 < kept) text += gs1::kFnc1Mark;
        }
        values = gs1::plan_code128(text);
        if (values.size() <= room) break;
    }
    Code128Writer symbol(values[0]);
    for (std::size_t i = 1; i < values.size(); ++i) symbol.put(values[i]);
    out.converted = symbol.finish();
    for (std::size_t i = 0; i < kept; ++i) out.human_readable += "(" + parsed.elements[i].ai + ")" + parsed.elements[i].value;
    if (kept < parsed.elements.size()) {
        out.truncated = true;
        out.status = glyphmate::kDataTooLong;
    }
}

}  // namespace varnel

namespace varnel::glyphmate {

void gs1_128_handler(const Record& record, Outcome& out) {
    Gs1Encoded encoded;
    varnel::encode_gs1_128({record.data, record.size}, encoded);
    out.composed = std::move(encoded.converted);
    out.converted = out.composed;
    out.human_readable = std::move(encoded.human_readable);
    // A cut symbol's message is the flow's, as for every symbology.
    out.truncated = encoded.truncated;
    if (!encoded.truncated && !encoded.status.empty()) out.report(encoded.status);
}

// The mod-103 check is always added, and the font's own text would print the FNC1 glyphs
// and no AI parentheses, so the user prints the human-readable text instead.
const Symbology kGs1_128{
    .notes = kGs1Notes,
    .rule = {.full_ascii = {Set::Off}, .check_character = {Set::Keep, Set::Off},
             .underlying_text = {Set::Keep, Set::Off}, .supplement_label = {Set::Off},
             .supplement_field = {Set::Off}, .force_text = Set::Off},
    .takes_supplement = false,
    .handler = gs1_128_handler,
};

}  // namespace varnel::glyphmate
