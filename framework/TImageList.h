#pragma once

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TComponent.h"

#include <vector>

namespace tessel {

class TCanvas;

// Pictures of one size kept in order, each with a mask of the pixels it covers.
// Drawn enabled they show as they are; disabled, as the platform greys a picture:
// its shape in the highlight colour one pixel down and right, then in the shadow
// colour.
class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner = nullptr, int width = 16, int height = 16);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Changing the size empties the list.
    void SetSize(int width, int height);
    int Count() const { return static_cast<int>(m_images.size()); }

    // Adds an image (cut or padded to the list's size); pixels where mask is
    // black are covered, a missing mask covers all. Returns its index.
    int Add(const TBitmap& image, const TBitmap* mask = nullptr);
    // Pixels of the given colour are left out.
    int AddMasked(const TBitmap& image, TColor mask_color);
    void Delete(int index);
    void Clear() { m_images.clear(); }

    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
    // The image on a bitmap of the list's size, uncovered pixels in clBtnFace.
    bool GetBitmap(int index, TBitmap& bitmap) const;

    const char* ClassName() const override { return "TImageList"; }

private:
    struct Image {
        TBitmap pixels;
        std::vector<bool> covered;
    };

    int m_width;
    int m_height;
    std::vector<Image> m_images;
};

} // namespace tessel
