// SPDX-License-Identifier: MIT
// UPC-A, UPC-E, EAN-13 and EAN-8 for the one retail font family: the modulo 10 check digit,
// the UPC-E zero-suppression expansion, the four encoders and the rules of the four entries,
// which take the add-on of upc_ean_addons.h.
#pragma once

#include <string_view>

#include "encoding/primitives.h"
#include "symbologies/bars.h"
#include "symbologies/symbology.h"

namespace varnel {

// The texts an encoder returns in place of a symbol. EAN-13's has no full stop.
inline constexpr std::string_view kInvalidLength = "Invalid length of input string.";
inline constexpr std::string_view kInvalidLengthEan13 = "Invalid length of input string";
// Six UPC-E digits ending in 3 whose third digit is 0, 1 or 2 stand for no UPC-A number.
inline constexpr std::string_view kInvalidUpceNumber = "Invalid UPC-E number.";

// The check digit ('0' to '9') of a string of digits: weights 3, 1, 3, ... from the right.
char upc_ean_check_digit(const char* digits);

// "0" and six UPC-E digits to the 11-digit UPC-A number: 1 with the number in upca, or 0
// with upca untouched when the input is not seven digits starting with "0" or has no
// expansion.
int upce_expand(const char* upce, WorkBuffer& upca);

const char* upca_encode(const char* data);
const char* upce_encode(const char* data);
const char* ean13_encode(const char* data);
const char* ean8_encode(const char* data);

// What the UEB font draws, the add-ons included.
extern const bars::FontLayout kUebFont;

}  // namespace varnel

namespace varnel::glyphmate {

// UPC-A (variant 0), UPC-E (1), EAN-13 (2) and EAN-8 (3), with the optional add-on.
void upc_ean_handler(const Record& record, Outcome& out);

extern const Symbology kUpcA, kUpcE, kEan13, kEan8;

}  // namespace varnel::glyphmate
