// Generated valid element strings: each symbol reads back to what a scanner should send, and
// none takes more symbol characters than zint's GS1-128 for the same data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <iostream>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "process.h"
#include "symbologies/gs1_128.h"
#include "verify/read_back.h"

namespace {

using Elements = std::vector<std::pair<std::string, std::string>>;

class Generator {
public:
    explicit Generator(unsigned seed) : rng_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    std::string digits(int n) {
        std::string s;
        for (int i = 0; i < n; ++i) s += static_cast<char>('0' + below(10));
        return s;
    }

    // A number with its mod-10 check digit, as GTIN and SSCC carry.
    std::string with_check(int n) {
        std::string s = digits(n - 1);
        int sum = 0, weight = 3;
        for (std::size_t i = s.size(); i-- > 0; weight = 4 - weight) sum += (s[i] - '0') * weight;
        return s + static_cast<char>('0' + (10 - sum % 10) % 10);
    }

    std::string date() { return digits(2) + "0" + std::to_string(1 + below(9)) + std::to_string(10 + below(18)); }

    // Runs of digits, of letters and of the other characters of set 82, so that the code
    // sets change inside the data.
    std::string text(int max) {
        static const std::string kOther = "!\"%&'()*+,-./:;<=>?_";
        std::string s;
        const int n = 1 + below(max);
        while (static_cast<int>(s.size()) < n) {
            const int kind = below(4), run = 1 + below(7);
            for (int i = 0; i < run && static_cast<int>(s.size()) < n; ++i)
                s += kind < 2 ? static_cast<char>('0' + below(10))
                   : kind == 2 ? static_cast<char>((below(2) ? 'A' : 'a') + below(26))
                               : kOther[static_cast<std::size_t>(below(static_cast<int>(kOther.size())))];
        }
        return s;
    }

    // A valid set of elements in a random order after their key.
    Elements elements() {
        Elements out;
        const int key = below(4);
        if (key == 0) out = {{"00", with_check(18)}, {"02", with_check(14)}, {"37", digits(1 + below(8))}};
        else if (key == 1) out = {{"400", text(30)}};
        else out = {{"01", with_check(14)}};
        const bool product = key >= 2;
        std::vector<std::pair<std::string, std::string>> extra{
            {"90", text(30)}, {"91", text(40)}, {"92", digits(1 + below(20))}, {"400", text(20)}};
        if (product) {
            extra.insert(extra.end(), {{"17", date()}, {"11", date()}, {"10", text(20)}, {"21", text(20)},
                                       {"3103", digits(6)}, {"30", digits(1 + below(8))}, {"20", digits(2)},
                                       {"240", text(30)}, {"7003", date() + "1230"}});
        }
        std::shuffle(extra.begin(), extra.end(), rng_);
        std::set<std::string> seen;
        for (const auto& e : out) seen.insert(e.first);
        for (int i = 0, n = below(5); i < n; ++i)
            if (seen.insert(extra[static_cast<std::size_t>(i)].first).second) out.push_back(extra[static_cast<std::size_t>(i)]);
        return out;
    }

private:
    std::mt19937 rng_;
};

// Typed in parentheses (with escapes) or brackets.
std::string typed(const Elements& elements, bool brackets) {
    std::string s;
    for (const auto& [ai, value] : elements) {
        s += (brackets ? "[" : "(") + ai + (brackets ? "]" : ")");
        for (char c : value) {
            if (!brackets && (c == '(' || c == ')')) s += '\\';
            s += c;
        }
    }
    return s;
}

std::string human_readable(const Elements& elements) {
    std::string s;
    for (const auto& [ai, value] : elements) s += "(" + ai + ")" + value;
    return s;
}

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
