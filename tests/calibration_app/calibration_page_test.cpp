// SPDX-License-Identifier: MIT
#include "calibration_app/calibration_page.h"

#include <algorithm>
#include <climits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/maker.h"
#include "recording_surface.h"

namespace {

using namespace varnel::trueline;
using test::RecordedFont;
using test::RecordingSurface;
using test::TextCall;
using testing::AllOf;
using testing::EndsWith;
using testing::Eq;
using testing::HasSubstr;
using testing::Not;
using testing::StartsWith;

struct MulDivRow {
    const char* name;
    int number, numerator, denominator;
    int expected;
};

void PrintTo(const MulDivRow& row, std::ostream* out) { *out << row.name; }

class MulDiv : public testing::TestWithParam<MulDivRow> {};

TEST_P(MulDiv, RoundsAsWindowsDoes) {
    const MulDivRow& row = GetParam();
    EXPECT_EQ(mul_div(row.number, row.numerator, row.denominator), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, MulDiv,
    testing::Values(
        MulDivRow{"twelve_points_at_600", 12, 600, 72, 100},
        MulDivRow{"fourteen_points_at_600", 14, 600, 72, 117},  // 116.67
        MulDivRow{"fourteen_points_at_96", 14, 96, 72, 19},     // 18.67
        MulDivRow{"fourteen_points_at_300", 14, 300, 72, 58},   // 58.33
        MulDivRow{"half_rounds_up", 1, 1, 2, 1},
        MulDivRow{"negative_half_rounds_down", -1, 1, 2, -1},
        MulDivRow{"negative_divisor", 5, 1, -2, -3},            // -2.5
        MulDivRow{"both_negative", -5, -1, 2, 3},               // 2.5
        MulDivRow{"below_half", 4, 1, 3, 1},                    // 1.33
        MulDivRow{"product_beyond_32_bits", INT_MAX, INT_MAX, INT_MAX, INT_MAX},
        MulDivRow{"zero_divisor", 7, 1, 0, -1},
        MulDivRow{"result_too_large", INT_MAX, 2, 1, -1},
        MulDivRow{"result_int_min", INT_MIN, 1, 1, -1}),
    [](const auto& info) { return std::string(info.param.name); });

// Splits at CR LF pairs, keeping empty lines at either end.
std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0)
            lines.emplace_back(), ++i;
        else
            lines.back() += text[i];
    }
    return lines;
}

MATCHER_P(HasLines, count, "") { return lines_of(arg).size() == static_cast<std::size_t>(count); }

enum class Points { title, text, zero };

struct ExpectedBlock {
    const char* name;
    testing::Matcher<const std::string&> text;
    const char* face;
    Points size;
    int weight;
    Layout layout;
};

const std::string kSample = "0123456789ABCD0123456789ABCD0123456789ABCD0123456789ABCD";
const std::string kRuler = "|       |       |       |       |       |       |       |";
std::string s(std::string_view v) { return std::string(v); }

