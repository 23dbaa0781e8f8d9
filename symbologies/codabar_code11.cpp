#include "symbologies/codabar_code11.h"

#include <string_view>

#include "encoding/primitives.h"

namespace vnl {

namespace {

constexpr char kCodabarEncoderSet[] = "0123456789-$:/.+";

static_assert(sizeof kCodabarEncoderSet - 1 == 16 && sizeof kCodabarAcceptedSet - 1 == 15);
static_assert(sizeof kCode11Set - 1 == 11);

constexpr int kCode11WeightCycleC = 10, kCode11WeightCycleK = 9, kCode11Modulus = 11;
// From this many data characters on, Code 11 carries the second check digit K.
constexpr std::size_t kCode11LongData = 11;

// Room for the data part once start, stop (and check digits) are counted.
constexpr std::size_t kCodabarRoom = kMaxConverted - 2;
constexpr std::size_t kCode11Room = kMaxConverted - 4;

// The standard Code 11 check digit over part: weights 1..cycle from the right end, repeating.
char code11_check(std::string_view part, int cycle) {
    return kCode11Set[weighted_check(part, kCode11Set, cycle, kCode11Modulus)];
}

}  // namespace

const char* codabar_encode(const char* data) {
    WorkBuffer part;
    const bool truncated = append_in_set(part.text, data, kCodabarEncoderSet, kCodabarRoom);
    return return_symbol("A", part.view(), "B", truncated);
}

const char* code11_encode(const char* data) {
    WorkBuffer part;
    const bool truncated = append_in_set(part.text, data, kCode11Set, kCode11Room);
    const bool long_data = part.size() >= kCode11LongData;
    append_char(part.text, code11_check(part.view(), kCode11WeightCycleC));
    if (long_data) append_char(part.text, code11_check(part.view(), kCode11WeightCycleK));
    return return_symbol("[", part.view(), "]", truncated);
}

}  // namespace vnl
