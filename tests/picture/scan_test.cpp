// SPDX-License-Identifier: MIT
// The pictures scan: converted strings of every symbology, for generated data and option
// combinations, drawn as PNG and read by zbarimg and ZXingReader, must carry the data the
// encoder keeps. Code 11, Code 25 and MSI, which neither reader knows, must match zint's
// symbol module for module. Skipped where a tool is missing.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "flow/record_converter.h"
#include "picture/picture.h"
#include "process.h"
#include "test_support.h"
#include "verify/flow_check.h"
#include "verify/gs1_samples.h"
#include "verify/read_back.h"

namespace {

using varnel::glyphmate::ConversionRequest;
using verify::Symbol;

std::string find_program(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string dirs = path != nullptr ? path : "/usr/bin:/bin";
    for (std::size_t start = 0; start <= dirs.size();) {
        const std::size_t end = std::min(dirs.find(':', start), dirs.size());
        const std::string candidate = dirs.substr(start, end - start) + "/" + name;
        if (::access(candidate.c_str(), X_OK) == 0) return candidate;
        start = end + 1;
    }
    return "";
}

struct Case {
    std::string type;
    std::string chars;  // what the data is drawn from
    std::size_t min_length, max_length;
    bool check = false, full_ascii = false;
    std::string supplement;
};

const std::string kPrintable = [] {
    std::string s;
    for (char c = ' '; c <= '~'; ++c) s += c;
    return s;
}();
const std::string kDigits = "0123456789";

// Each case is drawn for kDataPerCase generated data.
const std::vector<Case> kScanned = {
    {"Code39", "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%", 1, 12},
    {"Code39", "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%", 1, 12, true},
    {"Code39", kPrintable, 1, 10, false, true},
    {"Code39 Extended", kPrintable + "\t\x1b", 1, 10},
    {"Code93", kPrintable + "\t\x01", 1, 12},
    {"UPC-A", kDigits, 11, 11},
    {"UPC-A", kDigits, 11, 11, false, false, "07"},
    {"UPC-E", kDigits, 6, 6},
    {"UPC-E", kDigits, 6, 6, false, false, "52495"},
    {"EAN-13", kDigits, 12, 12},
    {"EAN-13", kDigits, 12, 12, false, false, "12345"},
    {"EAN-8", kDigits, 7, 7, false, false, "53"},
    {"Interleaved 2 of 5", kDigits, 6, 14},
    {"Interleaved 2 of 5", kDigits, 6, 14, true},
    {"Code128A", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 !#%&()*+-./:;<=>?@[]^_\t\x01\x1b", 1, 14},
    {"Code128B", kPrintable, 1, 14},
    {"Code128C", kDigits, 1, 20},
    {"Code128Auto", kPrintable + "0123456789012345\t", 1, 20},
    {"Codabar", "0123456789-$:/.+", 2, 12},
    {"GS1-128", "", 0, 0},  // generated element strings
};
const std::vector<Case> kCompared = {
    {"Code11", "0123456789-", 1, 14},
    {"Code25", kDigits, 1, 12},
    {"Code25", kDigits, 1, 12, true},
    {"MSI/Plessey", kDigits, 1, 12},
};
constexpr int kDataPerCase = 4;

struct Drawn {
    std::string converted;
    Symbol symbol;
    verify::Reading reading;
    varnel::picture::Picture picture;
};

Drawn draw(const Case& c, const std::string& data) {
    ConversionRequest request;
    request.type = c.type;
    request.data = data;
    request.supplement = c.supplement;
    request.options.check_character = c.check;
    request.options.full_ascii = c.full_ascii;
    varnel::glyphmate::InstalledFamilies none{[] { return std::vector<std::string>{}; }};
    const auto result = varnel::glyphmate::convert_one(request, none);
    Drawn d{result->converted, *verify::symbol_of(c.type, result->options.check_character, result->options.full_ascii),
            {}, {}};
    d.reading = verify::read_back(d.symbol, d.converted);
    d.picture = varnel::picture::render(*varnel::bars::font_layout(result->entry->font_key), d.converted,
                                        {.bar_height = 40, .text = result->options.underlying_text});
    return d;
}

// The scanners send Code 39 as its characters; Full ASCII pairs are folded back here.
std::string fold_full_ascii(std::string_view raw) {
    std::string out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char shift = raw[i];
        const char next = i + 1 < raw.size() ? raw[i + 1] : '\0';
        if (std::string_view("$%/+").find(shift) == std::string_view::npos || next < 'A' || next > 'Z') {
            out += shift;
            continue;
        }
        ++i;
        if (shift == '$') out += static_cast<char>(next - 64);
        if (shift == '+') out += static_cast<char>(next + 32);
        if (shift == '/') out += next == 'Z' ? ':' : static_cast<char>(next - 32);
        if (shift == '%') {
            constexpr std::string_view kPercent = "\x1b\x1c\x1d\x1e\x1f;<=>?[\\]^_{|}~\x7f?@`";
            const std::size_t at = static_cast<std::size_t>(next - 'A');
            out += at < kPercent.size() ? kPercent[at] : '?';
        }
    }
    return out;
}

int mod10(std::string_view digits) {
    int sum = 0, weight = 3;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it, weight = 4 - weight) sum += weight * (*it - '0');
    return (10 - sum % 10) % 10;
}

