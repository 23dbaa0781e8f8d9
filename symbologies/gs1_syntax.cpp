// SPDX-License-Identifier: MIT
#include "symbologies/gs1_syntax.h"

#include <algorithm>
#include <map>

namespace varnel::gs1 {

namespace {

// --- Character sets -------------------------------------------------------------------------

// GS1's character set 82, in the order its check character pairs count them.
constexpr std::string_view kCset82 =
    "!\"%&'()*+,-./0123456789:;<=>?ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
constexpr std::string_view kCset39 = "#-/0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kCset32 = "23456789ABCDEFGHJKLMNPQRSTUVWXYZ";
static_assert(kCset82.size() == 82 && kCset39.size() == 39 && kCset32.size() == 32);

bool is_digit(char c) { return c >= '0' && c <= '9'; }

bool in_set(char set, char c) {
    switch (set) {
        case 'N': return is_digit(c);
        case 'X': return kCset82.find(c) != std::string_view::npos;
        case 'Y': return kCset39.find(c) != std::string_view::npos;
        default:  // base64url, "=" padding included
            return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || is_digit(c) || c == '-' || c == '_' || c == '=';
    }
}

std::string shown(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x20 && b < 0x7F) return std::string("'") + c + "'";
    static constexpr char kHex[] = "0123456789ABCDEF";
    return std::string("byte 0x") + kHex[b >> 4] + kHex[b & 0x0F];
}

std::string with_ai(std::string_view ai, std::string_view what) {
    return "AI (" + std::string(ai) + "): " + std::string(what);
}

int number(std::string_view digits) {
    int n = 0;
    for (char c : digits) n = 10 * n + (c - '0');
    return n;
}

// --- Linters: each returns "" when the component passes, else what is wrong -----------------

std::string csum(std::string_view s) {
    int sum = 0, weight = 3;
    for (std::size_t i = s.size() - 1; i-- > 0; weight = 4 - weight) sum += (s[i] - '0') * weight;
    const char check = static_cast<char>('0' + (10 - sum % 10) % 10);
    return s.back() == check ? "" : std::string("check digit should be ") + check + ".";
}

// Two check characters over the rest: each character's place in set 82, weighted by the
// primes from 2 at the right, modulo 1021, written in base 32.
std::string csumalpha(std::string_view s) {
    static constexpr int kPrimes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47, 53,
                                      59, 61, 67, 71, 73, 79, 83, 89, 97, 101, 103, 107, 109, 113};
    if (s.size() < 3 || s.size() - 2 > std::size(kPrimes)) return "too short for its check character pair.";
    const std::size_t n = s.size() - 2;
    int sum = 0;
    for (std::size_t i = 0; i < n; ++i) sum += static_cast<int>(kCset82.find(s[i])) * kPrimes[n - 1 - i];
    sum %= 1021;
    const std::string pair{kCset32[static_cast<std::size_t>(sum / 32)], kCset32[static_cast<std::size_t>(sum % 32)]};
    return s.substr(n) == pair ? "" : "check characters should be " + pair + ".";
}

