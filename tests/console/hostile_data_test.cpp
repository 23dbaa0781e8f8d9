// SPDX-License-Identifier: MIT
// Hostile data through the flow, for every symbology: a million characters, every byte
// value alone and mixed. Whatever comes in, the conversion keeps every rule of the flow.
#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "flow/catalogue.h"
#include "flow/record_converter.h"
#include "test_support.h"
#include "verify/flow_check.h"

namespace {

using varnel::glyphmate::ConversionRequest;
using varnel::glyphmate::kCatalogue;

#if __has_include(<valgrind/valgrind.h>)
#include <valgrind/valgrind.h>
#else
#define RUNNING_ON_VALGRIND 0
#endif

// Sanitizers and valgrind slow everything down: then only the growth is measured.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

varnel::glyphmate::InstalledFamilies& no_fonts() {
    static varnel::glyphmate::InstalledFamilies fonts{[] { return std::vector<std::string>{}; }};
    return fonts;
}

// Converts and checks every rule; the findings, "" when none.
std::string convert_and_check(const ConversionRequest& request) {
    const auto result = varnel::glyphmate::convert_one(request, no_fonts());
    if (!result) return "no conversion";
    const verify::Snapshot dialog = verify::painted(request, no_fonts());
    return verify::check_conversion(verify::before_request(request), dialog) + verify::differences(*result, dialog);
}

// The fastest of three runs, in seconds: the machine is shared.
double seconds_to_convert(const ConversionRequest& request) {
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const auto start = std::chrono::steady_clock::now();
        (void)varnel::glyphmate::convert_one(request, no_fonts());
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

std::string repeated_digits(std::size_t n) {
    std::string s(n, '0');
    for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>('0' + i % 10);
    return s;
}

class HostileData : public testing::TestWithParam<std::size_t> {
protected:
    ConversionRequest request(std::string data) const {
        ConversionRequest r;
        r.type = kCatalogue[GetParam()].name;
        r.data = std::move(data);
        return r;
    }
};

// Valid data of n characters: digits, or for GS1-128 one GTIN over and over (an AI given
// twice with the same data is allowed).
std::string valid_data(std::string_view type, std::size_t n) {
    if (type != "GS1-128") return repeated_digits(n);
    std::string s;
    while (s.size() + 18 <= n) s += "(01)09501101530003";
    return s;
}

// Valid data of every symbology: the only message is the one for the length.
TEST_P(HostileData, AMillionCharactersInLinearTime) {
    const std::string_view type = kCatalogue[GetParam()].name;
    ConversionRequest r = request(valid_data(type, 1'000'000));
    const auto result = varnel::glyphmate::convert_one(r, no_fonts());
    ASSERT_TRUE(result);
    EXPECT_LE(result->converted.size(), 255u);
    EXPECT_EQ(convert_and_check(r), "");
    if (type.starts_with("UPC") || type.starts_with("EAN")) {
        EXPECT_TRUE(result->status.starts_with("Only ")) << result->status;
    } else {
        EXPECT_EQ(result->status, "Data too long: only the part that fits in 255 characters was encoded.");
    }

    // Ten times the data may take ten times as long, not a hundred.
    const double million = seconds_to_convert(r);
    const double hundred_thousand = seconds_to_convert(request(valid_data(type, 100'000)));
    EXPECT_LT(million, 30 * hundred_thousand + 0.005) << million << " s against " << hundred_thousand << " s";
    if (!kSanitized && !RUNNING_ON_VALGRIND) {
        EXPECT_LT(million, 0.5) << type;
    }
}

TEST_P(HostileData, AMillionMixedBytes) {
    std::mt19937 rng(7);
    std::string data(1'000'000, ' ');
    for (char& c : data) c = static_cast<char>(1 + rng() % 255);
    for (bool check : {false, true}) {
        ConversionRequest r = request(data);
        r.options.check_character = check;
        r.supplement = data.substr(0, 1000);
        EXPECT_EQ(convert_and_check(r), "") << "check " << check;
    }
}

TEST_P(HostileData, EveryByteAloneAndMixed) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    std::string reversed(all.rbegin(), all.rend());
    std::string shuffled = all + all;
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(11));

    std::vector<std::string> inputs{all, reversed, shuffled, "0" + all, all + "0123"};
    for (int b = 1; b < 256; ++b) {
        inputs.push_back(std::string(1, static_cast<char>(b)));
        inputs.push_back("12" + std::string(1, static_cast<char>(b)) + "34");
    }
    for (const std::string& data : inputs)
        for (int options = 0; options < 4; ++options) {
            ConversionRequest r = request(data);
            r.options.check_character = options & 1;
            r.options.full_ascii = options & 2;
            r.supplement = data.substr(0, 7);
            const std::string findings = convert_and_check(r);
            EXPECT_EQ(findings, "") << test::hex(data.substr(0, 8)) << " options " << options;
            if (!findings.empty()) return;  // one input says enough
        }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, HostileData, testing::Range<std::size_t>(0, kCatalogue.size()),
                         [](const auto& info) { return test::test_name(kCatalogue[info.param].name); });

}  // namespace