// The page's blocks as they reach the surface, the CR LF pairs around them written out.
// The zero row (block 15) is checked on its own.
const std::vector<ExpectedBlock>& expected_blocks() {
    static const std::vector<ExpectedBlock> blocks = {
        {"company", Eq("Varnel Corp."), "Times New Roman", Points::title, 700, Layout::plain},
        // five lines each ended by a pair, then one pair more: seven lines, the last two empty
        {"contact",
         AllOf(HasLines(7), EndsWith("\r\n\r\n"), Not(HasSubstr("\r\n\r\n\r\n")), Not(StartsWith("\r\n")),
               HasSubstr(s(varnel::kTelephone)), HasSubstr(s(varnel::kFax)), HasSubstr(s(varnel::kHomePage))),
         "Times New Roman", Points::text, 700, Layout::plain},
        {"purpose",
         Eq("This printer calibration page will assist you to select the best Varnel MICR font for your "
            "system. To calibrate, print this page on a flat surface and wait for it cool down.\r\n"),
         "Times New Roman", Points::text, 400, Layout::flow},
        {"step_a",
         Eq("\r\nA. Measure the length of each line below, select the one closest to 7 inches.In ideal "
            "case, the horizontal of each segment (between two vertical bars) should be exactly 1 inch. "
            "Under most circumstances VNL MICR font produces the best result. \r\n\r\n"),
         "Times New Roman", Points::text, 400, Layout::flow},
        {"narrow_heading", Eq("VNL MICRN"), "Times New Roman", Points::text, 700, Layout::single_line},
        {"narrow_sample", Eq(kSample), "VNL MICRN", Points::text, 400, Layout::single_line},
        {"narrow_ruler", Eq(kRuler), "VNL MICRN", Points::text, 400, Layout::single_line},
        {"standard_heading", Eq("VNL MICR"), "Times New Roman", Points::text, 700, Layout::single_line},
        {"standard_sample", Eq(kSample), "VNL MICR", Points::text, 400, Layout::single_line},
        {"standard_ruler", Eq(kRuler), "VNL MICR", Points::text, 400, Layout::single_line},
        {"wide_heading", Eq("VNL MICRW"), "Times New Roman", Points::text, 700, Layout::single_line},
        {"wide_sample", Eq(kSample), "VNL MICRW", Points::text, 400, Layout::single_line},
        {"wide_ruler", Eq(kRuler), "VNL MICRW", Points::text, 400, Layout::single_line},
        {"step_b",
         Eq("\r\n\r\nB. Measure the stroke width of the zero below. Select the closes to 0.13 inch. Under "
            "most circumstances VNL MICR font produces the best result."),
         "Times New Roman", Points::text, 400, Layout::flow},
        {"combine",
         Eq("\r\nCombine the results from step A  and B you can derive the best font for your "
            "environment. Suppose the best font for A is VNL MICRN and the best font for B is VNL "
            "MICRB, then the best font for your environment  is VNL MICRBN.\r\n\r\n"),
         "Times New Roman", Points::text, 400, Layout::flow},
        {"mapping_heading", Eq("Character Mapping"), "Times New Roman", Points::text, 700, Layout::single_line},
        {"mapping",
         Eq("Transit symbol: A, [, ]       Amount Symbol: B, #,  $\r\nOn-Us Symbol: C, @      Dash "
            "symbol: D, -\r\n\r\n"),
         "Times New Roman", Points::text, 400, Layout::flow},
        {"support_heading", Eq("Technical Support"), "Times New Roman", Points::text, 700, Layout::single_line},
        {"support",
         AllOf(HasLines(3), EndsWith("\r\n\r\n"), Not(StartsWith("\r\n")), HasSubstr(s(varnel::kTelephone)),
               HasSubstr(s(varnel::kSupportEmail)), HasSubstr(s(varnel::kSupportForum))),
         "Times New Roman", Points::text, 400, Layout::flow},
        {"service_heading", AllOf(HasLines(1), Not(Eq(""))), "Times New Roman", Points::text, 700,
         Layout::single_line},
        {"service", AllOf(HasLines(1), HasSubstr(s(varnel::kCustomFontPage))), "Times New Roman", Points::text,
         400, Layout::flow},
    };
    return blocks;
}

constexpr std::size_t kZeroRowAt = 14;  // the zero row comes after the first fourteen blocks

int height_for(Points size, int dpi) {
    const int points = size == Points::title ? 14 : size == Points::text ? 12 : 120;
    return -(points * dpi * 2 + 72) / 144;  // points x dpi / 72, rounded
}

// The draws of the text blocks, without the six of the zero row.
std::vector<TextCall> block_draws(const RecordingSurface& surface) {
    std::vector<TextCall> draws = surface.draws();
    if (draws.size() >= kZeroRowAt + 6) draws.erase(draws.begin() + kZeroRowAt, draws.begin() + kZeroRowAt + 6);
    return draws;
}

RecordingSurface printer(int dpi) {
    RecordingSurface surface;
    surface.dpi = dpi, surface.printing = true;
    return surface;
}

TEST(CalibrationPage, DrawsTheBlocksInOrderWithTheirFontsAndLayouts) {
    for (const int dpi : {600, 96}) {
        RecordingSurface surface = printer(dpi);
        draw_calibration_page(surface);
        const std::vector<TextCall> draws = block_draws(surface);
        ASSERT_EQ(draws.size(), expected_blocks().size()) << dpi;
        for (std::size_t i = 0; i < draws.size(); ++i) {
            const ExpectedBlock& want = expected_blocks()[i];
            SCOPED_TRACE(testing::Message() << want.name << " at " << dpi << " dpi");
            EXPECT_THAT(draws[i].text, want.text);
            EXPECT_EQ(draws[i].font, (RecordedFont{want.face, height_for(want.size, dpi), want.weight}));
            EXPECT_EQ(draws[i].layout, want.layout);
        }
    }
}

struct HeightRow {
    const char* name;
    int dpi;
    int title, text, zero;
};

void PrintTo(const HeightRow& row, std::ostream* out) { *out << row.name; }

class FontHeights : public testing::TestWithParam<HeightRow> {};

