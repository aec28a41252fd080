#include "tessel/platform/Raster.h"

#include "tessel/platform/TRegion.h"
#include "tessel/platform/TSurface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#if defined(__x86_64__)
#include <immintrin.h>
#endif
#include "tessel/platform/TSimd.h"

namespace tessel {

namespace {

// A run of target columns that repeat one source column.
struct TRun {
    int start, length, source;
};

#if defined(__x86_64__)
// FillRuns eight pixels a store.
__attribute__((target("avx2"))) void FillRunsAvx2(
    uint32_t* out, int n, const std::vector<TRun>& runs, const uint32_t* in)
{
    for (const TRun& run : runs) {
        int end = run.start + run.length;
        if (end + 7 <= n) {
            __m256i v = _mm256_set1_epi32(static_cast<int>(in[run.source]));
            for (int x = run.start; x < end; x += 8)
                _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x), v);
        } else {
            std::fill(out + run.start, out + end, in[run.source]);
        }
    }
}
#endif

// Writes each run's source pixel over its columns of a row n wide. Runs lie left to
// right and are written four (SSE2) or eight (AVX2) pixels a store: the last store
// of a run may spill into the runs after it, which then write over those pixels.
void FillRuns(uint32_t* out, int n, const std::vector<TRun>& runs, const uint32_t* in)
{
#if defined(__x86_64__)
    if (TSimd::Avx2()) {
        FillRunsAvx2(out, n, runs, in);
        return;
    }
    if (TSimd::Sse2()) {
        for (const TRun& run : runs) {
            int end = run.start + run.length;
            if (end + 3 <= n) {
                __m128i v = _mm_set1_epi32(static_cast<int>(in[run.source]));
                for (int x = run.start; x < end; x += 4)
                    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), v);
            } else {
                std::fill(out + run.start, out + end, in[run.source]);
            }
        }
        return;
    }
#endif
    (void)n;
    for (const TRun& run : runs)
        std::fill(out + run.start, out + run.start + run.length, in[run.source]);
}

// Calls draw for every rectangle of target within the surface bounds and the clip.
template<class Draw>
void ForEachClipRect(const TSurface& dst, const TRect& target, const TRegion* clip, Draw draw)
{
    TRect area = target.Intersect(dst.Bounds());
    if (area.IsEmpty())
        return;
    if (!clip) {
        draw(area);
        return;
    }
    TRegion visible;
    visible.Combine(*clip, TRegion(area), RGN_AND);
    for (const TRect& r : visible.Rects())
        draw(r);
}

bool Plot(TSurface& dst, int x, int y, const TRegion* clip)
{
    return x >= 0 && y >= 0 && x < dst.Width() && y < dst.Height() && (!clip || clip->Contains(x, y));
}

// The source position that destination offset d samples: floor((d + 0.5) * s / n),
// computed exactly in integers as (2d + 1) * s div 2n.
int Sample(int d, int s, int n)
{
    return static_cast<int>((2 * static_cast<int64_t>(d) + 1) * s / (2 * static_cast<int64_t>(n)));
}

// Sample(d, s, n) for d = 0, 1, ... count - 1 into out, stepping the quotient and
// remainder instead of dividing for every column.
void Samples(int* out, int count, int s, int n, int offset)
{
    const int64_t den = 2 * static_cast<int64_t>(n), step = 2 * static_cast<int64_t>(s);
    const int64_t whole = step / den, part = step % den;
    int64_t q = s / den, r = s % den; // d = 0: (2 * 0 + 1) * s
    for (int d = 0; d < count; ++d) {
        out[d] = offset + static_cast<int>(q);
        q += whole;
        r += part;
        if (r >= den) {
            r -= den;
            ++q;
        }
    }
}

} // namespace

bool Raster::BitBlt(TSurface& dst, int x, int y, int w, int h, const TSurface& src, int sx, int sy,
    uint32_t rop, const TRegion* clip)
{
    switch (rop) {
    case SRCCOPY:
    case SRCPAINT:
    case SRCAND:
    case SRCINVERT:
    case NOTSRCCOPY:
    case DSTINVERT:
    case BLACKNESS:
    case WHITENESS:
        break;
    default:
        return false;
    }
    TRect target { x, y, x + w, y + h };
    bool uses_source = rop != DSTINVERT && rop != BLACKNESS && rop != WHITENESS;
    if (uses_source)
        target = target.Intersect({ x - sx, y - sy, x - sx + src.Width(), y - sy + src.Height() });
    ForEachClipRect(dst, target, clip, [&](const TRect& r) {
        for (int row = r.top; row < r.bottom; ++row) {
            uint32_t* out = dst.ScanLine(row) + r.left;
            const uint32_t* in = uses_source ? src.ScanLine(row - y + sy) + (r.left - x + sx) : nullptr;
            int n = r.Width();
            switch (rop) {
            case SRCCOPY:
                std::memmove(out, in, static_cast<size_t>(n) * 4);
                break;
            case SRCPAINT:
                for (int i = 0; i < n; ++i)
                    out[i] |= in[i];
                break;
            case SRCAND:
                for (int i = 0; i < n; ++i)
                    out[i] &= in[i];
                break;
            case SRCINVERT:
                for (int i = 0; i < n; ++i)
                    out[i] ^= in[i];
                break;
            case NOTSRCCOPY:
                for (int i = 0; i < n; ++i)
                    out[i] = ~in[i];
                break;
            case DSTINVERT:
                for (int i = 0; i < n; ++i)
                    out[i] = ~out[i];
                break;
            case BLACKNESS:
                std::fill(out, out + n, 0xFF000000u);
                break;
            case WHITENESS:
                std::fill(out, out + n, 0xFFFFFFFFu);
                break;
            }
        }
    });
    return true;
}

