#pragma once

#include "tessel/framework/TColor.h"
#include "tessel/framework/TFont.h"
#include "tessel/skin/form/objects/TvxActiveSkinObject.h"
#include "tessel/skin/form/objects/TvxFrameAnimation.h"

namespace tessel {

class TvxDataSkinCaption;

// The caption: the form's title (or a text of its own) over a background cut from
// the frame's band it lies in, with light and shadow, morphing between its normal
// and active looks. Over a caption the window is moved.
class TvxSkinCaptionObject : public TvxActiveSkinObject {
public:
    TvxSkinCaptionObject(TvxFrameObjectHost& host, const TvxDataSkinCaption& record);

    void Draw(TCanvas& canvas, bool update) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void ResetMouseState() override { }

    bool DefaultCaption() const { return m_default_caption; }
    void SetDefaultCaption(bool value) { m_default_caption = value; }
    std::string Text() const;
    void SetText(const std::string& text) { m_text = text; }
    // The text's rectangle in object coordinates: the record's, grown with the
    // object; the whole object when the record gives none.
    TRect TextRect() const;

    // The caption animation runs only with the store's skin effects on.
    bool HasAnimation() const;
    // Sets the animation's first frame for the form's activation.
    void StartAnimation(bool active);
    // One tick of the 25 ms animation timer; whether the animation still runs.
    bool AnimationStep() override;
    const TvxFrameAnimation& Animation() const { return m_animation; }

private:
    struct TLook {
        TColor font, light, shadow;
        const TRect* frame;
    };
    TLook Look(bool active) const;
    // The background of the object's size from rect of picture.
    TBitmap Background(const TBitmap* picture, const TRect& rect) const;
    // The text at origin + the text rectangle, in the look of the state.
    void DrawText(TCanvas& canvas, TPoint origin, bool active) const;
    void DrawImage(TCanvas& canvas, TBitmap& image) const;

    bool m_default_caption = false;
    std::string m_text;
    TRect m_text_rect;
    TFont m_font;
    TColor m_font_color = 0, m_active_font_color = 0;
    TAlignment m_alignment = taCenter;
    bool m_shadow = false, m_light = false;
    TColor m_shadow_color = 0, m_active_shadow_color = 0, m_light_color = 0, m_active_light_color = 0;
    TRect m_frame_rect, m_active_frame_rect, m_frame_text_rect;
    int m_frame_left_offset = 0, m_frame_right_offset = 0;
    bool m_full_frame = false;
    bool m_stretch = false;
    TvxFrameAnimation m_animation;
};

} // namespace tessel
