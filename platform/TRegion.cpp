#include "tessel/platform/TRegion.h"

#include <utility>

namespace tessel {

namespace {

void Put32(std::vector<uint8_t>& out, int32_t v)
{
    uint32_t u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(u >> (8 * i)));
}

int32_t Get32(const uint8_t* p)
{
    return static_cast<int32_t>(
        uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

constexpr int32_t kHeaderSize = 32;
constexpr int32_t kRectangles = 1;

} // namespace

TRegion::TRegion()
{
    pixman_region32_init(&m_region);
}

TRegion::TRegion(const TRect& rect)
    : TRegion()
{
    if (!rect.IsEmpty())
        pixman_region32_union_rect(&m_region, &m_region, rect.left, rect.top,
            static_cast<unsigned>(rect.Width()), static_cast<unsigned>(rect.Height()));
}

TRegion::~TRegion()
{
    pixman_region32_fini(&m_region);
}

TRegion::TRegion(const TRegion& other)
    : TRegion()
{
    pixman_region32_copy(&m_region, &other.m_region);
}

TRegion& TRegion::operator=(const TRegion& other)
{
    if (this != &other)
        pixman_region32_copy(&m_region, &other.m_region);
    return *this;
}

TRegion::TRegion(TRegion&& other) noexcept
    : TRegion()
{
    // Both hold valid regions, so exchanging the records exchanges the regions.
    std::swap(m_region, other.m_region);
}

TRegion& TRegion::operator=(TRegion&& other) noexcept
{
    // Both hold valid regions, so exchanging the records exchanges the regions.
    std::swap(m_region, other.m_region);
    return *this;
}

TRegion TRegion::FromRects(const std::vector<TRect>& rects)
{
    std::vector<pixman_box32_t> boxes;
    for (const TRect& r : rects)
        if (!r.IsEmpty())
            boxes.push_back({ r.left, r.top, r.right, r.bottom });
    TRegion region;
    pixman_region32_fini(&region.m_region);
    pixman_region32_init_rects(&region.m_region, boxes.data(), static_cast<int>(boxes.size()));
    return region;
}

bool TRegion::FromRegionData(const void* data, size_t size, TRegion& region)
{
    region.Clear();
    auto* p = static_cast<const uint8_t*>(data);
    if (!p || size < static_cast<size_t>(kHeaderSize) || Get32(p) != kHeaderSize
        || Get32(p + 4) != kRectangles)
        return false;
    int32_t count = Get32(p + 8);
    if (count < 0 || static_cast<size_t>(count) > (size - kHeaderSize) / 16)
        return false;
    std::vector<TRect> rects;
    rects.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        const uint8_t* r = p + kHeaderSize + 16 * static_cast<size_t>(i);
        rects.push_back({ Get32(r), Get32(r + 4), Get32(r + 8), Get32(r + 12) });
    }
    region = FromRects(rects);
    return true;
}

std::vector<uint8_t> TRegion::RegionData() const
{
    std::vector<TRect> rects = Rects();
    TRect box = Box();
    std::vector<uint8_t> out;
    Put32(out, kHeaderSize);
    Put32(out, kRectangles);
    Put32(out, static_cast<int32_t>(rects.size()));
    Put32(out, 0);
    for (int32_t v : { box.left, box.top, box.right, box.bottom })
        Put32(out, v);
    for (const TRect& r : rects)
        for (int32_t v : { r.left, r.top, r.right, r.bottom })
            Put32(out, v);
    return out;
}

TRegionKind TRegion::Combine(const TRegion& a, const TRegion& b, TCombineMode mode)
{
    // The operands may be this region, so the result is built apart first.
    TRegion result;
    switch (mode) {
    case RGN_AND:
        pixman_region32_intersect(&result.m_region, &a.m_region, &b.m_region);
        break;
    case RGN_OR:
        pixman_region32_union(&result.m_region, &a.m_region, &b.m_region);
        break;
    case RGN_DIFF:
        pixman_region32_subtract(&result.m_region, &a.m_region, &b.m_region);
        break;
    case RGN_XOR: {
        TRegion both, either;
        pixman_region32_intersect(&both.m_region, &a.m_region, &b.m_region);
        pixman_region32_union(&either.m_region, &a.m_region, &b.m_region);
        pixman_region32_subtract(&result.m_region, &either.m_region, &both.m_region);
        break;
    }
    case RGN_COPY:
        pixman_region32_copy(&result.m_region, &a.m_region);
        break;
    default:
        return ERROR;
    }
    *this = std::move(result);
    return Kind();
}

void TRegion::Offset(int dx, int dy)
{
    pixman_region32_translate(&m_region, dx, dy);
}

void TRegion::Clear()
{
    pixman_region32_clear(&m_region);
}

bool TRegion::IsEmpty() const
{
    return !pixman_region32_not_empty(&m_region);
}

bool TRegion::Contains(int x, int y) const
{
    return pixman_region32_contains_point(&m_region, x, y, nullptr) != 0;
}

bool TRegion::Intersects(const TRect& rect) const
{
    if (rect.IsEmpty())
        return false;
    pixman_box32_t box { rect.left, rect.top, rect.right, rect.bottom };
    return pixman_region32_contains_rectangle(&m_region, &box) != PIXMAN_REGION_OUT;
}

TRect TRegion::Box() const
{
    if (IsEmpty())
        return {};
    const pixman_box32_t* b = pixman_region32_extents(&m_region);
    return { b->x1, b->y1, b->x2, b->y2 };
}

std::vector<TRect> TRegion::Rects() const
{
    int n = 0;
    const pixman_box32_t* boxes = pixman_region32_rectangles(&m_region, &n);
    std::vector<TRect> out;
    for (int i = 0; i < n; ++i)
        out.push_back({ boxes[i].x1, boxes[i].y1, boxes[i].x2, boxes[i].y2 });
    return out;
}

TRegionKind TRegion::Kind() const
{
    int n = pixman_region32_n_rects(&m_region);
    return n == 0 ? NULLREGION : n == 1 ? SIMPLEREGION : COMPLEXREGION;
}

bool operator==(const TRegion& a, const TRegion& b)
{
    return pixman_region32_equal(&a.m_region, &b.m_region) != 0;
}

} // namespace tessel