bool leap(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

bool real_date(int year, int month, int day, bool day_zero_allowed) {
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return false;
    if (day == 0) return day_zero_allowed;
    if (month == 2 && day == 29) return leap(year);
    return day <= kDays[month - 1];
}

std::string date_fault(std::string_view s) { return std::string(s) + " is not a real date."; }

// Two-digit years fall in the 100-year window around today, where every year divisible by
// four is a leap year, so 2000 + yy decides February 29 alike.
std::string yymmd0(std::string_view s) {
    return real_date(2000 + number(s.substr(0, 2)), number(s.substr(2, 2)), number(s.substr(4, 2)), true) ? "" : date_fault(s);
}
std::string yymmdd(std::string_view s) {
    return real_date(2000 + number(s.substr(0, 2)), number(s.substr(2, 2)), number(s.substr(4, 2)), false) ? "" : date_fault(s);
}
std::string yyyymmdd(std::string_view s) {
    return real_date(number(s.substr(0, 4)), number(s.substr(4, 2)), number(s.substr(6, 2)), false) ? "" : date_fault(s);
}
std::string time_fault(std::string_view s) { return std::string(s) + " is not a real time."; }
std::string hhmi(std::string_view s) { return number(s.substr(0, 2)) <= 23 && number(s.substr(2, 2)) <= 59 ? "" : time_fault(s); }
std::string hh(std::string_view s) { return number(s) <= 23 ? "" : time_fault(s); }
std::string mi(std::string_view s) { return number(s) <= 59 ? "" : time_fault(s); }

std::string one_of(std::string_view s, std::string_view allowed, std::string_view what) {
    return s.size() == 1 && allowed.find(s[0]) != std::string_view::npos ? "" : std::string(s) + " should be " + std::string(what) + ".";
}
std::string zero(std::string_view s) { return one_of(s, "0", "0"); }
std::string yesno(std::string_view s) { return one_of(s, "01", "0 or 1"); }
std::string winding(std::string_view s) { return one_of(s, "019", "0, 1 or 9"); }
std::string iso5218(std::string_view s) { return one_of(s, "0129", "0, 1, 2 or 9"); }
std::string hyphen(std::string_view s) { return s.find_first_not_of('-') == std::string_view::npos ? "" : std::string(s) + " should be -."; }
std::string nonzero(std::string_view s) {
    return s.find_first_not_of('0') != std::string_view::npos ? "" : std::string(s) + " should not be zero.";
}
std::string nozeroprefix(std::string_view s) {
    return s.size() == 1 || s[0] != '0' ? "" : std::string(s) + " should not start with 0.";
}
std::string hasnondigit(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return !is_digit(c); }) ? "" : "the data should hold a character that is not a digit.";
}
std::string pieceoftotal(std::string_view s) {
    const int piece = number(s.substr(0, s.size() / 2)), total = number(s.substr(s.size() / 2));
    return piece >= 1 && piece <= total ? "" : "piece " + std::to_string(piece) + " of " + std::to_string(total) + " is no piece of the total.";
}
std::string pcenc(std::string_view s) {
    const auto hex = [](char c) { return is_digit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); };
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i] == '%' && (i + 2 >= s.size() || !hex(s[i + 1]) || !hex(s[i + 2]))) return "% should be followed by two hexadecimal digits.";
    return "";
}
std::string latitude(std::string_view s) { return std::stoll(std::string(s)) <= 1800000000 ? "" : std::string(s) + " is no latitude."; }
std::string longitude(std::string_view s) { return std::stoll(std::string(s)) <= 3600000000 ? "" : std::string(s) + " is no longitude."; }

struct Linter {
    std::string_view name;
    std::string (*run)(std::string_view);
};
// The linters not listed (company prefix, country, currency, IBAN, coupon and other code
// lists) need registries the program does not carry: they accept.
constexpr Linter kLinters[] = {
    {"csum", csum}, {"csumalpha", csumalpha}, {"yymmd0", yymmd0}, {"yymmdd", yymmdd}, {"yyyymmdd", yyyymmdd},
    {"hhmi", hhmi}, {"hh", hh}, {"mi", mi}, {"ss", mi}, {"zero", zero}, {"nonzero", nonzero}, {"winding", winding},
    {"yesno", yesno}, {"iso5218", iso5218}, {"hyphen", hyphen}, {"nozeroprefix", nozeroprefix},
    {"hasnondigit", hasnondigit}, {"pieceoftotal", pieceoftotal}, {"pcenc", pcenc}, {"latitude", latitude},
    {"longitude", longitude},
};

std::string lint(std::string_view name, std::string_view s) {
    for (const Linter& l : kLinters)
        if (l.name == name) return l.run(s);
    return "";
}

