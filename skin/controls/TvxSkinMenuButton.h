#pragma once

#include "skin/controls/TvxSkinCustomControl.h"

namespace tessel {

class TvxSkinPopupMenu;

// A button that drops its skinned popup menu under itself and stays down while the
// menu is open (by default bound to the skin's "toolmenubutton" record). In track
// mode only the track part (the arrow at the right) drops the menu and the rest
// clicks. Without a record it shows the default look: a framed button with the
// caption and a down arrow in the right 15 pixels.
class TvxSkinMenuButton : public TvxSkinCustomControl {
public:
    static constexpr int kArrowWidth = 15;

    explicit TvxSkinMenuButton(TComponent* owner = nullptr);
    ~TvxSkinMenuButton() override;

    TvxSkinPopupMenu* SkinPopupMenu() const { return m_menu; }
    void SetSkinPopupMenu(TvxSkinPopupMenu* menu);
    bool TrackButtonMode() const { return m_track_button_mode; }
    void SetTrackButtonMode(bool track);
    bool UseSkinSize() const { return m_use_skin_size; }
    void SetUseSkinSize(bool use) { m_use_skin_size = use; }
    int RepeatInterval() const { return m_repeat_interval; }
    void SetRepeatInterval(int interval) { m_repeat_interval = interval; }
    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing) { m_spacing = spacing; }
    int ImageIndex() const { return m_image_index; }
    void SetImageIndex(int index) { m_image_index = index; }
    int NumGlyphs() const { return m_num_glyphs; }
    void SetNumGlyphs(int count) { m_num_glyphs = count; }

    bool Down() const { return m_down; }
    bool MenuOpen() const { return m_menu_open; }
    bool Hot() const { return m_hot; }
    // Whether a press at the client point drops the menu.
    bool InMenuPart(int x, int y) const;

    TNotifyEvent OnShowTrackMenu;
    TNotifyEvent OnHideTrackMenu;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButtonKind button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButtonKind button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void CreateDefaultImage(TBitmap& image) override;
    void CreateSkinImage(TBitmap& image) override;

private:
    void DropMenu();
    void MenuClosed();

    TvxSkinPopupMenu* m_menu = nullptr;
    bool m_track_button_mode = false;
    bool m_use_skin_size = false;
    int m_repeat_interval = 100;
    int m_spacing = 1;
    int m_image_index = -1;
    int m_num_glyphs = 1;
    bool m_down = false;
    bool m_menu_open = false;
    bool m_hot = false;
};

} // namespace tessel