TEST_P(FontHeights, AskForTheCharacterHeight) {
    const HeightRow& row = GetParam();
    RecordingSurface surface = printer(row.dpi);
    draw_calibration_page(surface);
    const std::vector<TextCall> draws = surface.draws();
    ASSERT_EQ(draws.size(), 27u);
    EXPECT_EQ(draws[0].font.height, row.title);                // "Varnel Corp."
    EXPECT_EQ(draws[2].font.height, row.text);                 // the first paragraph
    EXPECT_EQ(draws[kZeroRowAt].font.height, row.zero);        // the first zero
    EXPECT_EQ(draws[kZeroRowAt + 3].font.height, row.text);    // its label
    for (const RecordedFont& font : surface.created)
        EXPECT_THAT(font.height, testing::AnyOf(row.title, row.text, row.zero)) << font.face;
}

INSTANTIATE_TEST_SUITE_P(Devices, FontHeights,
                         testing::Values(HeightRow{"printer_600_dpi", 600, -117, -100, -1000},
                                         HeightRow{"screen_96_dpi", 96, -19, -16, -160}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CalibrationPage, EachBlockIsDrawnWhereItWasMeasuredAndTheNextStartsBelowIt) {
    RecordingSurface surface = printer(600);
    draw_calibration_page(surface);
    const std::vector<TextCall>& calls = surface.calls;
    ASSERT_EQ(calls.size() % 2, 0u);
    int line = 100;
    for (std::size_t i = 0; i < calls.size(); i += 2) {
        const TextCall& measure = calls[i];
        const TextCall& draw = calls[i + 1];
        ASSERT_FALSE(measure.draw);
        ASSERT_TRUE(draw.draw);
        EXPECT_EQ(measure.text, draw.text);
        EXPECT_EQ(measure.font, draw.font);
        if (i / 2 >= kZeroRowAt && i / 2 < kZeroRowAt + 6) {  // the zero row, checked below
            line = draw.rect.bottom;  // ends with the last label
            continue;
        }
        SCOPED_TRACE(draw.text);
        EXPECT_EQ(measure.rect, (Rect{100, line, 5000, 6500}));
        EXPECT_EQ(draw.rect.top, line);
        EXPECT_EQ(draw.rect.left, 100);
        line = draw.rect.bottom;
    }
}

TEST(CalibrationPage, PrintingInsetsThePrintableAreaBy100) {
    RecordingSurface surface = printer(600);
    surface.page_size = {4800, 6000};
    surface.client = {7, 7, 50, 50};  // not used when printing
    draw_calibration_page(surface);
    ASSERT_FALSE(surface.calls.empty());
    EXPECT_EQ(surface.calls[0].rect, (Rect{100, 100, 4700, 5900}));
}

TEST(CalibrationPage, OnTheScreenThePageIsTheClientRectangle) {
    RecordingSurface surface;
    surface.client = {0, 0, 240, 900};  // a narrow window: the flow blocks get its width
    draw_calibration_page(surface);
    ASSERT_FALSE(surface.calls.empty());
    EXPECT_EQ(surface.calls[0].rect, (Rect{0, 0, 240, 900}));
    for (const TextCall& call : surface.calls) {
        if (call.layout == Layout::flow) {
            EXPECT_EQ(call.rect.right, 240) << call.text;
        }
    }
}

TEST(CalibrationPage, TheZerosStandSideBySideWithTheirNamesCentredBelow) {
    RecordingSurface surface = printer(600);
    draw_calibration_page(surface);
    const std::vector<TextCall> draws = surface.draws();
    ASSERT_EQ(draws.size(), 27u);
    const int top = draws[kZeroRowAt - 1].rect.bottom;  // below block 14
    const char* const faces[] = {"VNL MICRL", "VNL MICR", "VNL MICRB"};
    // a "0" at -1000 is 500 wide and 1250 high on the recording surface
    int left = 100;
    for (int i = 0; i < 3; ++i) {
        const TextCall& zero = draws[kZeroRowAt + i];
        SCOPED_TRACE(faces[i]);
        EXPECT_EQ(zero.text, "0");
        EXPECT_EQ(zero.font, (RecordedFont{faces[i], -1000, 400}));
        EXPECT_EQ(zero.layout, Layout::single_line);
        EXPECT_EQ(zero.rect, (Rect{left, top, left + 500, top + 1250}));
        const TextCall& label = draws[kZeroRowAt + 3 + i];
        EXPECT_EQ(label.text, faces[i]);
        EXPECT_EQ(label.font, (RecordedFont{"Times New Roman", -100, 700}));
        EXPECT_EQ(label.layout, Layout::centred_line);
        EXPECT_EQ(label.rect, (Rect{left, top + 1250, left + 500, top + 1250 + 125}));
        left += 500;
    }
    EXPECT_EQ(draws[kZeroRowAt + 6].rect.top, top + 1250 + 125);  // the next block below the labels
}

TEST(CalibrationPage, ReleasesEveryFontItCreatesAndRestoresTheContextsOwn) {
    RecordingSurface surface = printer(600);
    draw_calibration_page(surface);
    EXPECT_THAT(surface.faults, testing::IsEmpty());
    // the opening title font, then one for each of the 21 text blocks, each zero and the labels
    EXPECT_EQ(surface.created.size(), 1u + 21 + 3 + 1);
    EXPECT_EQ(surface.live_fonts(), 0u);
    EXPECT_EQ(surface.selected(), 0);
}

TEST(CalibrationPage, SetsBlackTextAlignedLeftAndTop) {
    RecordingSurface surface;
    draw_calibration_page(surface);
    EXPECT_TRUE(surface.align_set);
    EXPECT_EQ(surface.colour, (Rgb{0, 0, 0}));
    EXPECT_THAT(surface.faults, testing::IsEmpty());
}

TEST(CalibrationPage, TwoCallsDrawTheSamePage) {
    RecordingSurface surface;
    draw_calibration_page(surface);
    const std::vector<TextCall> first = surface.calls;
    surface.calls.clear();
    draw_calibration_page(surface);
    EXPECT_EQ(surface.calls, first);
    EXPECT_EQ(surface.live_fonts(), 0u);
}

}  // namespace

