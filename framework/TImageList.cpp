#include "tessel/framework/TImageList.h"

#include "tessel/framework/TCanvas.h"
#include "tessel/platform/TDeviceContext.h"

namespace tessel {

TImageList::TImageList(TComponent* owner, int width, int height)
    : TComponent(owner)
    , m_width(width)
    , m_height(height)
{ }

void TImageList::SetSize(int width, int height)
{
    m_width = width;
    m_height = height;
    m_images.clear();
}

int TImageList::Add(const TBitmap& image, const TBitmap* mask)
{
    Image entry;
    entry.pixels = TBitmap(m_width, m_height, TPixelFormat::pf32bit);
    entry.covered.assign(static_cast<size_t>(m_width * m_height), false);
    for (int y = 0; y < m_height && y < image.Height(); ++y)
        for (int x = 0; x < m_width && x < image.Width(); ++x) {
            entry.pixels.SetPixel(x, y, image.Pixel(x, y) | 0xFF000000);
            bool covered
                = !mask || (x < mask->Width() && y < mask->Height() && (mask->Pixel(x, y) & 0xFFFFFF) == 0);
            entry.covered[static_cast<size_t>(y * m_width + x)] = covered;
        }
    m_images.push_back(std::move(entry));
    return Count() - 1;
}

int TImageList::AddMasked(const TBitmap& image, TColor mask_color)
{
    TBitmap mask(image.Width(), image.Height());
    uint32_t key = ColorToArgb(mask_color) & 0xFFFFFF;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            mask.SetPixel(x, y, (image.Pixel(x, y) & 0xFFFFFF) == key ? 0xFFFFFFFF : 0xFF000000);
    return Add(image, &mask);
}

void TImageList::Delete(int index)
{
    if (index >= 0 && index < Count())
        m_images.erase(m_images.begin() + index);
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const
{
    if (index < 0 || index >= Count() || !canvas.Handle())
        return;
    const Image& image = m_images[static_cast<size_t>(index)];
    TDeviceContext& dc = *canvas.Handle();
    auto each_covered = [&](auto&& put) {
        for (int py = 0; py < m_height; ++py)
            for (int px = 0; px < m_width; ++px)
                if (image.covered[static_cast<size_t>(py * m_width + px)])
                    put(px, py);
    };
    if (enabled) {
        each_covered([&](int px, int py) { dc.SetPixel(x + px, y + py, image.pixels.Pixel(px, py)); });
        return;
    }
    // The greyed look keeps the darker pixels of the picture as its shape.
    auto dark = [&](int px, int py) {
        uint32_t p = image.pixels.Pixel(px, py);
        int luma = (((p >> 16) & 0xFF) * 30 + ((p >> 8) & 0xFF) * 59 + (p & 0xFF) * 11) / 100;
        return luma < 192;
    };
    uint32_t highlight = ColorToArgb(clBtnHighlight), shadow = ColorToArgb(clBtnShadow);
    each_covered([&](int px, int py) {
        if (dark(px, py))
            dc.SetPixel(x + px + 1, y + py + 1, highlight);
    });
    each_covered([&](int px, int py) {
        if (dark(px, py))
            dc.SetPixel(x + px, y + py, shadow);
    });
}

bool TImageList::GetBitmap(int index, TBitmap& bitmap) const
{
    if (index < 0 || index >= Count())
        return false;
    bitmap = TBitmap(m_width, m_height, TPixelFormat::pf24bit);
    bitmap.Fill(ColorToArgb(clBtnFace));
    Draw(bitmap.Canvas(), 0, 0, index);
    return true;
}

} // namespace tessel
