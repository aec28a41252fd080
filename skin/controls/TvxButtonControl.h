#pragma once

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TImageList.h"
#include "tessel/skin/controls/TvxButtonState.h"
#include "tessel/skin/controls/TvxSkinCustomControl.h"
#include "tessel/skin/data/TvxDataSkinButtonControl.h"
#include "tessel/skin/draw/TvxGlyphText.h"

#include <memory>

namespace tessel {

class TTimer;
class TvxSkinImagesMenu;

enum TvxButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// What every skinned button shows and how the mouse drives it, on a windowed
// (TvxSkinCustomControl) or a window-less (TvxGraphicSkinCustomControl) base: the
// record's normal, active, down, focused and disabled looks, the morph between the
// normal and active looks, the frame animation, a glyph strip or image-list image
// beside the caption, and the shared button state (hover, press, groups, repeat).
// The push button adds focus and keys, the speed button its flat look.
template<class TBase> class TvxButtonControl : public TBase, protected TvxButtonHost {
public:
    explicit TvxButtonControl(TComponent* owner = nullptr);
    ~TvxButtonControl() override;

    TImageList* ImageList() const { return m_image_list; }
    void SetImageList(TImageList* list);
    int ImageIndex() const { return m_image_index; }
    void SetImageIndex(int index);
    bool UseSkinSize() const { return m_use_skin_size; }
    void SetUseSkinSize(bool value);
    bool UseSkinFontColor() const { return m_use_skin_font_color; }
    void SetUseSkinFontColor(bool value);
    bool RepeatMode() const { return m_state.RepeatMode(); }
    void SetRepeatMode(bool value) { m_state.SetRepeatMode(value); }
    int RepeatInterval() const { return m_state.RepeatInterval(); }
    void SetRepeatInterval(int ms) { m_state.SetRepeatInterval(ms); }
    bool AllowAllUp() const { return m_state.AllowAllUp(); }
    void SetAllowAllUp(bool value) { m_state.SetAllowAllUp(value); }
    bool Down() const { return m_state.Down(); }
    void SetDown(bool value) { m_state.SetDown(value); }
    int GroupIndex() const { return m_state.GroupIndex(); }
    void SetGroupIndex(int index) { m_state.SetGroupIndex(index); }
    const TBitmap& Glyph() const { return m_glyph; }
    void SetGlyph(const TBitmap& glyph);
    int NumGlyphs() const { return m_num_glyphs; }
    void SetNumGlyphs(int count);
    int Margin() const { return m_margin; }
    void SetMargin(int margin);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing);
    TvxButtonLayout Layout() const { return m_layout; }
    void SetLayout(TvxButtonLayout layout);

    // The run-time state.
    bool Hot() const { return m_state.Hot(); }
    bool Pressed() const { return m_state.Pressed(); }
    double MorphFactor() const { return m_state.MorphFactor(); }
    int AnimationFrame() const { return m_frame; }
    // The glyph cell (from 1) a look shows.
    int GlyphCell(bool active, bool down) const;

    // The one source of OnClick.
    virtual void ButtonClick();
    // The framework's own click (a press and release) is not the button's: the
    // button's state machine clicks through ButtonClick.
    void Click() override { }

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButtonKind button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButtonKind button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void CreateDefaultImage(TBitmap& image) override;
    void CreateSkinImage(TBitmap& image) override;
    void FitSize(int& width, int& height) override;

    // TvxButtonHost
    void ButtonRepaint() override { this->Invalidate(); }
    void ReleaseGroup() override;
    bool MorphingInEffect() const override;
    bool MorphTowardsActive() const override;

    const TvxDataSkinButtonControl* ButtonRecord() const;
    bool SkinEffectsOn() const;
    // Focused and taking the focus: only a windowed button ever is.
    virtual bool FocusedAndCanFocused() const { return false; }
    // Whether the down look shows: down and hot, grouped, or focused by the keyboard.
    virtual bool ShowsDownLook() const;
    // Whether entering and leaving start the animation and the morph.
    virtual bool HoverAnimates() const;
    // Whether leaving keeps the hot flag (a default button's highlight).
    virtual bool KeepsHotOnLeave() const { return false; }
    // Whether the caption is drawn.
    virtual bool CaptionShown() const { return true; }
    // UseSkinSize changed: a windowed button takes or drops the record's mask.
    virtual void ShapeChanged() { }
    // One look of the record at the button's size, with its caption and glyph.
    void ComposeLook(TBitmap& image, const TRect& rect, bool active, bool down);
    // Caption and image on a look, coloured for the flags.
    void DrawContent(TCanvas& canvas, const TRect& client, bool active, bool down, TColor color);
    TColor CaptionColor(bool active, bool down) const;
    void StartAnimation(bool forward);
    void StopAnimation();
    bool AnimationRunning() const;

    TvxButtonState m_state;
    // The images menu whose chosen image (and caption) the button may show; only
    // the menu buttons set them.
    TvxSkinImagesMenu* m_images_menu = nullptr;
    bool m_use_images_menu_image = false;
    bool m_use_images_menu_caption = false;

private:
    void AnimationTick();
    bool AnimationUsable() const;

    TImageList* m_image_list = nullptr;
    int m_image_index = -1;
    bool m_use_skin_size = true;
    bool m_use_skin_font_color = true;
    TBitmap m_glyph;
    int m_num_glyphs = 1;
    int m_margin = -1;
    int m_spacing = 1;
    TvxButtonLayout m_layout = blGlyphLeft;
    int m_frame = 0;
    bool m_forward = true;
    std::unique_ptr<TTimer> m_animation_timer;
};

extern template class TvxButtonControl<TvxSkinCustomControl>;
extern template class TvxButtonControl<TvxGraphicSkinCustomControl>;

} // namespace tessel
