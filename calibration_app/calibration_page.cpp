// SPDX-License-Identifier: MIT
#include "calibration_app/calibration_page.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string>
#include <string_view>

#include "common/maker.h"

namespace varnel::trueline {

namespace {

// Joins string constants at compile time, so that texts built from the maker's addresses
// stay constants of the block table.
template <const std::string_view&... parts>
struct Joined {
    static constexpr auto storage = [] {
        std::array<char, (parts.size() + ...)> out{};
        auto at = out.begin();
        ((at = std::copy(parts.begin(), parts.end(), at)), ...);
        return out;
    }();
    static constexpr std::string_view value{storage.data(), storage.size()};
};
template <const std::string_view&... parts>
constexpr std::string_view joined = Joined<parts...>::value;

constexpr std::string_view kCrLf = "\r\n";

struct PageFont {
    std::string_view face;
    int points;
    int weight;
};

constexpr int kNormal = 400, kBold = 700;
constexpr std::string_view kTimes = "Times New Roman";

constexpr PageFont kTitleFont{kTimes, 14, kBold};
constexpr PageFont kHeadingFont{kTimes, 12, kBold};
constexpr PageFont kBodyFont{kTimes, 12, kNormal};
constexpr PageFont kNarrowFont{"VNL MICRN", 12, kNormal};
constexpr PageFont kStandardFont{"VNL MICR", 12, kNormal};
constexpr PageFont kWideFont{"VNL MICRW", 12, kNormal};

// The zero row, left to right; each zero is labelled with its font's name.
constexpr PageFont kZeroFonts[] = {
    {"VNL MICRL", 120, kNormal},
    {"VNL MICR", 120, kNormal},
    {"VNL MICRB", 120, kNormal},
};
static_assert(std::size(kZeroFonts) == 3);

// Fourteen characters four times, and eight bars seven segments apart: at the E-13B pitch
// of eight characters per inch both lines are 7 inches long, each segment 1 inch.
constexpr std::string_view kSampleLine = "0123456789ABCD0123456789ABCD0123456789ABCD0123456789ABCD";
constexpr std::string_view kRulerLine = "|       |       |       |       |       |       |       |";
static_assert(kSampleLine.size() == 56 && kRulerLine.size() == 57);

// The maker's texts, built from the maker's addresses.
constexpr std::string_view kTelephoneLabel = "Telephone: ", kFaxLabel = "Fax: ";
constexpr std::string_view kContactBlock =
    joined<varnel::kStreetAddress, kCrLf, varnel::kCityAddress, kCrLf, kTelephoneLabel,
           varnel::kTelephone, kCrLf, kFaxLabel, varnel::kFax, kCrLf, varnel::kHomePage, kCrLf>;

constexpr std::string_view kCall = "Call ", kMailTo = ", e-mail ", kForumAt = ", or visit our forum at ",
                           kFullStop = ".";
constexpr std::string_view kSupportParagraph =
    joined<kCall, varnel::kTelephone, kMailTo, varnel::kSupportEmail, kForumAt, varnel::kSupportForum, kFullStop>;

constexpr std::string_view kServiceHeading = "Custom Font Service";
constexpr std::string_view kServiceLead = "We make MICR, OCR and barcode fonts to order: ";
constexpr std::string_view kServiceParagraph = joined<kServiceLead, varnel::kCustomFontPage, kFullStop>;

struct Block {
    std::string_view text;
    PageFont font;
    Layout layout;
    int pairs_before, pairs_after;  // CR LF pairs around the text
    bool zero_row = false;          // the one block drawn by its own steps
};

constexpr Block kBlocks[] = {
    {"Varnel Corp.", kTitleFont, Layout::plain, 0, 0},
    {kContactBlock, kHeadingFont, Layout::plain, 0, 1},
    {"This printer calibration page will assist you to select the best Varnel MICR font for your "
     "system. To calibrate, print this page on a flat surface and wait for it cool down.",
     kBodyFont, Layout::flow, 0, 1},
    {"A. Measure the length of each line below, select the one closest to 7 inches.In ideal case, "
     "the horizontal of each segment (between two vertical bars) should be exactly 1 inch. Under "
     "most circumstances VNL MICR font produces the best result. ",
     kBodyFont, Layout::flow, 1, 2},
    {"VNL MICRN", kHeadingFont, Layout::single_line, 0, 0},
    {kSampleLine, kNarrowFont, Layout::single_line, 0, 0},
    {kRulerLine, kNarrowFont, Layout::single_line, 0, 0},
    {"VNL MICR", kHeadingFont, Layout::single_line, 0, 0},
    {kSampleLine, kStandardFont, Layout::single_line, 0, 0},
    {kRulerLine, kStandardFont, Layout::single_line, 0, 0},
    {"VNL MICRW", kHeadingFont, Layout::single_line, 0, 0},
    {kSampleLine, kWideFont, Layout::single_line, 0, 0},
    {kRulerLine, kWideFont, Layout::single_line, 0, 0},
    {"B. Measure the stroke width of the zero below. Select the closes to 0.13 inch. Under most "
     "circumstances VNL MICR font produces the best result.",
     kBodyFont, Layout::flow, 2, 0},
    {{}, kHeadingFont, Layout::centred_line, 0, 0, true},
    {"Combine the results from step A  and B you can derive the best font for your environment. "
     "Suppose the best font for A is VNL MICRN and the best font for B is VNL MICRB, then the best "
     "font for your environment  is VNL MICRBN.",
     kBodyFont, Layout::flow, 1, 2},
    {"Character Mapping", kHeadingFont, Layout::single_line, 0, 0},
    {"Transit symbol: A, [, ]       Amount Symbol: B, #,  $\r\n"
     "On-Us Symbol: C, @      Dash symbol: D, -",
     kBodyFont, Layout::flow, 0, 2},
    {"Technical Support", kHeadingFont, Layout::single_line, 0, 0},
    {kSupportParagraph, kBodyFont, Layout::flow, 0, 2},
    {kServiceHeading, kHeadingFont, Layout::single_line, 0, 0},
    {kServiceParagraph, kBodyFont, Layout::flow, 0, 0},
};
static_assert(std::size(kBlocks) == 22);

constexpr int kPrintMargin = 100;
constexpr Rgb kBlack{0, 0, 0};

// The font selected into the surface during one call: each select creates the new font and
// releases the one it replaces; the context's own font is back when this goes.
class PageFontSlot {
public:
    explicit PageFontSlot(DrawingSurface& surface) : surface_(surface) {}
    PageFontSlot(const PageFontSlot&) = delete;
    PageFontSlot& operator=(const PageFontSlot&) = delete;
    ~PageFontSlot() {
        if (current_ == kNone) return;
        surface_.select_font(original_);
        surface_.release_font(current_);
    }

