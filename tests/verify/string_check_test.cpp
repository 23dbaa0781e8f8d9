// SPDX-License-Identifier: MIT
// The inspector against the flow's own conversions: every converted string reads back to
// the data the independent verifier finds in it, with no fault, with or without its type;
// and each way a string gets mangled on its way through a document gives its fault at the
// character where it happened.
#include <algorithm>
#include <map>
#include <optional>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "flow/catalogue.h"
#include "flow/string_check.h"
#include "flow/record_converter.h"
#include "flow/win1252.h"
#include "test_support.h"
#include "verify/gs1_samples.h"
#include "verify/read_back.h"

namespace {

using varnel::glyphmate::cp1252_to_utf8;
using varnel::glyphmate::Inspection;
using varnel::glyphmate::kCatalogue;

constexpr int kCases = 300;

// Data each symbology takes as it is (the fixed Code 128 sets without the function glyphs,
// which a scanner would take for code changes), now and then past the length limit.
std::string make_data(std::string_view type, std::mt19937& rng) {
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    std::string_view chars = "0123456789";
    if (type == "Code39") chars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
    if (type == "Codabar") chars = "0123456789-$:/.+";
    if (type == "Code11") chars = "0123456789-";
    if (type == "Code39 Extended" || type == "Code93" || type == "Code128Auto" || type == "Code128B")
        chars = " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~\x01\x1F";
    if (type == "Code128A") chars = " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_\x01\x09\x1F";
    if (type == "Code128B") chars = chars.substr(0, chars.size() - 2);
    std::size_t n = below(10) == 0 ? 200 + below(200) : below(30);
    if (type == "UPC-A") n = 11;
    if (type == "UPC-E") n = 6;
    if (type == "EAN-13") n = 12;
    if (type == "EAN-8") n = 7;
    if (type == "GS1-128") return verify::gs1_samples::typed(verify::gs1_samples::elements(rng), below(2) == 0);
    std::string s;
    while (s.size() < n) s += chars[static_cast<std::size_t>(below(static_cast<int>(chars.size())))];
    return s;
}

struct Case {
    std::string converted;  // bytes
    std::string data;       // what the verifier reads from it, in the inspector's form
    bool optional_check;    // a last character that matches may be read as a check
};

// The verifier's reading in the inspector's form: UPC/EAN with the check digit and the
// add-on's digits, GS1-128 as its human-readable element strings.
Case make_case(const varnel::glyphmate::CatalogueEntry& entry, std::mt19937& rng) {
    varnel::glyphmate::ConversionRequest request;
    request.type = entry.name;
    request.data = make_data(entry.name, rng);
    request.options.check_character = rng() % 2 == 0;
    request.options.full_ascii = rng() % 2 == 0;
    if (entry.symbology->takes_supplement && rng() % 2 == 0) request.supplement = rng() % 2 ? "12" : "52495";
    varnel::glyphmate::InstalledFamilies none{[] { return std::vector<std::string>{}; }};
    const auto result = varnel::glyphmate::convert_one(request, none);
    const std::string& converted = result->converted;
    if (converted.empty() || converted.starts_with("Invalid")) return {};  // UPC/EAN data that makes no symbol
    const auto symbol = verify::symbol_of(entry.name, result->options.check_character, result->options.full_ascii);
    const verify::Reading v = verify::read_back(*symbol, converted);
    EXPECT_TRUE(v.ok()) << entry.name << " " << test::hex(converted) << ": " << v.error;
    Case c{converted, v.data, entry.name == "Code39" || entry.name == "Code25" || entry.name == "Interleaved 2 of 5"};
    if (entry.name == "GS1-128") c.data = result->human_readable;
    if (entry.symbology->takes_supplement && !converted.starts_with("Invalid")) {
        const std::size_t space = converted.find(' ');
        const auto reading = varnel::glyphmate::inspect(converted.substr(0, space), false, entry.name);
        c.data = reading->data;  // the check digit is the inspector's to add; the digits before it are checked here
        EXPECT_EQ(reading->data.substr(0, reading->data.size() - 1), entry.name == "UPC-E" ? "0" + v.data : v.data);
        c.data += v.addon;
    }
    return c;
}

std::string kinds(const Inspection& r) {
    std::string out;
    for (const auto& f : r.faults) out += std::string(f.kind) + "@" + (f.at ? std::to_string(*f.at) : "null") + " ";
    return out;
}

std::string utf8(std::string_view bytes) { return cp1252_to_utf8(bytes); }

class EveryType : public testing::TestWithParam<std::size_t> {};

TEST_P(EveryType, ConvertedStringsInspectBackAndManglingsAreNamed) {
    const auto& entry = kCatalogue[GetParam()];
    std::mt19937 rng(0x1A5EC7u + static_cast<unsigned>(GetParam()));
    int failures = 0;
    std::map<std::string, int> tried;
    for (int i = 0; i < kCases && failures < 5; ++i) {
        const Case c = make_case(entry, rng);
        if (c.converted.empty() || c.converted.starts_with("Invalid")) continue;  // UPC/EAN data of the wrong length
        const std::string text = utf8(c.converted);
        const auto typed = varnel::glyphmate::inspect(text, true, entry.name);
        const auto guessed = varnel::glyphmate::inspect(text, true);
        ASSERT_TRUE(typed && guessed);
        const bool read_as_check = c.optional_check && typed->data.size() + 1 == c.data.size() &&
                                   c.data.starts_with(typed->data) && typed->check_character;
        if (!typed->scans() || (typed->data != c.data && !read_as_check) || !guessed->scans()) {
            ++failures;
            ADD_FAILURE() << entry.name << " " << test::hex(c.converted) << ": read " << test::hex(typed->data)
                          << " want " << test::hex(c.data) << "; " << kinds(*typed) << "| guessed " << guessed->type
                          << " " << kinds(*guessed);
            continue;
        }

        // Each mangling, made from the good string, with the fault it must give and where.
        struct Mangled {
            std::string name, text;
            std::string_view kind;
            std::optional<std::size_t> at;
        };
        std::vector<Mangled> mangled;
        if (const std::size_t q = c.converted.find_first_of("\"'"); q != std::string::npos) {
            std::string s = c.converted;
            s.replace(q, 1, c.converted[q] == '"' ? "\x94" : "\x92");  // ” and ’ in Windows-1252
            mangled.push_back({"quotes swapped", utf8(s), "typographic-quote", q + 1});
        }
        const auto high = std::find_if(c.converted.begin(), c.converted.end(), [](char b) { return static_cast<unsigned char>(b) >= 0x80; });
        if (high != c.converted.end())
            mangled.push_back({"UTF-8 read as Windows-1252", utf8(text), "mojibake",
                               static_cast<std::size_t>(high - c.converted.begin()) + 1});
        std::size_t stop = 0, check = 0;
        for (const auto& m : typed->marks) {
            if (m.role == "stop") stop = m.at;
            if (m.role == "check") check = m.at;
        }
        if (stop > 0) mangled.push_back({"stop cut", utf8(c.converted.substr(0, stop - 1)), "no-stop", std::nullopt});
        std::size_t first_stop = 0;
        for (const auto& m : typed->marks)
            if (m.role == "stop" && first_stop == 0) first_stop = m.at;
        if (c.converted.size() < varnel::kMaxConverted && first_stop > 2) {
            // Between two glyphs before the stop; U+2192 has no byte in Windows-1252.
            const std::size_t at = 1 + rng() % (first_stop - 2);
            mangled.push_back({"a character outside the font",
                               utf8(c.converted.substr(0, at)) + "\u2192" + utf8(c.converted.substr(at)), "not-in-font", at + 1});
        }
        if (check > 0 && !c.optional_check) {
            // Any other glyph of the string in the check's place, as a hand edit leaves it.
            for (char other : c.converted) {
                std::string s = c.converted;
                if (other == s[check - 1]) continue;
                s[check - 1] = other;
                const auto r = varnel::glyphmate::inspect(utf8(s), true, entry.name);
                if (r->faults.size() == 1 && r->faults[0].kind == "wrong-check") {
                    mangled.push_back({"check changed", utf8(s), "wrong-check", check});
                    break;
                }
            }
        }
        for (const Mangled& m : mangled) {
            ++tried[m.name];
            const auto r = varnel::glyphmate::inspect(m.text, true, entry.name);
            const bool named = !r->faults.empty() && r->faults.front().kind == m.kind && r->faults.front().at == m.at;
            // Nothing else goes wrong, except what cutting the stop takes with it.
            const bool alone = r->faults.size() == 1 || m.kind == "no-stop";
            const bool same_data = m.kind == "no-stop" || m.kind == "wrong-check" || r->data == typed->data;
            if (!named || !alone || !same_data) {
                ++failures;
                ADD_FAILURE() << entry.name << " " << m.name << " of " << test::hex(c.converted) << ": " << kinds(*r)
                              << " read " << test::hex(r->data);
            }
        }
    }
    // Each mangling the symbology can suffer was made: the test proves nothing otherwise.
    const std::string_view name = entry.name;
    const bool code128 = name.starts_with("Code128") || name == "GS1-128";
    const bool retail = name.starts_with("UPC") || name.starts_with("EAN");
    const std::pair<std::string_view, bool> expected[] = {
        {"stop cut", true},
        {"a character outside the font", true},
        {"check changed", code128 || (retail && name != "UPC-E") || name == "Code93" || name == "MSI/Plessey" || name == "Code11"},
        {"quotes swapped", code128 || name == "Interleaved 2 of 5" || name == "Code39 Extended"},
        {"UTF-8 read as Windows-1252", code128 || (retail && name != "EAN-8") || name == "Interleaved 2 of 5"},
    };
    for (const auto& [mangling, applies] : expected) {
        EXPECT_TRUE(!applies || tried[std::string(mangling)] > 0) << mangling;
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryType, testing::Range<std::size_t>(0, kCatalogue.size()),
                         [](const auto& info) { return test::test_name(kCatalogue[info.param].name); });

}  // namespace
