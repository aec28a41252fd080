#pragma once

#include "skin/controls/TvxSkinButton.h"

namespace tessel {

class TvxSkinPopupMenu;

// A skin button that drops its skinned popup menu and its images menu under itself
// and stays down while the menu is open (by default bound to the skin's
// "toolmenubutton" record). In track mode only the track part drops the menu and
// the rest clicks like a plain button. Tool-button and resize-button records get a
// body and an arrow part of their own; without a record the built-in look has a
// down arrow in the right 15 pixels.
class TvxSkinMenuButton : public TvxSkinButton {
public:
    static constexpr int kArrowWidth = 15;

    explicit TvxSkinMenuButton(TComponent* owner = nullptr);
    ~TvxSkinMenuButton() override;

    TvxSkinPopupMenu* SkinPopupMenu() const { return m_menu; }
    void SetSkinPopupMenu(TvxSkinPopupMenu* menu);
    TvxSkinImagesMenu* SkinImagesMenu() const { return m_images_menu; }
    void SetSkinImagesMenu(TvxSkinImagesMenu* menu);
    bool UseImagesMenuImage() const { return m_use_images_menu_image; }
    void SetUseImagesMenuImage(bool value);
    bool UseImagesMenuCaption() const { return m_use_images_menu_caption; }
    void SetUseImagesMenuCaption(bool value);
    bool TrackButtonMode() const { return m_track_button_mode; }
    void SetTrackButtonMode(bool track);

    // A press or key dropped a menu that has not closed yet.
    bool MenuOpen() const { return m_menu_open; }
    // The part that drops the menu in track mode, in client coordinates (empty:
    // never hit).
    TRect TrackPart() const;
    // Whether a press at the client point drops the menu.
    bool InMenuPart(int x, int y) const;

    TNotifyEvent OnShowTrackMenu;
    TNotifyEvent OnHideTrackMenu;

    const char* ClassName() const override { return "TvxSkinMenuButton"; }

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButtonKind button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButtonKind button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void CreateDefaultImage(TBitmap& image) override;
    void CreateSkinImage(TBitmap& image) override;
    bool ShowsDownLook() const override;
    bool Accelerate() override;

private:
    enum class TLookKind { Button, Tool, Resize };

    TLookKind LookKind() const;
    // The menu opens: the button goes down and drops what it has.
    void Open();
    void DropMenu();
    // The menu closed: the button comes up and is no longer hot.
    void Release();
    void UnhookImagesMenu();
    // A tool or resize record's look: body and arrow part, caption and marker.
    void ComposePartedLook(TBitmap& image);
    void ComposePart(TBitmap& part, const TRect& look, int width, int height);

    TvxSkinPopupMenu* m_menu = nullptr;
    bool m_track_button_mode = false;
    bool m_menu_open = false;
};

} // namespace tessel