// --- One element against its entry ---------------------------------------------------------

std::string check_element(const Element& e) {
    const AiEntry& entry = *e.entry;
    const std::string_view v = e.value;
    std::size_t low = 0, high = 0;
    bool digits = true;
    for (std::size_t i = 0; i < entry.count; ++i) {
        const Component& c = entry.parts[i];
        if (!c.optional) low += c.min;
        high += c.max;
        digits = digits && c.set == 'N';
    }
    const std::string unit = digits ? " digits" : " characters";
    const std::string given = ", not " + std::to_string(v.size()) + ".";
    if (low == high && v.size() != low) return with_ai(e.ai, "the data should be " + std::to_string(low) + unit + given);
    if (v.size() > high) return with_ai(e.ai, "the data should be at most " + std::to_string(high) + unit + given);
    if (v.size() < low) return with_ai(e.ai, "the data should be at least " + std::to_string(low) + unit + given);

    std::size_t at = 0;
    for (std::size_t i = 0; i < entry.count && at < v.size(); ++i) {
        const Component& c = entry.parts[i];
        const std::size_t n = std::min<std::size_t>(c.max, v.size() - at);
        if (n < c.min)
            return with_ai(e.ai, "part " + std::to_string(i + 1) + " of the data should be " + std::to_string(c.min) +
                                     (c.set == 'N' ? " digits" : " characters") + ", not " + std::to_string(n) + ".");
        const std::string_view part = v.substr(at, n);
        for (std::size_t k = 0; k < n; ++k)
            if (!in_set(c.set, part[k]))
                return with_ai(e.ai, "character " + shown(part[k]) + " at position " + std::to_string(at + k + 1) +
                                         (c.set == 'N' ? " is not a digit." : " is not allowed."));
        for (std::string_view names = c.linters; !names.empty();) {
            const std::size_t comma = names.find(',');
            if (std::string fault = lint(names.substr(0, comma), part); !fault.empty()) return with_ai(e.ai, fault);
            names = comma == std::string_view::npos ? std::string_view{} : names.substr(comma + 1);
        }
        at += n;
    }
    return "";
}

// --- Pairings -------------------------------------------------------------------------------

// An AI pattern of the table: equal length, "n" for any digit.
bool matches(std::string_view pattern, std::string_view ai) {
    if (pattern.size() != ai.size()) return false;
    for (std::size_t i = 0; i < ai.size(); ++i)
        if (pattern[i] != 'n' && pattern[i] != ai[i]) return false;
    return true;
}

template <typename F>
void each(std::string_view list, char separator, F&& f) {
    while (!list.empty()) {
        const std::size_t at = list.find(separator);
        f(list.substr(0, at));
        list = at == std::string_view::npos ? std::string_view{} : list.substr(at + 1);
    }
}

// "01+21,02" reads "(01) with (21), or (02)".
std::string alternatives(std::string_view group) {
    std::vector<std::string> options;
    each(group, ',', [&](std::string_view alt) {
        std::string text;
        each(alt, '+', [&](std::string_view ai) { text += (text.empty() ? "(" : " with (") + std::string(ai) + ")"; });
        options.push_back(text);
    });
    std::string out;
    for (std::size_t i = 0; i < options.size(); ++i)
        out += (i == 0 ? "" : i + 1 == options.size() ? " or " : ", ") + options[i];
    return out;
}

