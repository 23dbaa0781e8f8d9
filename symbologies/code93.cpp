#include "symbologies/code93.h"

#include <string_view>

#include "encoding/full_ascii.h"
#include "encoding/primitives.h"

namespace vnl {

namespace {

constexpr char kValueSet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
constexpr char kGlyphTable[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-.=$/+%";
// Values 43 to 46 are the shifts ($), (%), (/), (+). A glyph's position here is also the
// value it carries in the check sums, so the data part is summed glyph by glyph.
constexpr char kCheckGlyphs[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-.=$/+%@#^&";

static_assert(sizeof kValueSet - 1 == 43 && sizeof kGlyphTable - 1 == 43);
static_assert(sizeof kCheckGlyphs - 1 == 47);

// The shift named by the shared full-ASCII table, as the Code 93 font draws it.
char shift_glyph(char shift) {
    switch (shift) {
        case '$': return '@';
        case '%': return '#';
        case '/': return '^';
        default: return '&';  // '+'
    }
}

constexpr int kWeightCycleC = 20, kWeightCycleK = 15, kModulus = 47;

// Start, C, K, stop and termination bar leave this much room for the data part.
constexpr std::size_t kRoomForData = kMaxConverted - 5;

}  // namespace

const char* code93_encode(const char* data) {
    WorkBuffer part;
    bool truncated = false;
    for (const char* p = data; *p != '\0' && !truncated; ++p) {
        const int v = char_index(kValueSet, *p);
        char pair[2];
        if (v >= 0) {
            truncated = !append_glyphs(part.text, {&kGlyphTable[v], 1}, kRoomForData);
        } else if (full_ascii_pair(static_cast<unsigned char>(*p), pair)) {
            pair[0] = shift_glyph(pair[0]);
            truncated = !append_glyphs(part.text, {pair, 2}, kRoomForData);
        }
    }
    append_char(part.text, kCheckGlyphs[weighted_check(part.view(), kCheckGlyphs, kWeightCycleC, kModulus)]);
    append_char(part.text, kCheckGlyphs[weighted_check(part.view(), kCheckGlyphs, kWeightCycleK, kModulus)]);
    return return_symbol("[", part.view(), "]|", truncated);
}

}  // namespace vnl
