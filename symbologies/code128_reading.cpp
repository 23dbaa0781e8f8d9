// SPDX-License-Identifier: MIT
// Code 128 strings read back through the glyph table of code128.h, with the code sets a
// scanner tracks; an FNC1 right after the start makes the symbol GS1-128, whose element
// strings come back with their AIs in parentheses.
#include <array>
#include <string>
#include <vector>

#include "symbologies/code128.h"
#include "symbologies/gs1_syntax.h"
#include "symbologies/reading.h"

namespace varnel {

namespace {

constexpr int kShift = 98, kFnc3 = 96, kFnc4InA = 101;

constexpr std::array<short, 256> kValueOf = [] {
    std::array<short, 256> values{};
    values.fill(-1);
    for (int v = 0; v < kCode128Values; ++v) values[static_cast<unsigned char>(code128_glyphs[static_cast<std::size_t>(v)])] = static_cast<short>(v);
    return values;
}();

bool is_code128_glyph(unsigned char c) { return kValueOf[c] >= 0 && kValueOf[c] < kCode128StartA; }

constexpr char kStarts[] = {static_cast<char>(0xC8), static_cast<char>(0xC9), static_cast<char>(0xCA), '\0'};
constexpr char kStopRun[] = {static_cast<char>(kCode128Stop), static_cast<char>(kCode128Closing), '\0'};
static_assert(kStarts[0] == code128_glyphs[kCode128StartA] && kStarts[2] == code128_glyphs[kCode128StartC]);

constexpr char kGroupSeparator = '\x1D';  // what a scanner sends for an FNC1 inside the data

enum Set { A, B, C };

// Element strings from what a scanner sends, by the AI table: "(01)09501101530003(10)AB12".
// Where no AI is known the rest is given as it is.
std::string element_strings(std::string_view sent) {
    std::string out;
    std::size_t i = 0;
    while (i < sent.size()) {
        const gs1::AiEntry* entry = nullptr;
        std::size_t ai = 2;
        for (; ai <= 4 && entry == nullptr; ++ai)
            if (i + ai <= sent.size()) entry = gs1::find_ai(sent.substr(i, ai));
        if (entry == nullptr) {
            out += sent.substr(i);
            break;
        }
        --ai;
        std::size_t length = 0;
        for (std::size_t k = 0; k < entry->count; ++k) length += entry->parts[k].max;
        std::size_t end = entry->predefined ? i + ai + length : sent.find(kGroupSeparator, i + ai);
        if (end > sent.size()) end = sent.size();
        out.append(1, '(').append(sent.substr(i, ai)).append(1, ')').append(sent.substr(i + ai, end - i - ai));
        i = end < sent.size() && sent[end] == kGroupSeparator ? end + 1 : end;
    }
    return out;
}

}  // namespace

Reading read_code128(std::string_view s) {
    Reading r;
    const std::vector<std::size_t> inner = read_frame(s, {kStarts, {}, kStopRun, is_code128_glyph}, r);
    const int start = !s.empty() && kValueOf[static_cast<unsigned char>(s[0])] >= kCode128StartA
                          ? kValueOf[static_cast<unsigned char>(s[0])]
                          : kCode128StartB;
    Set set = start == kCode128StartA ? A : start == kCode128StartB ? B : C;
    const Set first_set = set;
    bool changed = false, gs1 = false;
    int sum = start;
    const std::size_t data_end = inner.empty() ? 0 : inner.size() - 1;
    for (std::size_t k = 0; k < data_end; ++k) {
        const std::size_t at = inner[k];
        int v = kValueOf[static_cast<unsigned char>(s[at])];
        sum += static_cast<int>(k + 1) * v;
        GlyphRole role = GlyphRole::Data;
        if (v == kCode128Fnc1) {
            if (k == 0) gs1 = true;
            else r.data += kGroupSeparator;
            role = GlyphRole::Shift;
        } else if (set == C && v < 100) {
            r.data += static_cast<char>('0' + v / 10);
            r.data += static_cast<char>('0' + v % 10);
        } else if (v == kCode128CodeC || (v == kCode128CodeB && set != B) || (v == kCode128CodeA && set != A)) {
            set = v == kCode128CodeC ? C : v == kCode128CodeB ? B : A;
            changed = true;
            role = GlyphRole::Shift;
        } else if (v >= kFnc3 && v <= kFnc4InA) {  // FNC2, FNC3, FNC4, and SHIFT below
            role = GlyphRole::Shift;
            changed = true;
            if (v == kShift && k + 1 < data_end) {
                r.glyph(at, role, s[at]);
                const std::size_t next = inner[++k];
                v = kValueOf[static_cast<unsigned char>(s[next])];
                sum += static_cast<int>(k + 1) * v;
                if (v < 96) r.data += static_cast<char>(set == A ? v + 0x20 : v < 64 ? v + 0x20 : v - 64);
                r.glyph(next, GlyphRole::Data, s[next]);
                continue;
            }
        } else {
            r.data += static_cast<char>(set == A && v >= 64 ? v - 64 : v + 0x20);
        }
        r.glyph(at, role, s[at]);
    }
    if (!inner.empty())
        r.check(inner.back(), s[inner.back()], code128_glyphs[static_cast<std::size_t>(sum % 103)]);
    if (gs1) {
        r.type = "GS1-128";
        r.data = element_strings(r.data);
    } else {
        r.type = changed ? "Code128Auto" : first_set == A ? "Code128A" : first_set == B ? "Code128B" : "Code128C";
    }
    return r;
}

}  // namespace varnel
