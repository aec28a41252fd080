#pragma once

#include "tessel/skin/controls/TvxSkinButton.h"
#include "tessel/skin/controls/TvxSkinSpeedButton.h"
#include "tessel/skin/menus/TvxSkinPopupMenu.h"

namespace tessel {

// What a drop-down button adds to a skinned button (TButton is the push button or
// the speed button): it drops its skinned popup menu and its images menu under
// itself and stays down while the menu is open (by default bound to the skin's
// "toolmenubutton" record). In track mode only the track part drops the menu and
// the rest clicks like a plain button. Tool-button and resize-button records get a
// body and an arrow part of their own; the built-in look has a down arrow in the
// arrow part.
template<class TButton> class TvxMenuButtonControl : public TButton {
public:
    static constexpr int kArrowWidth = 15;

    explicit TvxMenuButtonControl(TComponent* owner = nullptr);
    ~TvxMenuButtonControl() override;

    TvxSkinPopupMenu* SkinPopupMenu() const { return m_menu; }
    void SetSkinPopupMenu(TvxSkinPopupMenu* menu);
    TvxSkinImagesMenu* SkinImagesMenu() const { return this->m_images_menu; }
    void SetSkinImagesMenu(TvxSkinImagesMenu* menu);
    bool UseImagesMenuImage() const { return this->m_use_images_menu_image; }
    void SetUseImagesMenuImage(bool value);
    bool UseImagesMenuCaption() const { return this->m_use_images_menu_caption; }
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

protected:
    enum class TLookKind { Button, Tool, Resize };

    void Notification(TComponent* component, TOperation operation) override;
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButtonKind button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButtonKind button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void CreateDefaultImage(TBitmap& image) override;
    void CreateSkinImage(TBitmap& image) override;
    bool ShowsDownLook() const override;

    // The 15-pixel part that holds the arrow: at the right (a speed button's new
    // style may put it at the bottom).
    virtual TRect ArrowPart() const;
    TLookKind LookKind() const;
    // The menu opens: the button goes down and drops what it has.
    void Open();

private:
    void DropMenu();
    // The menu closed: the button comes up and is no longer hot.
    void Release();
    void UnhookImagesMenu();
    // A tool or resize record's look: body and arrow part, caption and marker.
    void ComposePartedLook(TBitmap& image);
    void ComposePart(TBitmap& part, const TRect& look, int width, int height);
    // The record's menu marker (or the drawn arrow) centred in box: the down, active,
    // flat or normal marker image.
    void DrawMarker(TCanvas& c, const TRect& box, TColor color, bool down, bool flat);
    // A flat speed button at rest with a tool or resize record: image, caption and
    // the flat marker on the parent's background.
    void PaintFlatParted(TBitmap& image);

    TvxSkinPopupMenu* m_menu = nullptr;
    bool m_track_button_mode = false;
    bool m_menu_open = false;
};

extern template class TvxMenuButtonControl<TvxSkinButton>;
extern template class TvxMenuButtonControl<TvxSkinSpeedButton>;

} // namespace tessel
