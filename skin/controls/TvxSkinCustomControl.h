#pragma once

#include "framework/TFont.h"
#include "skin/controls/TvxSkinControl.h"

namespace tessel {

// The level of the skinned controls that know the standard control record: their
// default font and size for when there is no record, and the default look, a
// button-face fill.
class TvxSkinCustomControl : public TvxSkinControl {
public:
    explicit TvxSkinCustomControl(TComponent* owner = nullptr);

    TFont& DefaultFont() { return m_default_font; }
    void SetDefaultFont(const TFont& font);
    bool UseSkinFont() const { return m_use_skin_font; }
    void SetUseSkinFont(bool use) { m_use_skin_font = use; }
    int DefaultWidth() const { return m_default_width; }
    void SetDefaultWidth(int width) { m_default_width = width; }
    int DefaultHeight() const { return m_default_height; }
    void SetDefaultHeight(int height) { m_default_height = height; }

    void ChangeSkinData() override;

protected:
    void CreateDefaultImage(TBitmap& image) override;
    virtual void FontChanged() { Invalidate(); }

private:
    TFont m_default_font;
    bool m_use_skin_font = true;
    int m_default_width = 0;
    int m_default_height = 0;
};

} // namespace tessel
