// SPDX-License-Identifier: MIT
// Generated valid element strings: each symbol reads back to what a scanner should send, and
// none takes more symbol characters than zint's GS1-128 for the same data.
#include <gtest/gtest.h>

#include <cctype>
#include <iostream>
#include <random>
#include <string>

#include "process.h"
#include "symbologies/gs1_128.h"
#include "verify/gs1_samples.h"
#include "verify/read_back.h"

namespace {

namespace gs1_samples = verify::gs1_samples;
using gs1_samples::Elements;
using gs1_samples::human_readable;
using gs1_samples::typed;

// Draws from the shared samples with one engine of its own.
class Generator {
public:
    explicit Generator(unsigned seed) : rng_(seed) {}

    int below(int n) { return gs1_samples::below(rng_, n); }
    std::string with_check(int n) { return gs1_samples::with_check(rng_, n); }
    Elements elements() { return gs1_samples::elements(rng_); }

private:
    std::mt19937 rng_;
};

TEST(Gs1_128Property, ReadsBackAsTheScannerShouldSend) {
    Generator gen(20261208);
    for (int i = 0; i < 3000; ++i) {
        const Elements elements = gen.elements();
        const std::string data = typed(elements, i % 2 == 1);
        SCOPED_TRACE(data);
        varnel::Gs1Encoded out;
        varnel::encode_gs1_128(data, out);
        ASSERT_EQ(out.status, "");
        EXPECT_EQ(out.human_readable, human_readable(elements));
        const verify::Reading r = verify::read_back(verify::Symbol::Gs1_128, out.converted);
        ASSERT_TRUE(r.ok()) << r.error;
        EXPECT_EQ(r.data, verify::gs1_transmitted(elements));
    }
}

// Typing-like noise from the characters the syntax cares about: a symbol only with no
// fault (or with the length message), and every symbol well formed.
TEST(Gs1_128Property, NoiseGivesAMessageOrAGoodSymbol) {
    static const std::string kAlphabet = "()[]\\0123456789aZ-\x1D";
    Generator gen(7);
    for (int i = 0; i < 20000; ++i) {
        std::string data;
        for (int n = gen.below(40); n > 0; --n) data += kAlphabet[static_cast<std::size_t>(gen.below(static_cast<int>(kAlphabet.size())))];
        if (i % 4 == 0) data = "(01)" + gen.with_check(14) + data;
        SCOPED_TRACE(data);
        varnel::Gs1Encoded out;
        varnel::encode_gs1_128(data, out);
        if (!out.status.empty() && !out.truncated) {
            EXPECT_EQ(out.converted, "");
            continue;
        }
        const verify::Reading r = verify::read_back(verify::Symbol::Gs1_128, out.converted);
        ASSERT_TRUE(r.ok()) << r.error;
    }
}

// zint refuses symbols of more than 60 characters: those samples are passed over.
// Symbol characters (start, data, check) from zint's module pattern: 11 modules each, 13
// for the stop. Its dump prints four modules per hex digit, the last digit padded with
// spaces (0 bits) after the stop's closing bar.
int zint_characters(const std::string& dump) {
    int modules = 0, last = 0;
    for (char c : dump) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) continue;
        last = std::stoi(std::string(1, c), nullptr, 16);
        modules += 4;
    }
    if (modules == 0 || last == 0) return -1;
    while ((last & 1) == 0) last >>= 1, --modules;
    return (modules - 13) % 11 == 0 ? (modules - 13) / 11 : -1;
}

TEST(Gs1_128Property, NeverLongerThanZint) {
    const std::string zint = "/usr/bin/zint";
    if (test::run_process({zint, "--version"}).exit_code != 0) GTEST_SKIP() << "zint is not installed";
    Generator gen(4242);
    int samples = 0, shorter = 0, ours_total = 0, zint_total = 0, too_long = 0;
    while (samples < 300) {
        const Elements elements = gen.elements();
        const std::string data = typed(elements, true);
        SCOPED_TRACE(data);
        varnel::Gs1Encoded out;
        varnel::encode_gs1_128(data, out);
        ASSERT_EQ(out.status, "");
        const test::ProcessResult z = test::run_process({zint, "-b", "GS1_128", "--dump", "-d", data});
        if (z.exit_code != 0 && z.err.find("too long") != std::string::npos && ++too_long < 3000) continue;
        ASSERT_EQ(z.exit_code, 0) << z.err;
        const int theirs = zint_characters(z.out);
        ASSERT_GT(theirs, 0) << z.out;
        const int ours = static_cast<int>(out.converted.size()) - 2;  // less stop and closing glyph
        EXPECT_LE(ours, theirs);
        ++samples, ours_total += ours, zint_total += theirs, shorter += ours < theirs;
    }
    std::cout << samples << " symbols: " << ours_total << " symbol characters, zint " << zint_total << "; "
              << shorter << " shorter than zint's; " << too_long << " more too long for zint\n";
}

}  // namespace
