#include "symbologies/two_of_five.h"

#include <string_view>

#include "encoding/primitives.h"

namespace vnl {

namespace {

static_assert(sizeof kTwoOfFiveDigits - 1 == 10);

// ITF pair values 0..93 are drawn at 0x21..0x7E, 94..99 at 0xC4..0xC9.
constexpr int kItfLowOffset = 0x21, kItfHighOffset = 0x66, kItfFirstHigh = 94;
constexpr char kItfStart = '\xCA', kItfStop = '\xCB';

constexpr std::size_t kCode25Room = kMaxConverted - 2;
constexpr std::size_t kCode25CheckRoom = kMaxConverted - 3;
// Pair glyphs that fit between the ITF start and stop, and the digits they hold.
constexpr std::size_t kItfMaxPairs = kMaxConverted - 2;
constexpr std::size_t kItfMaxDigits = 2 * kItfMaxPairs;

// The standard modulo 10 check digit: from the right, weights 3, 1, 3, 1, ...
char mod10_check(std::string_view digits) {
    int sum = 0;
    int weight = 3;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum = (sum + (*it - '0') * weight) % 10;
        weight = 4 - weight;
    }
    return static_cast<char>('0' + (10 - sum) % 10);
}

const char* code25(const char* data, bool with_check) {
    WorkBuffer digits;
    const bool truncated = append_in_set(digits.text, data, kTwoOfFiveDigits, with_check ? kCode25CheckRoom : kCode25Room);
    if (with_check) append_char(digits.text, mod10_check(digits.view()));
    return return_symbol("[", digits.view(), "]", truncated);
}

char itf_glyph(char high, char low) {
    const int v = 10 * (high - '0') + (low - '0');
    return static_cast<char>(v + (v < kItfFirstHigh ? kItfLowOffset : kItfHighOffset));
}

// Every ITF symbol holds an even number of digits, check digit included. Up to
// kItfMaxDigits of them fit, more than a working buffer holds, so they are kept here.
const char* itf25(const char* data, bool with_check) {
    // digits[0] is kept for the leading "0": in front, it leaves the number's value as it is.
    char digits[kItfMaxDigits + 1] = {'0'};
    const std::size_t room = with_check ? kItfMaxDigits - 1 : kItfMaxDigits;
    std::size_t count = 0;
    bool truncated = false;
    for (const char* p = data; *p != '\0' && !truncated; ++p) {
        if (char_index(kTwoOfFiveDigits, *p) < 0) continue;
        if (count == room)
            truncated = true;
        else
            digits[1 + count++] = *p;
    }
    // room is even without and odd with the check digit, so a cut symbol needs no "0".
    const bool pad = (count + (with_check ? 1 : 0)) % 2 != 0;
    char* first = pad ? digits : digits + 1;
    if (pad) ++count;
    if (with_check) {
        first[count] = mod10_check({first, count});
        ++count;
    }

    WorkBuffer pairs;
    for (std::size_t i = 0; i + 1 < count; i += 2) append_char(pairs.text, itf_glyph(first[i], first[i + 1]));
    return return_symbol({&kItfStart, 1}, pairs.view(), {&kItfStop, 1}, truncated);
}

}  // namespace

const char* encode_code25(const char* data) { return code25(data, false); }
const char* encode_code25_check(const char* data) { return code25(data, true); }
const char* encode_itf25(const char* data) { return itf25(data, false); }
const char* encode_itf25_check(const char* data) { return itf25(data, true); }

}  // namespace vnl
