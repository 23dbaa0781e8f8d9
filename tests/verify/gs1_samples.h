// SPDX-License-Identifier: MIT
// Generated GS1 element strings that the checker must accept, and how a user types them;
// shared by the GS1-128 property tests and the flow's.
#pragma once

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace verify::gs1_samples {

using Elements = std::vector<std::pair<std::string, std::string>>;

inline int below(std::mt19937& rng, int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

inline std::string digits(std::mt19937& rng, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += static_cast<char>('0' + below(rng, 10));
    return s;
}

// A number with its mod-10 check digit, as GTIN and SSCC carry.
inline std::string with_check(std::mt19937& rng, int n) {
    std::string s = digits(rng, n - 1);
    int sum = 0, weight = 3;
    for (std::size_t i = s.size(); i-- > 0; weight = 4 - weight) sum += (s[i] - '0') * weight;
    return s + static_cast<char>('0' + (10 - sum % 10) % 10);
}

inline std::string date(std::mt19937& rng) {
    return digits(rng, 2) + "0" + std::to_string(1 + below(rng, 9)) + std::to_string(10 + below(rng, 18));
}

// Runs of digits, of letters and of the other characters of set 82, so that the code sets
// change inside the data.
inline std::string text(std::mt19937& rng, int max) {
    static const std::string kOther = "!\"%&'()*+,-./:;<=>?_";
    std::string s;
    const int n = 1 + below(rng, max);
    while (static_cast<int>(s.size()) < n) {
        const int kind = below(rng, 4), run = 1 + below(rng, 7);
        for (int i = 0; i < run && static_cast<int>(s.size()) < n; ++i)
            s += kind < 2 ? static_cast<char>('0' + below(rng, 10))
               : kind == 2 ? static_cast<char>((below(rng, 2) ? 'A' : 'a') + below(rng, 26))
                           : kOther[static_cast<std::size_t>(below(rng, static_cast<int>(kOther.size())))];
    }
    return s;
}

// A valid set of elements in a random order after their key.
inline Elements elements(std::mt19937& rng) {
    Elements out;
    const int key = below(rng, 4);
    if (key == 0) out = {{"00", with_check(rng, 18)}, {"02", with_check(rng, 14)}, {"37", digits(rng, 1 + below(rng, 8))}};
    else if (key == 1) out = {{"400", text(rng, 30)}};
    else out = {{"01", with_check(rng, 14)}};
    const bool product = key >= 2;
    Elements extra{{"90", text(rng, 30)}, {"91", text(rng, 40)}, {"92", digits(rng, 1 + below(rng, 20))}, {"400", text(rng, 20)}};
    if (product) {
        extra.insert(extra.end(), {{"17", date(rng)}, {"11", date(rng)}, {"10", text(rng, 20)}, {"21", text(rng, 20)},
                                   {"3103", digits(rng, 6)}, {"30", digits(rng, 1 + below(rng, 8))}, {"20", digits(rng, 2)},
                                   {"240", text(rng, 30)}, {"7003", date(rng) + "1230"}});
    }
    std::shuffle(extra.begin(), extra.end(), rng);
    std::set<std::string> seen;
    for (const auto& e : out) seen.insert(e.first);
    for (int i = 0, n = below(rng, 5); i < n; ++i)
        if (seen.insert(extra[static_cast<std::size_t>(i)].first).second) out.push_back(extra[static_cast<std::size_t>(i)]);
    return out;
}

// Typed in parentheses (with escapes) or brackets.
inline std::string typed(const Elements& elements, bool brackets) {
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

inline std::string human_readable(const Elements& elements) {
    std::string s;
    for (const auto& [ai, value] : elements) s += "(" + ai + ")" + value;
    return s;
}

}  // namespace verify::gs1_samples