// Pairings depend only on which AIs are present, so they are checked once per AI, in the
// order each first appears: data of any length costs no more than the AIs the table has.
std::string check_pairings(const std::vector<Element>& elements) {
    std::map<std::string_view, std::string_view> first_value;
    std::vector<const Element*> distinct;
    for (const Element& e : elements) {
        const auto [it, added] = first_value.emplace(e.ai, e.value);
        if (added) distinct.push_back(&e);
        else if (it->second != e.value) return with_ai(e.ai, "given twice with different data.");
    }
    const auto present = [&](std::string_view pattern) {
        return std::any_of(distinct.begin(), distinct.end(), [&](const Element* e) { return matches(pattern, e->ai); });
    };
    for (const Element* e : distinct) {
        std::string fault;
        each(e->entry->req, ' ', [&](std::string_view group) {
            bool met = false;
            each(group, ',', [&](std::string_view alt) {
                bool all = true;
                each(alt, '+', [&](std::string_view ai) { all = all && present(ai); });
                met = met || all;
            });
            if (!met && fault.empty()) fault = with_ai(e->ai, "needs " + alternatives(group) + " in the same data.");
        });
        each(e->entry->ex, ',', [&](std::string_view pattern) {
            for (const Element* other : distinct)
                if (fault.empty() && other->ai != e->ai && matches(pattern, other->ai))
                    fault = with_ai(e->ai, "may not be used together with (" + other->ai + ").");
        });
        if (!fault.empty()) return fault;
    }
    return "";
}

}  // namespace

// --- Parsing --------------------------------------------------------------------------------

Parsed parse(std::string_view data) {
    Parsed out;
    const auto fail = [&](std::string error) {
        out.elements.clear();
        out.error = std::move(error);
        return out;
    };
    if (data.empty()) return fail("No data: type each AI in parentheses and its data after it, e.g. (01)09501101530003.");
    const char open = data[0];
    if (open != '(' && open != '[')
        return fail("The data should start with an AI in parentheses or brackets, e.g. (01)09501101530003.");
    const char close = open == '(' ? ')' : ']';
    const bool escapes = open == '(';
    const std::string pair = open == '(' ? "parentheses" : "brackets";
    const auto at = [](std::size_t i) { return " at character " + std::to_string(i + 1); };

    // One allocation for the elements: huge data would otherwise move them again and again.
    out.elements.reserve(static_cast<std::size_t>(std::count(data.begin(), data.end(), open)));
    std::size_t i = 0;
    while (i < data.size()) {
        // data[i] is an opening bracket here.
        const std::size_t end = data.find_first_of(std::string{open, close}, i + 1);
        if (end == std::string_view::npos || data[end] != close)
            return fail("Unbalanced " + pair + ": the " + open + at(i) + " is not closed.");
        Element e;
        e.ai = data.substr(i + 1, end - i - 1);
        if (e.ai.size() < 2 || e.ai.size() > 4 || !std::all_of(e.ai.begin(), e.ai.end(), is_digit))
            return fail("AI (" + e.ai + ")" + at(i) + ": an AI has 2 to 4 digits.");
        for (i = end + 1; i < data.size() && data[i] != open; ++i) {
            if (escapes && data[i] == '\\' && i + 1 < data.size() && (data[i + 1] == '(' || data[i + 1] == ')')) {
                e.value += data[++i];
                continue;
            }
            if (data[i] == close) {
                const std::string hint = escapes ? "; write \\) for a parenthesis in the data." : ".";
                return fail("Unbalanced " + pair + ": the " + close + at(i) + " has no " + open + " before it" + hint);
            }
            e.value += data[i];
        }
        if (e.value.empty()) return fail(with_ai(e.ai, "no data after the AI."));
        out.elements.push_back(std::move(e));
    }
    return out;
}

const AiEntry* find_ai(std::string_view ai) {
    for (const AiEntry& entry : kAiTable)
        if (entry.first.size() == ai.size() && entry.first <= ai && ai <= entry.last) return &entry;
    return nullptr;
}

std::string check(std::vector<Element>& elements) {
    for (Element& e : elements) {
        e.entry = find_ai(e.ai);
        if (e.entry == nullptr) return with_ai(e.ai, "unknown AI.");
        if (std::string fault = check_element(e); !fault.empty()) return fault;
    }
    return check_pairings(elements);
}

}  // namespace varnel::gs1