// Takes a check character off what a scanner sent; false when it is wrong.
bool strip_check(Symbol symbol, std::string& text) {
    if (text.empty()) return false;
    const char check = text.back();
    text.pop_back();
    if (symbol == Symbol::Code39Check) {
        constexpr std::string_view kValues = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
        int sum = 0;
        for (const char c : text) sum += static_cast<int>(kValues.find(c));
        return kValues[static_cast<std::size_t>(sum % 43)] == check;
    }
    return mod10(text) == check - '0';
}

// What a scanner's text says of the data the symbol carries, in read_back's terms.
std::string as_data(Symbol symbol, std::string text, bool& check_ok) {
    check_ok = true;
    switch (symbol) {
        case Symbol::Code39Check: check_ok = strip_check(symbol, text); return text;
        case Symbol::Code39FullAscii: case Symbol::Code39Extended: return fold_full_ascii(text);
        case Symbol::UpcA: case Symbol::Ean13: case Symbol::Ean8: case Symbol::ItfCheck:
            check_ok = strip_check(symbol, text);
            return text;
        case Symbol::UpcE:  // sent as the number system 0, the six digits and the check digit
            check_ok = text.size() == 8 && text[0] == '0';
            text.pop_back();
            return text.substr(1);
        case Symbol::Codabar:  // zbar sends the start and stop characters, ZXing does not
            if (!text.empty() && text.front() >= 'A' && text.front() <= 'D') text.erase(0, 1);
            if (!text.empty() && text.back() >= 'A' && text.back() <= 'D') text.pop_back();
            return text;
        default: return text;
    }
}

bool upc_ean(Symbol s) { return s == Symbol::UpcA || s == Symbol::UpcE || s == Symbol::Ean13 || s == Symbol::Ean8; }

struct Scan {
    std::string main, addon;
    bool found = false;
};

Scan zbar(const std::string& program, const std::string& file, bool upc_ean) {
    const auto r = test::run_process({program, "--nodbus", "-q", "--raw", "-Sean2.enable", "-Sean5.enable", "-Supce.enable", file});
    Scan scan;
    std::size_t start = 0;
    for (std::size_t end; (end = r.out.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = r.out.substr(start, end - start);
        (upc_ean && (line.size() == 2 || line.size() == 5) ? scan.addon : scan.main) = line;
        scan.found = true;
    }
    return scan;
}

Scan zxing(const std::string& program, const std::string& file) {
    const auto r = test::run_process({program, file});
    Scan scan;
    auto field = [&](std::string_view name) {
        const std::size_t at = r.out.find(std::string(name) + ":");
        if (at == std::string::npos) return std::string();
        const std::size_t from = r.out.find_first_not_of(' ', at + name.size() + 1);
        return r.out.substr(from, r.out.find('\n', from) - from);
    };
    const std::string bytes = field("Bytes");
    scan.found = r.out.find("Bytes:") != std::string::npos;
    scan.main = test::bytes(bytes);
    scan.addon = field("Add-On");
    return scan;
}

std::string temp_file(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("glyphmate-scan-" + std::to_string(::getpid()) + "-" + name))
        .string();
}

std::string generated(std::mt19937& rng, const Case& c) {
    if (c.type == "GS1-128") return verify::gs1_samples::typed(verify::gs1_samples::elements(rng), false);
    std::uniform_int_distribution<std::size_t> length(c.min_length, c.max_length), pick(0, c.chars.size() - 1);
    std::string data;
    for (std::size_t n = length(rng); data.size() < n;) data += c.chars[pick(rng)];
    return data;
}

