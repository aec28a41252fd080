#pragma once

#include "tessel/framework/TFont.h"
#include "tessel/skin/form/objects/TvxActiveSkinObject.h"

namespace tessel {

class TvxDataSkinLabel;

// A text on the frame over the object's normal image, or over its active image in
// the active colour while the mouse is over it.
class TvxSkinLabelObject : public TvxActiveSkinObject {
public:
    TvxSkinLabelObject(TvxFrameObjectHost& host, const TvxDataSkinLabel& record);

    void Draw(TCanvas& canvas, bool update) override;
    void MouseEnter() override;
    void MouseLeave() override;

    const std::string& Text() const { return m_text; }
    void SetText(const std::string& text);

private:
    // The object's size from rect of picture, with the text in colour.
    TBitmap Image(const TBitmap* picture, const TRect& rect, TColor color) const;
    bool ChangesOnHover() const { return !m_active_rect.IsEmpty() || m_font_color != m_active_font_color; }

    std::string m_text;
    TFont m_font;
    TColor m_font_color = 0, m_active_font_color = 0;
    TAlignment m_alignment = taCenter;
};

} // namespace tessel
