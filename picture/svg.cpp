// SPDX-License-Identifier: MIT
#include <charconv>
#include <cmath>

#include "picture/picture.h"

namespace varnel::picture {

namespace {

// Four decimals are far finer than any printer; the form is the same in every locale.
std::string number(double v) {
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::round(v * 1e4) / 1e4);
    return ec == std::errc() ? std::string(buffer, end) : "0";
}

void escaped(std::string& out, std::string_view text) {
    for (const char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            default: out += c;
        }
    }
}

}  // namespace

std::string svg(const Picture& picture, const Scale& scale) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"";
    out += number(picture.width * scale.module_mm) + "mm\" height=\"" + number(picture.height * scale.module_mm) +
           "mm\" viewBox=\"0 0 " + number(picture.width) + ' ' + number(picture.height) + "\">\n";
    out += "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
    // One path for all bars: small files, and no hairline seams between touching bars.
    out += "<path fill=\"#000\" d=\"";
    for (const Rect& r : picture.bars)
        out += 'M' + number(r.x) + ',' + number(r.y) + 'h' + number(r.width) + 'v' + number(r.height) + 'h' +
               number(-r.width) + 'z';
    out += "\"/>\n";
    for (const Label& label : picture.labels) {
        out += "<text x=\"" + number(label.x) + "\" y=\"" + number(label.baseline) + "\" font-size=\"" +
               number(label.size) + "\" font-family=\"monospace\" text-anchor=\"middle\" xml:space=\"preserve\">";
        escaped(out, label.text);
        out += "</text>\n";
    }
    out += "</svg>\n";
    return out;
}

}  // namespace varnel::picture
