#pragma once

#include "tessel/framework/TImageList.h"
#include "tessel/skin/controls/TvxCentringHost.h"
#include "tessel/skin/controls/TvxSkinPanel.h"
#include "tessel/skin/controls/TvxToolBarScroller.h"
#include "tessel/skin/data/TvxDataSkinButtonControl.h"

namespace tessel {

// The skinned tool bar, by default bound to the skin's "toolpanel" record: a panel
// that always composes one whole image, keeps its children centred vertically in its
// inner area (AdjustControls), can change its width with its speed buttons' captions
// (ShowCaptions), and, with CanScroll, scrolls children that do not fit with two
// 12-pixel buttons in its non-client area (the skin's "resizebutton" look, or a
// plain one).
class TvxSkinToolBar : public TvxSkinPanel, public TvxCentringHost {
public:
    explicit TvxSkinToolBar(TComponent* owner = nullptr);
    ~TvxSkinToolBar() override;

    bool AdjustControls() const { return m_adjust_controls; }
    void SetAdjustControls(bool adjust);
    bool ShowCaptions() const { return m_show_captions; }
    void SetShowCaptions(bool show);
    bool AutoShowHideCaptions() const { return m_auto_show_hide_captions; }
    void SetAutoShowHideCaptions(bool automatic) { m_auto_show_hide_captions = automatic; }
    int WidthWithCaptions() const { return m_width_with_captions; }
    void SetWidthWithCaptions(int width) { m_width_with_captions = width; }
    int WidthWithoutCaptions() const { return m_width_without_captions; }
    void SetWidthWithoutCaptions(int width) { m_width_without_captions = width; }
    bool Flat() const { return m_flat; }
    void SetFlat(bool flat) { m_flat = flat; }
    TImageList* Images() const { return m_images; }
    void SetImages(TImageList* images) { SetReference(m_images, images); }
    TImageList* HotImages() const { return m_hot_images; }
    void SetHotImages(TImageList* images) { SetReference(m_hot_images, images); }
    TImageList* DisabledImages() const { return m_disabled_images; }
    void SetDisabledImages(TImageList* images) { SetReference(m_disabled_images, images); }

    bool CanScroll() const { return m_can_scroll; }
    void SetCanScroll(bool can_scroll);
    bool HotScroll() const { return m_hot_scroll; }
    void SetHotScroll(bool hot_scroll) { m_hot_scroll = hot_scroll; }
    int ScrollOffset() const { return m_scroll_offset; }
    // Values below 0 are ignored.
    void SetScrollOffset(int offset);
    int ScrollTimerInterval() const { return m_scroll_timer_interval; }
    // Values of 0 or less are ignored.
    void SetScrollTimerInterval(int ms);
    const TvxToolBarScroller& Scroller() const { return m_scroller; }
    // The skin's "resizebutton" record while the bar has a record, else null.
    const TvxDataSkinButtonControl* ScrollButtonRecord() const;
    // Repaints the scroll buttons in the non-client area.
    void PaintScrollButtons();

    bool CentresChildren(TRect& inner) const override;
    void AdjustClientRect(TRect& rect) const override;
    void SetBounds(int left, int top, int width, int height) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void Dispatch(TMessage& message) override;
    void CreateSkinImage(TBitmap& image) override;

private:
    bool m_adjust_controls = true;
    bool m_show_captions = false;
    bool m_auto_show_hide_captions = false;
    int m_width_with_captions = 0;
    int m_width_without_captions = 0;
    bool m_flat = false;
    TImageList* m_images = nullptr;
    TImageList* m_hot_images = nullptr;
    TImageList* m_disabled_images = nullptr;
    bool m_can_scroll = false;
    bool m_hot_scroll = false;
    int m_scroll_offset = 0;
    int m_scroll_timer_interval = 50;
    TvxToolBarScroller m_scroller { *this };
};

} // namespace tessel