    void select(const PageFont& font) {
        const FontRequest wanted{font.face, font_height(font.points, surface_.pixels_per_inch_y()), font.weight};
        const FontId made = surface_.create_font(wanted);
        const FontId replaced = surface_.select_font(made);
        if (current_ == kNone)
            original_ = replaced;
        else
            surface_.release_font(replaced);
        current_ = made;
    }

private:
    static constexpr FontId kNone = -1;
    DrawingSurface& surface_;
    FontId original_ = 0;
    FontId current_ = kNone;
};

Rect page_rect(const DrawingSurface& surface) {
    if (!surface.is_printing()) return surface.client_rect();
    const Size page = surface.device_page_size();
    return {kPrintMargin, kPrintMargin, page.width - kPrintMargin, page.height - kPrintMargin};
}

std::string with_line_breaks(const Block& block) {
    std::string text;
    for (int i = 0; i < block.pairs_before; ++i) text += kCrLf;
    text += block.text;
    for (int i = 0; i < block.pairs_after; ++i) text += kCrLf;
    return text;
}

// Three zeros side by side from the page's left edge, each cell starting where the last
// one ends, and each font's name centred under its zero. Returns the new line position.
int draw_zero_row(DrawingSurface& surface, PageFontSlot& font, const Rect& page, int top) {
    Rect cells[std::size(kZeroFonts)];
    int left = page.left;
    for (std::size_t i = 0; i < std::size(kZeroFonts); ++i) {
        font.select(kZeroFonts[i]);
        cells[i] = surface.measure_text("0", {left, top, page.right, page.bottom}, Layout::single_line);
        surface.draw_text("0", cells[i], Layout::single_line);
        left = cells[i].right;
    }
    font.select(kHeadingFont);
    int bottom = top;
    for (std::size_t i = 0; i < std::size(kZeroFonts); ++i) {
        const Rect& cell = cells[i];
        const std::string_view name = kZeroFonts[i].face;
        const Rect line = surface.measure_text(name, {cell.left, cell.bottom, cell.right, page.bottom},
                                               Layout::centred_line);
        surface.draw_text(name, {cell.left, cell.bottom, cell.right, line.bottom}, Layout::centred_line);
        bottom = line.bottom;
    }
    return bottom;
}

constexpr bool is_micr(const PageFont& font) { return font.face != kTimes; }

}  // namespace

int font_height(int points, int pixels_per_inch) {
    return -mul_div(points, pixels_per_inch, 72);
}

void draw_calibration_page(DrawingSurface& surface) {
    surface.set_text_align(TextAlign::left_top);
    surface.set_text_colour(kBlack);
    PageFontSlot font(surface);
    font.select(kTitleFont);
    const Rect page = page_rect(surface);

    int line = page.top;
    for (const Block& block : kBlocks) {
        if (block.zero_row) {
            line = draw_zero_row(surface, font, page, line);
            continue;
        }
        font.select(block.font);
        const std::string text = with_line_breaks(block);
        const Rect measured = surface.measure_text(text, {page.left, line, page.right, page.bottom}, block.layout);
        surface.draw_text(text, measured, block.layout);
        line = measured.bottom;
    }
}

std::vector<std::string_view> micr_families() {
    std::vector<std::string_view> families;
    auto add = [&](const PageFont& font) {
        if (is_micr(font) && std::find(families.begin(), families.end(), font.face) == families.end())
            families.push_back(font.face);
    };
    for (const Block& block : kBlocks) {
        if (block.zero_row)
            for (const PageFont& zero : kZeroFonts) add(zero);
        else
            add(block.font);
    }
    return families;
}

std::vector<std::string_view> missing_micr_families(const FontCatalogue& fonts) {
    std::vector<std::string_view> missing;
    for (std::string_view family : micr_families())
        if (!fonts.installed(family)) missing.push_back(family);
    return missing;
}

std::string missing_fonts_warning(std::span<const std::string_view> missing) {
    if (missing.empty()) return {};
    if (missing.size() == micr_families().size())
        return "The Varnel MICR fonts are not installed: the samples and zeros are set in another face and "
               "measure nothing.";
    std::string names;
    for (std::size_t i = 0; i < missing.size(); ++i) {
        if (i > 0) names += i + 1 == missing.size() ? " and " : ", ";
        names += missing[i];
    }
    return (missing.size() == 1 ? "The font " + names + " is" : "The fonts " + names + " are") +
           " not installed: their samples are set in another face and measure nothing.";
}

}  // namespace varnel::trueline
