#pragma once

#include "framework/TBitmap.h"
#include "framework/TCustomForm.h"
#include "skin/controls/TvxButtonState.h"
#include "skin/controls/TvxSkinCustomControl.h"
#include "skin/draw/TvxGlyphText.h"

#include <memory>

namespace tessel {

class TImageList;
class TTimer;
class TvxDataSkinButtonControl;
class TvxSkinImagesMenu;

enum TvxButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The skinned push button, drawn from a "button" record: normal, active, down,
// focused and disabled looks, a morph between the normal and active looks, a frame
// animation, auto-repeat, groups, a glyph strip or image-list image beside the
// caption, the keyboard, and the Default and Cancel roles. OnClick fires only from
// ButtonClick. Without a record it draws its built-in look.
class TvxSkinButton : public TvxSkinCustomControl, protected TvxButtonHost {
public:
    explicit TvxSkinButton(TComponent* owner = nullptr);
    ~TvxSkinButton() override;

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
    bool CanFocused() const { return m_can_focused; }
    void SetCanFocused(bool value);
    bool Down() const { return m_state.Down(); }
    void SetDown(bool value) { m_state.SetDown(value); }
    int GroupIndex() const { return m_state.GroupIndex(); }
    void SetGroupIndex(int index);
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
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool value) { m_cancel = value; }
    bool Default() const { return m_default; }
    void SetDefault(bool value);
    // Copied to the parent form on a click.
    TModalResult ModalResult() const { return m_modal_result; }
    void SetModalResult(TModalResult result) { m_modal_result = result; }

    // The run-time state.
    bool Hot() const { return m_state.Hot(); }
    bool Pressed() const { return m_state.Pressed(); }
    double MorphFactor() const { return m_state.MorphFactor(); }
    bool DefaultActive() const { return m_default_active; }
    int AnimationFrame() const { return m_frame; }
    // The glyph cell (from 1) a look shows.
    int GlyphCell(bool active, bool down) const;

    // The one source of OnClick.
    virtual void ButtonClick();
    // The caption's accelerator was typed: take the focus and click. False when the
    // button cannot take the focus.
    virtual bool Accelerate();

    TNotifyEvent OnClick;

    const char* ClassName() const override { return "TvxSkinButton"; }

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButtonKind button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButtonKind button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void CreateDefaultImage(TBitmap& image) override;
    void CreateSkinImage(TBitmap& image) override;
    void FitSize(int& width, int& height) override;
    void UpdateRegion() override;

    // TvxButtonHost
    void ButtonRepaint() override { Invalidate(); }
    void ReleaseGroup() override;
    bool MorphingInEffect() const override;
    bool MorphTowardsActive() const override;

    const TvxDataSkinButtonControl* ButtonRecord() const;
    bool SkinEffectsOn() const;
    bool FocusedAndCanFocused() const { return m_can_focused && Focused(); }
    // Whether the down look shows: down and hot, grouped, or focused by the keyboard.
    virtual bool ShowsDownLook() const;
    // One look of the record at the button's size, with its caption and glyph.
    void ComposeLook(TBitmap& image, const TRect& rect, bool active, bool down);
    // Caption and image on a look, coloured for the flags.
    void DrawContent(TCanvas& canvas, const TRect& client, bool active, bool down, TColor color);
    TColor CaptionColor(bool active, bool down) const;

    TvxButtonState m_state;
    bool m_space_presses = true;
    // The images menu whose chosen image (and caption) the button may show; only
    // the menu button sets them.
    TvxSkinImagesMenu* m_images_menu = nullptr;
    bool m_use_images_menu_image = false;
    bool m_use_images_menu_caption = false;

private:
    void StartAnimation(bool forward);
    void StopAnimation();
    void AnimationTick();
    bool AnimationUsable() const;
    bool AnimationRunning() const;
    void FocusChanged(TControl* focus);

    TImageList* m_image_list = nullptr;
    int m_image_index = -1;
    bool m_use_skin_size = true;
    bool m_use_skin_font_color = true;
    bool m_can_focused = true;
    TBitmap m_glyph;
    int m_num_glyphs = 1;
    int m_margin = -1;
    int m_spacing = 1;
    TvxButtonLayout m_layout = blGlyphLeft;
    bool m_cancel = false;
    bool m_default = false;
    bool m_default_active = false;
    TModalResult m_modal_result = mrNone;
    int m_frame = 0;
    bool m_forward = true;
    std::unique_ptr<TTimer> m_animation_timer;
};

} // namespace tessel
