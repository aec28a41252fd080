#include "tessel/platform/TTextLayout.h"

#include "tessel/platform/Utf8.h"

#include <algorithm>

namespace tessel {

namespace {

// One source line with its prefix taken out: the text and the underlined index.
struct Paragraph {
    std::u32string text;
    int underline = -1;
};

Paragraph StripPrefixes(const std::u32string& text, bool prefixes)
{
    Paragraph p;
    for (size_t i = 0; i < text.size(); ++i) {
        if (prefixes && text[i] == U'&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != U'&')
                p.underline = static_cast<int>(p.text.size());
        } else if (prefixes && text[i] == U'&') {
            continue; // a lone "&" at the end prefixes nothing
        }
        p.text.push_back(text[i]);
    }
    return p;
}

std::vector<std::u32string> SplitLines(const std::u32string& text, bool single_line)
{
    std::vector<std::u32string> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c == U'\r' || c == U'\n') {
            if (single_line)
                continue;
            if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n')
                ++i;
            lines.emplace_back();
            continue;
        }
        lines.back().push_back(c);
    }
    return lines;
}

} // namespace

TTextLayout::TTextLayout(const TTextMetrics& metrics, Advance advance)
    : m_metrics(metrics)
    , m_advance(std::move(advance))
{ }

TTextLine TTextLayout::MakeLine(std::u32string text, int underline) const
{
    TTextLine line;
    int tab = std::max(1, 8 * m_metrics.ave_char_width);
    int x = 0;
    for (char32_t c : text) {
        line.offsets.push_back(x);
        if (c == U'\t' && (m_format & DT_EXPANDTABS))
            x = (x / tab + 1) * tab;
        else
            x += m_advance(c);
    }
    line.text = std::move(text);
    line.width = x;
    line.underline = underline;
    return line;
}

int TTextLayout::Width(std::u32string_view text) const
{
    return MakeLine(std::u32string(text), -1).width;
}

void TTextLayout::Ellipsize(TTextLine& line, int width) const
{
    if (line.width <= width)
        return;
    // Keep the longest start of the line that still fits with "..." after it; the
    // first k characters end where character k starts.
    const int dots = 3 * m_advance(U'.');
    size_t keep = 0;
    while (keep + 1 < line.text.size() && line.offsets[keep + 1] + dots <= width)
        ++keep;
    std::u32string text = line.text.substr(0, keep);
    int underline = line.underline < static_cast<int>(keep) ? line.underline : -1;
    line = MakeLine(text + U"...", underline);
}

void TTextLayout::Layout(std::string_view utf8, const TRect& rect, uint32_t format)
{
    m_format = format;
    m_lines.clear();
    const bool single = format & DT_SINGLELINE;
    const bool prefixes = !(format & DT_NOPREFIX);
    const int width = rect.Width();
    for (const std::u32string& source : SplitLines(DecodeUtf8(utf8), single)) {
        Paragraph p = StripPrefixes(source, prefixes);
        if (single || !(format & DT_WORDBREAK)) {
            m_lines.push_back(MakeLine(p.text, p.underline));
            continue;
        }
        // Word breaking: take words while the line stays within the width; the
        // spaces where a line breaks belong to no line.
        size_t start = 0;
        while (true) {
            size_t end = start, fit = start;
            while (end < p.text.size()) {
                size_t word_end = end;
                while (word_end < p.text.size() && p.text[word_end] == U' ')
                    ++word_end;
                while (word_end < p.text.size() && p.text[word_end] != U' ')
                    ++word_end;
                std::u32string_view candidate(p.text.data() + start, word_end - start);
                if (fit > start && Width(candidate) > width)
                    break;
                end = fit = word_end;
            }
            std::u32string text = p.text.substr(start, fit - start);
            while (!text.empty() && text.back() == U' ')
                text.pop_back();
            int underline = p.underline >= static_cast<int>(start) && p.underline < static_cast<int>(fit)
                ? p.underline - static_cast<int>(start)
                : -1;
            if (underline >= static_cast<int>(text.size()))
                underline = -1; // it marked a space the break took away
            m_lines.push_back(MakeLine(text, underline));
            start = fit;
            while (start < p.text.size() && p.text[start] == U' ')
                ++start;
            if (start >= p.text.size())
                break;
        }
    }
    if (format & DT_END_ELLIPSIS)
        for (TTextLine& line : m_lines)
            Ellipsize(line, width);

    const int line_height = m_metrics.height;
    const int total = line_height * static_cast<int>(m_lines.size());
    int y = rect.top;
    if (single && (format & DT_VCENTER))
        y = rect.top + (rect.Height() - line_height) / 2;
    else if (single && (format & DT_BOTTOM))
        y = rect.bottom - line_height;
    int widest = 0;
    for (TTextLine& line : m_lines) {
        widest = std::max(widest, line.width);
        if (format & DT_CENTER)
            line.x = rect.left + (width - line.width) / 2;
        else if (format & DT_RIGHT)
            line.x = rect.right - line.width;
        else
            line.x = rect.left;
        line.y = y;
        y += line_height;
    }
    m_calc = { rect.left, rect.top, rect.left + widest, rect.top + total };
    m_height = (single && (format & (DT_VCENTER | DT_BOTTOM))) ? m_lines.front().y - rect.top + total : total;
}

} // namespace tessel
