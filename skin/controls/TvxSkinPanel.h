#pragma once

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TImageList.h"
#include "tessel/skin/controls/TvxPanelCaption.h"
#include "tessel/skin/controls/TvxSkinCustomControl.h"
#include "tessel/skin/data/TvxDataSkinPanelControl.h"

namespace tessel {

enum TvxSkinBorderStyle { bvFrame = 0, bvRaised = 1, bvLowered = 2, bvNone = 3 };

// The skinned container, by default bound to the skin's "panel" record. It paints
// border-only (the frame composed, the client repeated straight onto the screen),
// lays its children out in the record's client area, and can show a caption bar
// with text, a glyph or an image-list image, a check box (checked mode, which can
// enable and disable its children) and a roll-up arrow (roll-up mode, which folds it
// to its caption), or be transparent over its parent's image. Without a record it
// has a default look: the BorderStyle border on a button-face fill and, in caption
// mode, a caption bar of DefaultCaptionHeight.
class TvxSkinPanel : public TvxSkinCustomControl {
public:
    explicit TvxSkinPanel(TComponent* owner = nullptr);

    TvxSkinBorderStyle BorderStyle() const { return m_border_style; }
    void SetBorderStyle(TvxSkinBorderStyle style);
    int DefaultCaptionHeight() const { return m_default_caption_height; }
    void SetDefaultCaptionHeight(int height);
    TAlignment DefaultAlignment() const { return m_default_alignment; }
    void SetDefaultAlignment(TAlignment alignment);
    bool CaptionMode() const { return m_caption_mode; }
    void SetCaptionMode(bool caption_mode);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing);
    TvxImagePosition ImagePosition() const { return m_image_position; }
    void SetImagePosition(TvxImagePosition position);
    TImageList* CaptionImageList() const { return m_caption_image_list; }
    void SetCaptionImageList(TImageList* list);
    int CaptionImageIndex() const { return m_caption_image_index; }
    void SetCaptionImageIndex(int index);
    const TBitmap& Glyph() const { return m_glyph; }
    void SetGlyph(const TBitmap& glyph);
    int NumGlyphs() const { return m_num_glyphs; }
    void SetNumGlyphs(int count);
    bool TransparentMode() const { return m_transparent_mode; }
    void SetTransparentMode(bool transparent);
    bool CheckedMode() const { return m_checked_mode; }
    void SetCheckedMode(bool checked_mode);
    bool Checked() const { return m_checked; }
    void SetChecked(bool checked);
    bool AutoEnabledControls() const { return m_auto_enabled_controls; }
    void SetAutoEnabledControls(bool automatic) { m_auto_enabled_controls = automatic; }
    bool RollUpMode() const { return m_roll_up_mode; }
    void SetRollUpMode(bool roll_up_mode);
    bool RollUpState() const { return m_roll_up_state; }
    void SetRollUpState(bool rolled_up);
    // The height to return to when unrolled; -1 while not rolled up.
    int RealHeight() const { return m_real_height; }
    // Where a click toggles the check box or the roll-up (control coordinates).
    const TRect& CaptionHitRect() const { return m_caption_rect; }

    void AdjustClientRect(TRect& rect) const override;
    void ChangeSkinData() override;
    void SetBounds(int left, int top, int width, int height) override;

    TNotifyEvent OnChecked;
    TNotifyEvent OnChangeRollUpState;

protected:
    void CreateParams(TCreateParams& params) override;
    void Notification(TComponent* component, TOperation operation) override;
    void Dispatch(TMessage& message) override;
    void MouseUp(TMouseButtonKind button, TShiftState shift, int x, int y) override;
    void Paint() override;
    void CreateDefaultImage(TBitmap& image) override;
    void CreateSkinImage(TBitmap& image) override;
    // Drawn last by the transparent paints, for descendants.
    virtual void PaintExtra(TCanvas&) { }
    // The panel record bound now, or null.
    const TvxDataSkinPanelControl* PanelRecord() const;
    TvxPanelCaptionContent CaptionContent() const;
    // The caption's font: the record's (UseSkinFont) or DefaultFont.
    void SetCaptionFont(TCanvas& canvas, const TvxDataSkinPanelControl* record) const;

private:
    void LayoutChanged();
    void ApplyRollUp();
    void PaintTransparent(const TvxDataSkinPanelControl& record);
    // The background picture or the flat look, straight onto the screen.
    void PaintOnScreen(const TvxDataSkinPanelControl& record);
    TColor LineColor() const;

    TvxSkinBorderStyle m_border_style = bvFrame;
    int m_default_caption_height = 22;
    TAlignment m_default_alignment = taLeftJustify;
    bool m_caption_mode = false;
    int m_spacing = 2;
    TvxImagePosition m_image_position = vxipDefault;
    TImageList* m_caption_image_list = nullptr;
    int m_caption_image_index = -1;
    TBitmap m_glyph;
    int m_num_glyphs = 1;
    bool m_transparent_mode = false;
    bool m_checked_mode = false;
    bool m_checked = false;
    bool m_auto_enabled_controls = true;
    bool m_roll_up_mode = false;
    bool m_roll_up_state = false;
    int m_real_height = -1;
    TRect m_caption_rect;
};

} // namespace tessel
