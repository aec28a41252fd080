#pragma once

#include "tessel/framework/TFont.h"
#include "tessel/skin/controls/TvxGraphicSkinControl.h"
#include "tessel/skin/controls/TvxSkinControl.h"
#include "tessel/skin/controls/TvxSkinLook.h"

namespace tessel {

// The custom level of the skinned controls (TSkinBase is TvxSkinControl or
// TvxGraphicSkinControl): it knows the standard control record, so it sizes itself
// from the skin (a strip keeps its height or width, a fixed look both), composes its
// image from the record's picture, and, without a record, takes DefaultWidth and
// DefaultHeight and draws a button-face rectangle. DefaultFont and UseSkinFont are
// for descendants that draw text.
template<class TSkinBase> class TvxSkinCustomBase : public TSkinBase {
public:
    explicit TvxSkinCustomBase(TComponent* owner = nullptr);

    TFont& DefaultFont() { return m_default_font; }
    const TFont& DefaultFont() const { return m_default_font; }
    void SetDefaultFont(const TFont& font);
    bool UseSkinFont() const { return m_use_skin_font; }
    void SetUseSkinFont(bool use) { m_use_skin_font = use; }
    int DefaultWidth() const { return m_default_width; }
    void SetDefaultWidth(int width);
    int DefaultHeight() const { return m_default_height; }
    void SetDefaultHeight(int height);

    void RefreshRecord() override;
    void ChangeSkinData() override;
    const TvxSkinLook& Look() const { return m_look; }

protected:
    // After DefaultFont changed.
    virtual void FontChanged() { }
    void CreateDefaultImage(TBitmap& image) override;
    void CreateSkinImage(TBitmap& image) override;
    void FitSize(int& width, int& height) override { m_look.Target(width, height); }
    int RecordCursorIndex() const override { return m_look.CursorIndex(); }

    // Painting of large controls: only the frame is composed and the client is
    // repeated straight onto the screen (set by the panel).
    bool m_border_only = false;
    // Whether the border-only paint draws the client piece.
    bool m_draw_client = true;
    TvxSkinLook m_look;

private:
    TFont m_default_font;
    bool m_use_skin_font = true;
    int m_default_width = 0;
    int m_default_height = 0;
};

extern template class TvxSkinCustomBase<TvxSkinControl>;
extern template class TvxSkinCustomBase<TvxGraphicSkinControl>;

} // namespace tessel