// A catalogue that holds the families a test names.
struct NamedFonts final : FontCatalogue {
    explicit NamedFonts(std::vector<std::string> names) : families(std::move(names)) {}
    std::vector<std::string> families;
    bool installed(std::string_view family) const override {
        return std::find(families.begin(), families.end(), family) != families.end();
    }
};

struct MissingFontsRow {
    const char* name;
    std::vector<std::string> installed;
    std::vector<std::string_view> missing;
    std::string warning;
};

void PrintTo(const MissingFontsRow& row, std::ostream* out) { *out << row.name; }

class MissingFonts : public testing::TestWithParam<MissingFontsRow> {};

TEST_P(MissingFonts, AreNamedInPageOrder) {
    const MissingFontsRow& row = GetParam();
    const NamedFonts fonts(row.installed);
    const std::vector<std::string_view> missing = missing_micr_families(fonts);
    EXPECT_EQ(missing, row.missing);
    EXPECT_EQ(missing_fonts_warning(missing), row.warning);
}

const std::vector<std::string> kAllMicr = {"VNL MICRN", "VNL MICR", "VNL MICRW", "VNL MICRL", "VNL MICRB"};

INSTANTIATE_TEST_SUITE_P(
    Catalogues, MissingFonts,
    testing::Values(
        // the body face is not asked about: a substitute for it measures nothing wrong
        MissingFontsRow{"micr_installed", kAllMicr, {}, ""},
        MissingFontsRow{"none_installed", {"Times New Roman", "DejaVu Sans"},
                        {"VNL MICRN", "VNL MICR", "VNL MICRW", "VNL MICRL", "VNL MICRB"},
                        "The Varnel MICR fonts are not installed: the samples and zeros are set in another face "
                        "and measure nothing."},
        MissingFontsRow{"one_zero_font", {"VNL MICRN", "VNL MICR", "VNL MICRW", "VNL MICRB"}, {"VNL MICRL"},
                        "The font VNL MICRL is not installed: their samples are set in another face and measure "
                        "nothing."},
        MissingFontsRow{"three", {"VNL MICR", "VNL MICRB"}, {"VNL MICRN", "VNL MICRW", "VNL MICRL"},
                        "The fonts VNL MICRN, VNL MICRW and VNL MICRL are not installed: their samples are set in "
                        "another face and measure nothing."}),
    [](const auto& info) { return std::string(info.param.name); });

// Every face the page draws in is either the body face or one the check asks about.
TEST(CalibrationPage, TheFontCheckCoversEveryMicrFaceThePageUses) {
    RecordingSurface surface;
    draw_calibration_page(surface);
    const std::vector<std::string_view> micr = micr_families();
    for (const RecordedFont& font : surface.created) {
        if (font.face == "Times New Roman") continue;
        EXPECT_NE(std::find(micr.begin(), micr.end(), font.face), micr.end()) << font.face;
    }
}
