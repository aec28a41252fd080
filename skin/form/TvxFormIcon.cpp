#include "tessel/skin/form/TvxFormIcon.h"

#include "tessel/framework/TApplication.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TCustomForm.h"
#include "tessel/platform/TDefaultIcon.h"

#include <algorithm>

namespace tessel {

namespace {

constexpr uint32_t kSeeThrough = 0xFFFF00FF;
constexpr TColor kSeeThroughColor = 0xFF00FF;

} // namespace

const TBitmap& TvxFormIcon::Small(const TCustomForm& form, TPoint size)
{
    TBitmap source;
    if (!form.Icon().Empty())
        source = form.Icon();
    else if (!Application().Icon().Empty())
        source = Application().Icon();
    else
        source.Surface() = TDefaultIcon::Application();
    if (!m_small.Empty() && m_small.Width() == size.x && m_small.Height() == size.y && source == m_source)
        return m_small;
    m_source = source;
    m_small = TBitmap(size.x, size.y);
    m_small.Canvas().StretchDraw({ 0, 0, size.x, size.y }, source);
    // An icon with an alpha channel lets the frame show through its see-through
    // pixels: they become the bitmap's transparent colour. A picture whose alpha is
    // zero throughout has none (24-bit pictures are read so) and is opaque.
    const TSurface& from = source.Surface();
    bool has_alpha = std::any_of(from.Data(), from.Data() + static_cast<size_t>(from.Width()) * from.Height(),
        [](uint32_t p) { return (p >> 24) != 0; });
    if (!has_alpha)
        return m_small;
    TSurface& pixels = m_small.Surface();
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x)
            if ((pixels.Pixel(x, y) >> 24) < 0x80)
                pixels.SetPixel(x, y, kSeeThrough);
    m_small.SetTransparentColor(kSeeThroughColor);
    m_small.SetTransparentMode(tmFixed);
    m_small.SetTransparent(true);
    return m_small;
}

} // namespace tessel