void Raster::StretchBltReference(
    TSurface& dst, const TRect& to, const TSurface& src, const TRect& from, const TRegion* clip)
{
    int dw = to.Width(), dh = to.Height(), sw = from.Width(), sh = from.Height();
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0)
        return;
    for (int dy = 0; dy < dh; ++dy) {
        int y = to.top + dy;
        int syv = from.top + static_cast<int>(std::floor((dy + 0.5) * sh / dh));
        for (int dx = 0; dx < dw; ++dx) {
            int x = to.left + dx;
            int sxv = from.left + static_cast<int>(std::floor((dx + 0.5) * sw / dw));
            if (!Plot(dst, x, y, clip) || sxv < 0 || syv < 0 || sxv >= src.Width() || syv >= src.Height())
                continue;
            dst.SetPixel(x, y, src.Pixel(sxv, syv));
        }
    }
}

void Raster::StretchBlt(
    TSurface& dst, const TRect& to, const TSurface& src, const TRect& from, const TRegion* clip)
{
    int dw = to.Width(), dh = to.Height(), sw = from.Width(), sh = from.Height();
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0)
        return;
    // Column and row maps are made once; because they rise monotonically, the
    // columns that sample inside the source form one run.
    std::vector<int> xmap(static_cast<size_t>(dw));
    Samples(xmap.data(), dw, sw, dw, from.left);
    TRect target = to;
    while (target.left < target.right && xmap[static_cast<size_t>(target.left - to.left)] < 0)
        ++target.left;
    while (target.right > target.left && xmap[static_cast<size_t>(target.right - 1 - to.left)] >= src.Width())
        --target.right;
    // Widening repeats each source column over a run of target columns: those runs
    // are filled rather than gathered pixel by pixel.
    const bool widening = dw >= 2 * sw;
    std::vector<TRun> runs;
    ForEachClipRect(dst, target, clip, [&](const TRect& r) {
        const int* map = xmap.data() + (r.left - to.left);
        int n = r.Width();
        if (widening) {
            runs.clear();
            for (int i = 0; i < n;) {
                int j = i + 1;
                while (j < n && map[j] == map[i])
                    ++j;
                runs.push_back({ i, j - i, map[i] });
                i = j;
            }
        }
        int previous_row = -1, previous_source = -1;
        for (int y = r.top; y < r.bottom; ++y) {
            int sy = from.top + Sample(y - to.top, sh, dh);
            if (sy < 0 || sy >= src.Height())
                continue;
            uint32_t* out = dst.ScanLine(y) + r.left;
            const uint32_t* in = src.ScanLine(sy);
            // A row that samples the same source row as the one above, or a source row
            // whose sampled columns hold the same pixels (the flat rows of gradients and
            // bands), is a copy. Only sampled columns are compared: the source rectangle
            // may reach past the picture's sides.
            bool same = previous_source >= 0
                && (sy == previous_source
                    || std::equal(in + map[0], in + map[n - 1] + 1, src.ScanLine(previous_source) + map[0]));
            if (same) {
                std::memcpy(out, dst.ScanLine(previous_row) + r.left, static_cast<size_t>(n) * 4);
            } else if (widening) {
                FillRuns(out, n, runs, in);
            } else {
                for (int i = 0; i < n; ++i)
                    out[i] = in[map[i]];
            }
            previous_row = y;
            previous_source = sy;
        }
    });
}

void Raster::TransparentCopy(
    TSurface& dst, int x, int y, const TSurface& src, const TRect& from, uint32_t key, const TRegion* clip)
{
    TRect source = from.Intersect(src.Bounds());
    TRect target { x + source.left - from.left, y + source.top - from.top, 0, 0 };
    target.right = target.left + source.Width();
    target.bottom = target.top + source.Height();
    key &= 0xFFFFFF;
    ForEachClipRect(dst, target, clip, [&](const TRect& r) {
        for (int row = r.top; row < r.bottom; ++row) {
            uint32_t* out = dst.ScanLine(row);
            const uint32_t* in = src.ScanLine(row - target.top + source.top) + (source.left - target.left);
            for (int col = r.left; col < r.right; ++col)
                if ((in[col] & 0xFFFFFF) != key)
                    out[col] = in[col];
        }
    });
}

void Raster::FillRect(TSurface& dst, const TRect& rect, uint32_t color, const TRegion* clip)
{
    ForEachClipRect(dst, rect, clip, [&](const TRect& r) {
        for (int y = r.top; y < r.bottom; ++y)
            std::fill(dst.ScanLine(y) + r.left, dst.ScanLine(y) + r.right, color);
    });
}

void Raster::Line(TSurface& dst, int x0, int y0, int x1, int y1, uint32_t color, const TRegion* clip)
{
    int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    while (x0 != x1 || y0 != y1) {
        if (Plot(dst, x0, y0, clip))
            dst.SetPixel(x0, y0, color);
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Raster::Polyline(TSurface& dst, const TPoint* points, int count, uint32_t color, const TRegion* clip)
{
    for (int i = 1; i < count; ++i)
        Line(dst, points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, color, clip);
}

void Raster::Rectangle(TSurface& dst, const TRect& rect, uint32_t pen, uint32_t brush, const TRegion* clip)
{
    if (rect.IsEmpty())
        return;
    FillRect(dst, rect, brush, clip);
    FillRect(dst, { rect.left, rect.top, rect.right, rect.top + 1 }, pen, clip);
    FillRect(dst, { rect.left, rect.bottom - 1, rect.right, rect.bottom }, pen, clip);
    FillRect(dst, { rect.left, rect.top, rect.left + 1, rect.bottom }, pen, clip);
    FillRect(dst, { rect.right - 1, rect.top, rect.right, rect.bottom }, pen, clip);
}

} // namespace tessel
