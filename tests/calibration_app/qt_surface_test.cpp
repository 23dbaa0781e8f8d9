// SPDX-License-Identifier: MIT
#include "calibration_app/qt_surface.h"

#include <QFontMetrics>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <optional>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "framework/qt_application.h"

namespace {

using namespace varnel::trueline;

constexpr int kDpi = 600;
constexpr int kDotsPerMetre = 23622;  // 600 dpi

// A white 600 dpi page to draw on, with a surface over it in the body font (12 pt at 600 dpi).
class QtSurfaceTest : public testing::Test {
protected:
    QtSurfaceTest() : image_(2400, 1600, QImage::Format_RGB32) {
        image_.setDotsPerMeterX(kDotsPerMetre);
        image_.setDotsPerMeterY(kDotsPerMetre);
        image_.fill(Qt::white);
        painter_.begin(&image_);
        surface_.emplace(painter_, DeviceInfo{true, kDpi, {2400, 1600}, {0, 0, 2400, 1600}});
        surface_->set_text_colour({0, 0, 0});
        surface_->select_font(surface_->create_font({"Times New Roman", -100, 400}));
    }
    ~QtSurfaceTest() override { finish(); }

    void finish() {
        surface_.reset();
        if (painter_.isActive()) painter_.end();
    }

    int line_height() const { return QFontMetrics(painter_.font(), painter_.device()).height(); }
    int measured_lines(std::string_view text, Layout layout, int width = 2000) {
        const Rect r = surface_->measure_text(text, {100, 50, 100 + width, 1500}, layout);
        return r.height() / line_height();
    }
    // The first and last rows that hold ink, or {-1, -1} for a blank page.
    std::pair<int, int> inked_rows() {
        finish();
        std::pair<int, int> rows{-1, -1};
        for (int y = 0; y < image_.height(); ++y)
            for (int x = 0; x < image_.width(); ++x)
                if (qGray(image_.pixel(x, y)) < 128) {
                    if (rows.first < 0) rows.first = y;
                    rows.second = y;
                    break;
                }
        return rows;
    }
    std::pair<int, int> inked_columns() {
        finish();
        std::pair<int, int> columns{-1, -1};
        for (int x = 0; x < image_.width(); ++x)
            for (int y = 0; y < image_.height(); ++y)
                if (qGray(image_.pixel(x, y)) < 128) {
                    if (columns.first < 0) columns.first = x;
                    columns.second = x;
                    break;
                }
        return columns;
    }

