#pragma once

#include "tessel/platform/TRect.h"
#include "tessel/skin/data/SkinEnums.h"

#include <cstdint>
#include <random>
#include <vector>

namespace tessel {

class TBitmap;
class TDeviceContext;

// A 24-bit pixel buffer on which the skin engine computes its effects: blends and
// morphs of two images, the inactive looks of a frame, a vertical flip. Rows run top
// down, three bytes a pixel (blue, green, red), each row padded to four bytes.
// Channel arithmetic is in floating point, rounded half to even and clamped to
// 0 ... 255. A two-image effect does nothing unless both images have one size.
class TvxEffectBmp {
public:
    // An uninitialised (here: black) width x height buffer.
    TvxEffectBmp(int width, int height);
    explicit TvxEffectBmp(const TBitmap& bitmap);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Bytes per row: width * 3 + width mod 4.
    int RowLength() const { return m_row; }
    uint8_t* ScanLine(int y) { return m_bytes.data() + static_cast<size_t>(y) * static_cast<size_t>(m_row); }
    const uint8_t* ScanLine(int y) const
    {
        return m_bytes.data() + static_cast<size_t>(y) * static_cast<size_t>(m_row);
    }
    // Pixels as colours 0x00BBGGRR; 0 outside the buffer, and setting there does nothing.
    uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, uint32_t color);
    void CopyRowOut(int y, uint8_t* out) const;
    void CopyRowIn(int y, const uint8_t* in);
    // Puts the whole buffer on dc with its top-left at (x, y).
    void Draw(TDeviceContext& dc, int x, int y) const;
    // The buffer as a 24-bit bitmap.
    TBitmap ToBitmap() const;

    void Blend(const TvxEffectBmp& other, double k);
    // Inside rect of this: (1 - k) this + k other, other read from (first_col,
    // first_row) on. Points of other outside it are left out.
    void BlendRect(const TvxEffectBmp& other, const TRect& rect, int first_row, int first_col, double k);
    void Gradient(const TvxEffectBmp& other, double k);
    void LeftGradient(const TvxEffectBmp& other, double k);
    void RightGradient(const TvxEffectBmp& other, double k);
    void LeftSlide(const TvxEffectBmp& other, double k);
    void RightSlide(const TvxEffectBmp& other, double k);
    void Push(const TvxEffectBmp& other, double k);
    // The morph of a skin's morphkind.
    void Morph(TvxMorphKind kind, const TvxEffectBmp& other, double k);

    void Brightness(double k);
    void Darkness(double k);
    void Grayscale();
    void Invert();
    void Noise(int range);
    void SplitBlur(int amount);
    // The look of an inactive frame by the skin's inactiveeffect.
    void InactiveEffect(TvxInactiveEffect effect);
    // other's row H - 1 - y := this row y.
    void FlipVertical(TvxEffectBmp& other) const;

private:
    bool SameSize(const TvxEffectBmp& other) const
    {
        return other.m_width == m_width && other.m_height == m_height;
    }
    // Replaces every channel byte c of every pixel by map(c).
    template<class Map> void MapChannels(Map map)
    {
        for (int y = 0; y < m_height; ++y) {
            uint8_t* row = ScanLine(y);
            for (int i = 0; i < 3 * m_width; ++i)
                row[i] = map(row[i]);
        }
    }
    // Mixes pixel x of row a with pixel bx of row b: (1 - w) a + w b, into out.
    static void Mix(const uint8_t* a, const uint8_t* b, double w, uint8_t* out);
    void HorizontalGradient(const TvxEffectBmp& other, double k);
    void VerticalGradient(const TvxEffectBmp& other, double k);

    int m_width = 0;
    int m_height = 0;
    int m_row = 0;
    std::vector<uint8_t> m_bytes;
    std::minstd_rand m_random { 1 };
};

} // namespace tessel
