// SPDX-License-Identifier: MIT
// A drawing surface that records what the renderer asks of it. Text is measured with fixed
// metrics: each character is half the font height wide and each line 5/4 of it high, and
// CR LF pairs are line breaks (a pair at either end makes an empty line).
#pragma once

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calibration_app/drawing_surface.h"

namespace test {

struct RecordedFont {
    std::string face;
    int height = 0;
    int weight = 0;
    friend bool operator==(const RecordedFont&, const RecordedFont&) = default;
};

struct TextCall {
    bool draw = false;  // false: measure
    std::string text;
    varnel::trueline::Rect rect;
    varnel::trueline::Layout layout{};
    RecordedFont font;
    friend bool operator==(const TextCall&, const TextCall&) = default;
};

class RecordingSurface : public varnel::trueline::DrawingSurface {
public:
    int dpi = 96;
    bool printing = false;
    varnel::trueline::Size page_size{5100, 6600};
    varnel::trueline::Rect client{0, 0, 800, 600};

    std::vector<TextCall> calls;
    std::vector<RecordedFont> created;
    std::vector<std::string> faults;  // misuse of fonts or of the context
    bool align_set = false, colour_set = false;
    varnel::trueline::Rgb colour{255, 255, 255};

    int pixels_per_inch_y() const override { return dpi; }
    bool is_printing() const override { return printing; }
    varnel::trueline::Size device_page_size() const override { return page_size; }
    varnel::trueline::Rect client_rect() const override { return client; }

    void set_text_align(varnel::trueline::TextAlign) override { align_set = true; }
    void set_text_colour(varnel::trueline::Rgb c) override { colour = c, colour_set = true; }

    varnel::trueline::FontId create_font(const varnel::trueline::FontRequest& wanted) override {
        created.push_back({std::string(wanted.face), wanted.height, wanted.weight});
        live_[next_id_] = created.back();
        return next_id_++;
    }
    varnel::trueline::FontId select_font(varnel::trueline::FontId font) override {
        if (font != 0 && !live_.contains(font)) faults.push_back("selected a font that does not exist");
        return std::exchange(selected_, font);
    }
    void release_font(varnel::trueline::FontId font) override {
        if (font == selected_) faults.push_back("released the selected font");
        if (live_.erase(font) == 0) faults.push_back("released a font that does not exist");
    }

    varnel::trueline::Rect measure_text(std::string_view text, const varnel::trueline::Rect& rect, varnel::trueline::Layout layout) override {
        record(false, text, rect, layout);
        const int h = std::abs(selected_font().height);
        int lines = 1, longest = 0, run = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (layout != varnel::trueline::Layout::single_line && layout != varnel::trueline::Layout::centred_line &&
                text.substr(i, 2) == "\r\n") {
                ++lines, ++i, run = 0;
                continue;
            }
            longest = std::max(longest, ++run);
        }
        const int right = layout == varnel::trueline::Layout::flow ? rect.right : rect.left + longest * h / 2;
        return {rect.left, rect.top, right, rect.top + lines * line_height(h)};
    }
    void draw_text(std::string_view text, const varnel::trueline::Rect& rect, varnel::trueline::Layout layout) override {
        if (!align_set || !colour_set) faults.push_back("drew before setting alignment and colour");
        record(true, text, rect, layout);
    }

    static int line_height(int font_height) { return std::abs(font_height) * 5 / 4; }

    std::vector<TextCall> draws() const {
        std::vector<TextCall> out;
        std::copy_if(calls.begin(), calls.end(), std::back_inserter(out), [](const TextCall& c) { return c.draw; });
        return out;
    }
    std::size_t live_fonts() const { return live_.size(); }
    varnel::trueline::FontId selected() const { return selected_; }

private:
    RecordedFont selected_font() const {
        const auto it = live_.find(selected_);
        return it == live_.end() ? RecordedFont{"System", -16, 400} : it->second;
    }
    void record(bool draw, std::string_view text, const varnel::trueline::Rect& rect, varnel::trueline::Layout layout) {
        calls.push_back({draw, std::string(text), rect, layout, selected_font()});
    }

    std::map<varnel::trueline::FontId, RecordedFont> live_;
    varnel::trueline::FontId next_id_ = 1;
    varnel::trueline::FontId selected_ = 0;
};

}  // namespace test
