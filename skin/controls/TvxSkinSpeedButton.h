#pragma once

#include "tessel/skin/controls/TvxButtonControl.h"

namespace tessel {

// The window-less skinned button for tool bars (by default the "toolbutton"
// record): the looks, morph, glyphs, groups and repeat of every skinned button,
// never the focus or the keyboard; a flat look that at rest shows only the image
// and caption on the parent's background, and a caption that can be hidden (with
// a width for each case).
class TvxSkinSpeedButton : public TvxButtonControl<TvxGraphicSkinCustomControl> {
public:
    explicit TvxSkinSpeedButton(TComponent* owner = nullptr);

    bool Flat() const { return m_flat; }
    void SetFlat(bool value);
    bool ShowCaption() const { return m_show_caption; }
    void SetShowCaption(bool value);
    int WidthWithCaption() const { return m_width_with_caption; }
    void SetWidthWithCaption(int width) { m_width_with_caption = width; }
    int WidthWithoutCaption() const { return m_width_without_caption; }
    void SetWidthWithoutCaption(int width) { m_width_without_caption = width; }

    const char* ClassName() const override { return "TvxSkinSpeedButton"; }

protected:
    void Dispatch(TMessage& message) override;
    void CreateDefaultImage(TBitmap& image) override;
    void CreateSkinImage(TBitmap& image) override;
    bool HoverAnimates() const override;
    bool CaptionShown() const override { return m_show_caption; }
    // Flat and at rest: nothing but image and caption shows.
    bool AtRestFlat() const;
    // The caption's colour when flat and at rest.
    TColor FlatCaptionColor() const;
    // Image and caption on the parent's background.
    void PaintFlat(TBitmap& image, TColor color);

private:
    bool m_flat = false;
    bool m_show_caption = true;
    int m_width_with_caption = 0;
    int m_width_without_caption = 0;
};

} // namespace tessel
