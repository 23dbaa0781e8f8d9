// SPDX-License-Identifier: MIT
// The drawing surface over a QPainter, for a window on the screen and for a QPrinter.
// Coordinates are the painter's device pixels; fonts are sized in the same pixels.
#pragma once

#include <QFont>
#include <QPainter>

#include <map>
#include <string_view>

#include "calibration_app/drawing_surface.h"

class QPaintDevice;
class QWidget;

namespace varnel::trueline {

// What the renderer may ask about the device a painter draws on.
struct DeviceInfo {
    bool printing = false;
    int pixels_per_inch_y = 96;
    Size page;    // printable area in pixels
    Rect client;  // the window's client rectangle
};

DeviceInfo screen_device(const QWidget& window);
// A printer, or a PDF writer: a page.
DeviceInfo printer_device(const QPaintDevice& printer);

class QtSurface final : public DrawingSurface {
public:
    QtSurface(QPainter& painter, const DeviceInfo& device);
    QtSurface(const QtSurface&) = delete;
    QtSurface& operator=(const QtSurface&) = delete;
    ~QtSurface() override;

    int pixels_per_inch_y() const override { return device_.pixels_per_inch_y; }
    bool is_printing() const override { return device_.printing; }
    Size device_page_size() const override { return device_.page; }
    Rect client_rect() const override { return device_.client; }

    // Text always hangs from the top left of its line box: left and top, the only alignment.
    void set_text_align(TextAlign) override {}
    void set_text_colour(Rgb colour) override;

    FontId create_font(const FontRequest& wanted) override;
    FontId select_font(FontId font) override;
    void release_font(FontId font) override;

    Rect measure_text(std::string_view text, const Rect& rect, Layout layout) override;
    void draw_text(std::string_view text, const Rect& rect, Layout layout) override;

    // The font a description asks for on this painter's device.
    QFont make_font(const FontRequest& wanted) const;

private:
    QPainter& painter_;
    DeviceInfo device_;
    QFont own_font_;  // the painter's font when it was handed over: font 0
    std::map<FontId, QFont> fonts_;
    FontId next_id_ = 1;
    FontId selected_ = 0;
};

}  // namespace varnel::trueline
