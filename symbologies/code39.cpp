#include "symbologies/code39.h"

#include "encoding/full_ascii.h"
#include "encoding/primitives.h"

namespace vnl {

namespace {

constexpr char kPlainSet[] = "0123456789.+-/ $%ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr char kValueSet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
constexpr char kGlyphTable[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-.=$/+%";
constexpr char kPairSet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. ";
constexpr char kPairGlyphs[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-.=";

static_assert(sizeof kPlainSet - 1 == 43 && sizeof kValueSet - 1 == 43 && sizeof kGlyphTable - 1 == 43);
static_assert(sizeof kPairSet - 1 == 39 && sizeof kPairGlyphs - 1 == 39);
static_assert(sizeof kCode39AcceptedSet - 1 == 43);

constexpr char kSpaceGlyph = '=';
constexpr unsigned char kExtendedStar = 0xF4, kExtendedEquals = 0xF0, kExtendedOpen = 0xF1,
                        kExtendedClose = 0xF2, kExtendedDel = 0xE0, kExtendedControl = 192;

// Room for the data part once the start and stop (and check) glyphs are counted.
constexpr std::size_t kRoomStartStop = kMaxConverted - 2;
constexpr std::size_t kRoomWithCheck = kMaxConverted - 3;

char extended_glyph(unsigned char c) {
    if (c >= 1 && c <= 31) return static_cast<char>(c + kExtendedControl);
    switch (c) {
        case ' ': return kSpaceGlyph;
        case '*': return static_cast<char>(kExtendedStar);
        case '=': return static_cast<char>(kExtendedEquals);
        case '[': return static_cast<char>(kExtendedOpen);
        case ']': return static_cast<char>(kExtendedClose);
        case 127: return static_cast<char>(kExtendedDel);
        default: return static_cast<char>(c);
    }
}

}  // namespace

const char* code39_plain(const char* data) {
    WorkBuffer part;
    bool truncated = false;
    for (const char* p = data; *p != '\0' && !truncated; ++p) {
        if (char_index(kPlainSet, *p) < 0) continue;
        const char glyph = *p == ' ' ? kSpaceGlyph : *p;
        truncated = !append_glyphs(part.text, {&glyph, 1}, kRoomStartStop);
    }
    return return_symbol("*", part.view(), "*", truncated);
}

const char* code39_with_check(const char* data) {
    WorkBuffer part;
    bool truncated = false;
    int sum = 0;
    for (const char* p = data; *p != '\0' && !truncated; ++p) {
        const int v = char_index(kValueSet, *p);
        if (v < 0) continue;  // no value, so no glyph and nothing to add to the sum
        truncated = !append_glyphs(part.text, {&kGlyphTable[v], 1}, kRoomWithCheck);
        if (!truncated) sum += v;
    }
    const char check[] = {kGlyphTable[sum % 43], '*', '\0'};
    return return_symbol("*", part.view(), check, truncated);
}

const char* code39_full_ascii(const char* data) {
    WorkBuffer part;
    bool truncated = false;
    for (const char* p = data; *p != '\0' && !truncated; ++p) {
        const int at = char_index(kPairSet, *p);
        char pair[2];
        if (at >= 0)
            truncated = !append_glyphs(part.text, {&kPairGlyphs[at], 1}, kRoomStartStop);
        else if (full_ascii_pair(static_cast<unsigned char>(*p), pair))
            truncated = !append_glyphs(part.text, {pair, 2}, kRoomStartStop);
    }
    return return_symbol("[", part.view(), "]", truncated);
}

const char* code39_extended(const char* data) {
    WorkBuffer part;
    bool truncated = false;
    for (const char* p = data; *p != '\0' && !truncated; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (c >= 128) continue;  // would draw another character's glyph (0xF4 draws "*")
        const char glyph = extended_glyph(c);
        truncated = !append_glyphs(part.text, {&glyph, 1}, kRoomStartStop);
    }
    return return_symbol("[", part.view(), "]", truncated);
}

}  // namespace vnl