TEST(Pictures, ScanAsTheDataTheEncoderKeeps) {
    const std::map<std::string, std::string> readers = {{"zbarimg", find_program("zbarimg")},
                                                        {"ZXingReader", find_program("ZXingReader")}};
    if (readers.at("zbarimg").empty() && readers.at("ZXingReader").empty())
        GTEST_SKIP() << "neither zbarimg (zbar-tools) nor ZXingReader (zxing-cpp-tools) is installed";
    std::mt19937 rng(20261209);
    std::map<std::string, int> scanned;
    const std::string file = temp_file("symbol.png");
    for (const Case& c : kScanned) {
        for (int n = 0; n < kDataPerCase; ++n) {
            std::string data = generated(rng, c);
            Drawn d = draw(c, data);
            // Six digits ending in 3 after a third digit of 0 to 2 have no UPC-A number: no symbol.
            while (c.type == "UPC-E" && !d.reading.ok()) d = draw(c, data = generated(rng, c));
            ASSERT_TRUE(d.reading.ok()) << c.type << ' ' << test::hex(d.converted) << ": " << d.reading.error;
            ASSERT_EQ(d.picture.skipped, 0u) << c.type << ' ' << test::hex(d.converted);
            {
                const auto png = varnel::picture::png(d.picture, {.module_mm = 0.33, .dpi = 200});
                std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(png.data()),
                                                            static_cast<std::streamsize>(png.size()));
            }
            for (const auto& [name, program] : readers) {
                if (program.empty()) continue;
                const Scan scan = name == "zbarimg" ? zbar(program, file, upc_ean(d.symbol)) : zxing(program, file);
                std::string main = scan.main;
                if (upc_ean(d.symbol) && name == "ZXingReader") main = main.substr(0, main.find(' '));
                // zbar sends UPC-A as the EAN-13 it is, with a leading 0
                if (d.symbol == Symbol::UpcA && main.size() == 13 && main[0] == '0') main.erase(0, 1);
                // and ZXing an EAN-13 with a leading 0 as the UPC-A it also is
                if (d.symbol == Symbol::Ean13 && main.size() == 12) main.insert(0, "0");
                bool check_ok = false;
                const std::string read = as_data(d.symbol, main, check_ok);
                EXPECT_TRUE(scan.found && check_ok && read == d.reading.data && scan.addon == d.reading.addon)
                    << name << " read " << c.type << " \"" << data << "\" (" << test::hex(d.converted) << ") as "
                    << (scan.found ? test::hex(scan.main) + " + " + scan.addon : "nothing") << ", not "
                    << test::hex(d.reading.data) << " + " << d.reading.addon;
                ++scanned[name];
            }
        }
    }
    std::filesystem::remove(file);
    for (const auto& [name, count] : scanned) std::cout << name << ": " << count << " pictures scanned\n";
}

// Dark (1) and light (0) modules of a picture without quiet zones, as zint --dump writes them.
std::string modules(const varnel::picture::Picture& picture) {
    std::string row(static_cast<std::size_t>(picture.width), '0');
    for (const auto& bar : picture.bars)
        for (auto x = static_cast<std::size_t>(bar.x); x < static_cast<std::size_t>(bar.x + bar.width); ++x) row[x] = '1';
    return row;
}

std::string dump_bits(const std::string& hex_dump) {
    std::string bits;
    for (const char c : hex_dump) {
        const int v = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (v >= 0)
            for (int b = 3; b >= 0; --b) bits += ((v >> b) & 1) != 0 ? '1' : '0';
    }
    return bits.substr(0, bits.find_last_of('1') + 1);
}

TEST(Pictures, MatchZintBarForBar) {
    const std::string zint = find_program("zint");
    if (zint.empty()) GTEST_SKIP() << "zint is not installed";
    std::mt19937 rng(20261210);
    int compared = 0;
    for (Case c : kCompared) {
        for (int n = 0; n < kDataPerCase; ++n) {
            const std::string data = generated(rng, c);
            Drawn d = draw(c, data);
            d.picture = varnel::picture::render(*varnel::bars::font_layout(c.type == "MSI/Plessey" ? "MSI" : c.type),
                                                d.converted, {.text = false, .quiet_zones = false});
            ASSERT_TRUE(d.reading.ok()) << d.reading.error;
            // zint's own check digits: Code 11 one (vers 1) or two (default); Code 25 and MSI mod 10.
            const std::size_t checks = d.converted.size() - 2 - d.reading.data.size();
            std::vector<std::string> args = {zint, "--dump", "-d", d.reading.data};
            if (c.type == "Code11") args.insert(args.end(), {"-b", "CODE11", checks == 1 ? "--vers=1" : "--vers=0"});
            if (c.type == "Code25") args.insert(args.end(), {"-b", "C25IND", c.check ? "--vers=1" : "--vers=0"});
            if (c.type == "MSI/Plessey") args.insert(args.end(), {"-b", "MSI_PLESSEY", "--vers=1"});
            const auto r = test::run_process(args);
            EXPECT_EQ(modules(d.picture), dump_bits(r.out)) << c.type << " \"" << data << "\" " << d.converted;
            ++compared;
        }
    }
    std::cout << "zint: " << compared << " pictures compared\n";
}

// Whatever bytes a hand-edited string holds, the picture leaves out those without a glyph
// and draws the rest, one bar group per glyph.
TEST(Pictures, BytesWithoutGlyphAreLeftOutAndCounted) {
    std::mt19937 rng(7);
    for (const char* key : {"Code39", "Code39Ext", "Code93", "UEB", "ITF25", "Code128A", "Code128B", "Code128C",
                            "Codabar", "Code11", "Code25", "MSI"}) {
        const varnel::bars::FontLayout& font = *varnel::bars::font_layout(key);
        std::string s;
        std::size_t without = 0;
        double width = font.quiet_left + font.quiet_right;
        for (int i = 0; i < 300; ++i) {
            const auto byte = static_cast<unsigned char>(rng());
            s += static_cast<char>(byte);
            if (!font[byte].drawn()) ++without;
            else width += font.modules(font[byte]) + (width > font.quiet_left + font.quiet_right ? font.gap : 0);
        }
        const auto picture = varnel::picture::render(font, s);
        EXPECT_EQ(picture.skipped, without) << key;
        EXPECT_EQ(picture.width, width) << key;
        for (const auto& bar : picture.bars) EXPECT_TRUE(bar.x >= font.quiet_left && bar.x + bar.width <= width) << key;
    }
}

}  // namespace