    QImage image_;
    QPainter painter_;
    std::optional<QtSurface> surface_;
};

struct LineRow {
    const char* name;
    std::string text;
    Layout layout;
    int lines;
};

void PrintTo(const LineRow& row, std::ostream* out) { *out << row.name; }

class QtSurfaceLines : public QtSurfaceTest, public testing::WithParamInterface<LineRow> {};

// Every CR LF pair is a line break, so pairs at either end make empty lines; a single
// line never breaks.
TEST_P(QtSurfaceLines, CountCrLfPairsAsLineBreaks) {
    const LineRow& row = GetParam();
    EXPECT_EQ(measured_lines(row.text, row.layout), row.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, QtSurfaceLines,
    testing::Values(LineRow{"plain_one_line", "Varnel Corp.", Layout::plain, 1},
                    LineRow{"plain_inner_pair", "Fax\r\nWeb", Layout::plain, 2},
                    LineRow{"plain_trailing_pairs", "Fax\r\nWeb\r\n\r\n", Layout::plain, 4},
                    LineRow{"flow_trailing_pair", "wait for it cool down.\r\n", Layout::flow, 2},
                    LineRow{"flow_leading_pair", "\r\nA. Measure", Layout::flow, 2},
                    LineRow{"flow_both_ends", "\r\nCombine\r\n\r\n", Layout::flow, 4},
                    LineRow{"flow_two_leading", "\r\n\r\nB. Measure", Layout::flow, 3},
                    LineRow{"flow_only_pairs", "\r\n\r\n", Layout::flow, 3},
                    LineRow{"flow_lone_line_feed", "a\nb", Layout::flow, 2},
                    LineRow{"single_line_keeps_one", "a\r\nb", Layout::single_line, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QtSurfaceTest, FlowWrapsToTheWidthAndSingleLinesDoNot) {
    const std::string text = "quick brown jumps";  // each word over 200 wide
    EXPECT_EQ(measured_lines(text, Layout::flow), 1);
    EXPECT_EQ(measured_lines(text, Layout::flow, 400), 3);  // a word to a line
    const Rect single = surface_->measure_text(text, {100, 50, 500, 1500}, Layout::single_line);
    EXPECT_EQ(single.height(), line_height());
    EXPECT_GT(single.right, 500);  // runs past the rectangle, as it is drawn
    // a word wider than the rectangle is broken inside, not left to run out
    EXPECT_GE(measured_lines("0123456789012345678901234567890123456789", Layout::flow, 500), 2);
}

TEST_F(QtSurfaceTest, MeasuresTheTextsWidthAndKeepsAFlowsWidth) {
    const int advance = QFontMetrics(painter_.font(), painter_.device()).horizontalAdvance("VNL MICR");
    const Rect single = surface_->measure_text("VNL MICR", {100, 50, 2000, 1500}, Layout::single_line);
    EXPECT_NEAR(single.width(), advance, 1);
    EXPECT_EQ(single.left, 100);
    EXPECT_EQ(single.top, 50);
    const Rect flow = surface_->measure_text("VNL MICR", {100, 50, 2000, 1500}, Layout::flow);
    EXPECT_EQ(flow.right, 2000);
}

TEST_F(QtSurfaceTest, ALeadingPairLeavesTheFirstLineEmpty) {
    const int h = line_height();
    surface_->draw_text("\r\nX", {100, 50, 2000, 1500}, Layout::flow);
    const auto [first, last] = inked_rows();
    ASSERT_GE(first, 0);
    EXPECT_GE(first, 50 + h);
    EXPECT_LT(last, 50 + 2 * h);
}

TEST_F(QtSurfaceTest, CentresALineInItsRectangle) {
    surface_->draw_text("MICR", {400, 100, 1400, 300}, Layout::centred_line);
    const auto [left, right] = inked_columns();
    ASSERT_GE(left, 0);
    EXPECT_NEAR((left + right) / 2.0, 900, 8);
}

TEST_F(QtSurfaceTest, FontsAreSizedByCharacterOrCellHeightAndWeighted) {
    const QFont body = surface_->make_font({"Times New Roman", -100, 400});
    EXPECT_EQ(body.pixelSize(), 100);
    EXPECT_EQ(body.weight(), QFont::Normal);
    EXPECT_FALSE(body.kerning());
    EXPECT_EQ(surface_->make_font({"Times New Roman", -117, 700}).weight(), QFont::Bold);
    const QFont cell = surface_->make_font({"Times New Roman", 100, 0});
    EXPECT_NEAR(QFontMetrics(cell, painter_.device()).height(), 100, 3);
    EXPECT_EQ(cell.weight(), QFont::Normal);
}

TEST_F(QtSurfaceTest, KeepsTheSelectedFontAndGivesThePaintersOwnBack) {
    const QFont own = QFont("DejaVu Sans", 9);
    surface_.reset();
    painter_.setFont(own);
    surface_.emplace(painter_, DeviceInfo{true, kDpi, {}, {}});
    const FontId bold = surface_->create_font({"Times New Roman", -100, 700});
    EXPECT_EQ(surface_->select_font(bold), 0);
    EXPECT_EQ(painter_.font().pixelSize(), 100);
    surface_->release_font(bold);  // refused: it is selected
    EXPECT_EQ(surface_->select_font(99), bold);  // no such font: nothing changes
    EXPECT_EQ(painter_.font().pixelSize(), 100);
    EXPECT_EQ(surface_->select_font(0), bold);
    EXPECT_EQ(painter_.font(), own);
    surface_->select_font(surface_->create_font({"Times New Roman", -50, 400}));
    surface_.reset();
    EXPECT_EQ(painter_.font(), own);
}

TEST(PrinterDevice, IsThePrintableAreaInDevicePixels) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(1200);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageMargins(QMarginsF(0.5, 0.25, 0.5, 0.25), QPageLayout::Inch);
    const DeviceInfo device = printer_device(printer);
    EXPECT_TRUE(device.printing);
    EXPECT_EQ(device.pixels_per_inch_y, 1200);
    EXPECT_EQ(device.page, (Size{9000, 12600}));  // 8.5 - 2 x 0.5 = 7.5 by 11 - 2 x 0.25 = 10.5 inches
}

}  // namespace
