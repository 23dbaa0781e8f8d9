// SPDX-License-Identifier: MIT
// Reads a converted string back as a scanner reads the printed symbol: through the glyph
// layout of the symbology's font into symbol values, every check character recomputed by
// the published standard, and out comes the data the symbol carries.
//
// It is written from the standards and the font layouts alone and shares no table or
// function with the encoders, so that a fault in them cannot hide in both.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace verify {

// Every form of symbol the flow can produce.
enum class Symbol {
    Code39, Code39Check, Code39FullAscii, Code39Extended, Code93,
    UpcA, UpcE, Ean13, Ean8,
    Itf, ItfCheck,
    Code128A, Code128B, Code128C, Code128Auto,
    Codabar, Code11, Code25, Code25Check, Msi,
    Gs1_128,
};

struct Reading {
    std::string error;            // empty: a well-formed symbol whose check characters are right
    std::string data;             // the data the symbol carries
    bool has_addon_part = false;  // UPC/EAN: the main symbol is followed by a space
    std::string addon;            // UPC/EAN: the add-on's digits ("" for none)
    std::string code_sets;        // Code 128: the set at the start and after every change, e.g. "BCB"

    bool ok() const { return error.empty(); }
};

// What a scanner reads from the symbol the converted string draws.
//
// Code 128: the fixed sets A and B give each data value as the byte that types it in that
// set (function values 96 to 102 as 0xC1 to 0xC7, and no code change followed: the user
// typed them); Auto, whose code changes are its own, is read with code-set tracking, and
// FNC1 to FNC4 come back as the bytes 0xC7, 0xC2, 0xC1, 0xC6 that type them.
// GS1-128 is read as Auto, from an FNC1 that must follow the start; the later FNC1s come
// back as GS (0x1D), the separator a scanner sends, and FNC2 to FNC4 are faults.
// UPC and EAN: the converted string may go on with one space and an add-on.
Reading read_back(Symbol symbol, std::string_view converted);

// The add-on that follows a UPC/EAN symbol after its space: nothing, or "{" and 2 or 5
// digits with their parities; its digits come back in addon.
Reading read_addon(std::string_view addon);

// The symbol a conversion drew, from the catalogue name and the options after it.
std::optional<Symbol> symbol_of(std::string_view type, bool check_character, bool full_ascii);

std::string_view name(Symbol symbol);

// What a scanner sends for GS1 element strings (AI, data): AI and data one after the other,
// GS after each element whose AI has no predefined length, except the last.
std::string gs1_transmitted(const std::vector<std::pair<std::string, std::string>>& elements);

}  // namespace verify
