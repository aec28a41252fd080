#include "tessel/platform/TDeviceContext.h"

#include "tessel/platform/TSurface.h"

namespace tessel {

TDeviceContext::TDeviceContext(TSurface& surface)
    : m_surface(surface)
    , m_limit(surface.Bounds())
    , m_clip(surface.Bounds())
{ }

TDeviceContext::TDeviceContext(TSurface& surface, TPoint origin, TRegion visible, Release release)
    : m_surface(surface)
    , m_origin(origin)
    , m_limit(visible)
    , m_clip(std::move(visible))
    , m_release(std::move(release))
{ }

TDeviceContext::~TDeviceContext()
{
    if (m_release)
        m_release(m_clip);
}

TRect TDeviceContext::ToSurface(const TRect& r) const
{
    return { r.left + m_origin.x, r.top + m_origin.y, r.right + m_origin.x, r.bottom + m_origin.y };
}

TRect TDeviceContext::ClipBox() const
{
    TRect box = m_clip.Box();
    return { box.left - m_origin.x, box.top - m_origin.y, box.right - m_origin.x, box.bottom - m_origin.y };
}

void TDeviceContext::IntersectClipRect(const TRect& rect)
{
    m_clip.Combine(m_clip, TRegion(ToSurface(rect)), RGN_AND);
}

void TDeviceContext::IntersectClipRgn(const TRegion& region)
{
    TRegion moved = region;
    moved.Offset(m_origin.x, m_origin.y);
    m_clip.Combine(m_clip, moved, RGN_AND);
}

void TDeviceContext::ExcludeClipRect(const TRect& rect)
{
    m_clip.Combine(m_clip, TRegion(ToSurface(rect)), RGN_DIFF);
}

void TDeviceContext::SelectClipRgn(const TRegion* region)
{
    m_clip = m_limit;
    if (region)
        IntersectClipRgn(*region);
}

void TDeviceContext::OffsetOrigin(int dx, int dy)
{
    m_origin.x += dx;
    m_origin.y += dy;
}

bool TDeviceContext::BitBlt(int x, int y, int w, int h, const TSurface& src, int sx, int sy, uint32_t rop)
{
    return Raster::BitBlt(m_surface, x + m_origin.x, y + m_origin.y, w, h, src, sx, sy, rop, &m_clip);
}

void TDeviceContext::StretchBlt(const TRect& to, const TSurface& src, const TRect& from)
{
    Raster::StretchBlt(m_surface, ToSurface(to), src, from, &m_clip);
}

void TDeviceContext::TransparentCopy(int x, int y, const TSurface& src, const TRect& from, uint32_t key)
{
    Raster::TransparentCopy(m_surface, x + m_origin.x, y + m_origin.y, src, from, key, &m_clip);
}

void TDeviceContext::FillRect(const TRect& rect, uint32_t color)
{
    Raster::FillRect(m_surface, ToSurface(rect), color, &m_clip);
}

void TDeviceContext::Line(int x0, int y0, int x1, int y1, uint32_t color)
{
    Raster::Line(
        m_surface, x0 + m_origin.x, y0 + m_origin.y, x1 + m_origin.x, y1 + m_origin.y, color, &m_clip);
}

void TDeviceContext::Polyline(const TPoint* points, int count, uint32_t color)
{
    std::vector<TPoint> moved(points, points + count);
    for (TPoint& p : moved) {
        p.x += m_origin.x;
        p.y += m_origin.y;
    }
    Raster::Polyline(m_surface, moved.data(), count, color, &m_clip);
}

void TDeviceContext::Rectangle(const TRect& rect, uint32_t pen, uint32_t brush)
{
    Raster::Rectangle(m_surface, ToSurface(rect), pen, brush, &m_clip);
}

uint32_t TDeviceContext::GetPixel(int x, int y) const
{
    x += m_origin.x;
    y += m_origin.y;
    if (x < 0 || y < 0 || x >= m_surface.Width() || y >= m_surface.Height())
        return 0;
    return m_surface.Pixel(x, y);
}

void TDeviceContext::SetPixel(int x, int y, uint32_t color)
{
    x += m_origin.x;
    y += m_origin.y;
    if (x >= 0 && y >= 0 && x < m_surface.Width() && y < m_surface.Height() && m_clip.Contains(x, y))
        m_surface.SetPixel(x, y, color);
}

} // namespace tessel
