// SPDX-License-Identifier: MIT
#include "calibration_app/qt_surface.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QString>
#include <QTextLayout>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <vector>

namespace varnel::trueline {

namespace {

// One line as laid out: its text and how far it reaches.
struct Line {
    QString text;
    qreal width = 0;
};

// The text between line breaks. A CR LF pair is one break; a lone CR or LF breaks too,
// as in a Windows text. The pieces keep empty lines at either end.
std::vector<QString> paragraphs(std::string_view text) {
    std::vector<QString> out(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out.emplace_back();
        } else {
            out.back() += QChar(static_cast<unsigned char>(c));  // the page's texts are Latin-1
        }
    }
    return out;
}

// Breaks a paragraph at word boundaries to the width, and inside a word only when the word
// alone is wider, as a multi-line edit control does.
void wrap(const QString& paragraph, const QFont& font, QPaintDevice* device, qreal width, std::vector<Line>& out) {
    if (paragraph.isEmpty()) {
        out.push_back({});
        return;
    }
    QTextLayout layout(paragraph, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        out.push_back({paragraph.mid(line.textStart(), line.textLength()), line.naturalTextWidth()});
    }
    layout.endLayout();
}

std::vector<Line> lay_out(std::string_view text, const QFont& font, QPaintDevice* device, int width, Layout layout) {
    const QFontMetricsF metrics(font, device);
    std::vector<Line> lines;
    if (layout == Layout::single_line || layout == Layout::centred_line) {
        const QString line = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
        lines.push_back({line, metrics.horizontalAdvance(line)});
        return lines;
    }
    for (const QString& paragraph : paragraphs(text)) {
        if (layout == Layout::flow)
            wrap(paragraph, font, device, std::max(width, 1), lines);
        else
            lines.push_back({paragraph, metrics.horizontalAdvance(paragraph)});
    }
    return lines;
}

int ceil_to_int(qreal value) { return static_cast<int>(std::ceil(value)); }

}  // namespace

DeviceInfo screen_device(const QWidget& window) {
    const QRect r = window.rect();
    return {false, window.logicalDpiY(), {r.width(), r.height()}, {r.left(), r.top(), r.right() + 1, r.bottom() + 1}};
}

DeviceInfo printer_device(const QPaintDevice& printer) {
    // A printer's painter starts at the top left of the printable area; width and height
    // are that area's size in device pixels.
    return {true, printer.logicalDpiY(), {printer.width(), printer.height()}, {0, 0, printer.width(), printer.height()}};
}

QtSurface::QtSurface(QPainter& painter, const DeviceInfo& device)
    : painter_(painter), device_(device), own_font_(painter.font()) {}

QtSurface::~QtSurface() { painter_.setFont(own_font_); }

void QtSurface::set_text_colour(Rgb colour) { painter_.setPen(QColor(colour.red, colour.green, colour.blue)); }

QFont QtSurface::make_font(const FontRequest& wanted) const {
    QFont font(QString::fromUtf8(wanted.face.data(), static_cast<qsizetype>(wanted.face.size())));
    // A pitch is what the page measures: no kerning between the characters.
    font.setKerning(false);
    font.setWeight(wanted.weight > 0 ? static_cast<QFont::Weight>(std::clamp(wanted.weight, 1, 1000)) : QFont::Normal);
    if (wanted.height < 0) {
        font.setPixelSize(-wanted.height);  // the em square: the character height
    } else if (wanted.height > 0) {
        // a cell height: scale the em square so that ascent plus descent come to it
        font.setPixelSize(wanted.height);
        const qreal cell = QFontMetricsF(font, painter_.device()).height();
        if (cell > 0) font.setPixelSize(std::max(1, static_cast<int>(std::lround(wanted.height * wanted.height / cell))));
    }
    return font;
}

FontId QtSurface::create_font(const FontRequest& wanted) {
    fonts_.emplace(next_id_, make_font(wanted));
    return next_id_++;
}

FontId QtSurface::select_font(FontId font) {
    const auto it = fonts_.find(font);
    if (font != 0 && it == fonts_.end()) return selected_;  // no such font: nothing changes
    painter_.setFont(font == 0 ? own_font_ : it->second);
    return std::exchange(selected_, font);
}

void QtSurface::release_font(FontId font) {
    if (font != selected_) fonts_.erase(font);
}

Rect QtSurface::measure_text(std::string_view text, const Rect& rect, Layout layout) {
    const QFont& font = painter_.font();
    const std::vector<Line> lines = lay_out(text, font, painter_.device(), rect.width(), layout);
    qreal widest = 0;
    for (const Line& line : lines) widest = std::max(widest, line.width);
    const int line_height = QFontMetrics(font, painter_.device()).height();
    // A flow text keeps its width, so that drawing breaks its lines where measuring did.
    const int right = layout == Layout::flow ? rect.right : rect.left + ceil_to_int(widest);
    return {rect.left, rect.top, right, rect.top + line_height * static_cast<int>(lines.size())};
}

void QtSurface::draw_text(std::string_view text, const Rect& rect, Layout layout) {
    const QFont& font = painter_.font();
    const QFontMetrics metrics(font, painter_.device());
    int top = rect.top;
    for (const Line& line : lay_out(text, font, painter_.device(), rect.width(), layout)) {
        const qreal x = layout == Layout::centred_line ? rect.left + (rect.width() - line.width) / 2 : rect.left;
        if (!line.text.isEmpty()) painter_.drawText(QPointF(x, top + metrics.ascent()), line.text);
        top += metrics.height();
    }
}

}  // namespace varnel::trueline
