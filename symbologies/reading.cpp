// SPDX-License-Identifier: MIT
#include "symbologies/reading.h"

namespace varnel {

std::vector<std::size_t> read_frame(std::string_view s, const Frame& frame, Reading& out) {
    auto in = [](std::string_view set, char c) { return set.find(c) != std::string_view::npos; };
    std::size_t begin = 0, end = s.size();
    if (!s.empty() && in(frame.starts, s[0])) {
        out.glyph(0, GlyphRole::Start, s[0]);
        begin = 1;
    } else {
        out.fault(ReadFaultKind::NoStart, kNowhere, 0, frame.starts.empty() ? 0 : frame.starts[0]);
    }
    bool stopped = false;
    std::size_t partial = 0;  // how much of the stop run stands at the end
    if (!frame.stop_run.empty()) {
        stopped = s.size() >= begin + frame.stop_run.size() && s.ends_with(frame.stop_run);
        if (stopped) end = s.size() - frame.stop_run.size();
        // A run cut short still ends the symbol where it stands: the rest of it is missing.
        for (std::size_t n = frame.stop_run.size() - 1; !stopped && n > 0; --n)
            if (s.size() >= begin + n && s.ends_with(frame.stop_run.substr(0, n))) {
                end = s.size() - n;
                partial = n;
                break;
            }
    } else if (s.size() > begin && in(frame.stops, s.back())) {
        stopped = true;
        end = s.size() - 1;
    }
    out.framed = begin == 1 || end < s.size();

    const std::string_view closers = frame.stop_run.empty() ? frame.stops : frame.stop_run;
    std::vector<std::size_t> inner;
    for (std::size_t i = begin; i < end; ++i) {
        const char c = s[i];
        if (in(frame.starts, c) || in(closers, c))
            out.fault(ReadFaultKind::Misplaced, i, c);
        else if (!frame.is_glyph(static_cast<unsigned char>(c)))
            out.fault(ReadFaultKind::NotInFont, i, c);
        else
            inner.push_back(i);
    }
    for (std::size_t i = end; i < s.size(); ++i) out.glyph(i, GlyphRole::Stop, s[i]);
    if (!stopped) {
        out.fault(ReadFaultKind::NoStop, kNowhere, 0, closers.empty() ? 0 : closers[partial]);
    }
    return inner;
}

}  // namespace varnel
