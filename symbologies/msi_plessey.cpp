#include "symbologies/msi_plessey.h"

#include <iterator>
#include <string_view>

#include "encoding/primitives.h"

namespace vnl {

namespace {

// The digit sum of 2 x d for d = 0..9. Doubling a number never carries twice into one
// place, so the digit sum of 2 x N is the sum of these over N's digits, for any length.
constexpr int kDoubledDigitSum[] = {0, 2, 4, 6, 8, 1, 3, 5, 7, 9};

static_assert(sizeof kMsiDigits - 1 == 10 && std::size(kDoubledDigitSum) == 10);

constexpr std::size_t kRoomWithCheck = kMaxConverted - 3;

// Digits at odd places from the right (the rightmost is place 1) count doubled, by digit
// sum; the others as they are.
char msi_check(std::string_view digits) {
    int sum = 0;
    bool doubled = true;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        const int d = *it - '0';
        sum = (sum + (doubled ? kDoubledDigitSum[d] : d)) % 10;
        doubled = !doubled;
    }
    return static_cast<char>('0' + (10 - sum) % 10);
}

}  // namespace

const char* encode_msi(const char* data) {
    WorkBuffer digits;
    const bool truncated = append_in_set(digits.text, data, kMsiDigits, kRoomWithCheck);
    append_char(digits.text, msi_check(digits.view()));
    return return_symbol("[", digits.view(), "]", truncated);
}

}  // namespace vnl
