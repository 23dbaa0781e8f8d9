// SPDX-License-Identifier: MIT
// GS1 element strings as typed: "(01)09501101530003(17)251231" or "[01]09501101530003[17]251231".
// Parsing splits the text into AIs and their data; checking holds each element against the
// AI table (character sets, lengths, linters) and the elements against each other (pairings).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "symbologies/gs1_ai_table.h"

namespace varnel::gs1 {

struct Element {
    std::string ai;
    std::string value;               // escapes resolved: "\(" is "("
    const AiEntry* entry = nullptr;  // set by check()
};

struct Parsed {
    std::vector<Element> elements;
    std::string error;  // empty when the text could be split into elements

    bool ok() const { return error.empty(); }
};

// Splits the typed data into elements, in the order typed. "\(" and "\)" are literal
// parentheses in the parenthesis form; in the bracket form "(" and ")" need no escape.
Parsed parse(std::string_view data);

// The table entry of an AI of 2 to 4 digits, or nullptr.
const AiEntry* find_ai(std::string_view ai);

// Looks every element up (setting entry) and checks it; returns the first fault in the order
// typed, each element's own faults before the pairings, or "" when there is none.
std::string check(std::vector<Element>& elements);

}  // namespace varnel::gs1
