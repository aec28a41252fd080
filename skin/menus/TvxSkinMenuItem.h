#pragma once

#include "tessel/framework/TMenuItem.h"
#include "tessel/platform/TRect.h"
#include "tessel/skin/data/TvxDataSkinMenuItem.h"

namespace tessel {

class TvxSkinPopupWindow; // complete in <tessel/skin/menus/TvxSkinPopupWindow.h>

// One shown entry of a popup menu window: the framework item it stands for, where
// it lies, whether it is highlighted or has its submenu open, and the state of its
// morph and frame animation.
class TvxSkinMenuItem {
public:
    TvxSkinMenuItem(TvxSkinPopupWindow& window, TMenuItem& item);

    TvxSkinPopupWindow& Window() const { return m_window; }
    TMenuItem& MenuItem() const { return m_item; }
    // A line between groups: the caption "-".
    bool Separator() const;
    // A title among the items: disabled, its caption between dashes.
    bool Header() const;
    // The mouse and keys may stop on it.
    bool Selectable() const;

    const TRect& ItemRect() const { return m_rect; }
    void SetItemRect(const TRect& rect) { m_rect = rect; }
    bool Active() const { return m_active; }
    void SetActive(bool active) { m_active = active; }
    bool Open() const { return m_open; }
    void SetOpen(bool open) { m_open = open; }
    bool InView() const { return m_in_view; }
    void SetInView(bool in_view) { m_in_view = in_view; }
    bool Preselected() const { return m_preselected; }
    void SetPreselected(bool value) { m_preselected = value; }

    // The effects the record allows with the store's skin effects on.
    bool CanMorph() const;
    bool CanAnimate() const;
    double MorphFactor() const { return m_morph; }
    int Frame() const { return m_frame; }
    void SetFrame(int frame) { m_frame = frame; }
    // An animation frame (1 .. frame count) is the one to draw.
    bool ShowsFrame() const;
    // The morph's target: the active look for an active or open item.
    double Target() const { return m_active || m_open ? 1.0 : 0.0; }
    // One tick of the item effect timer; whether anything changed.
    bool EffectStep();

private:
    const TvxDataSkinMenuItem* Record() const;
    bool Effects() const;

    TvxSkinPopupWindow& m_window;
    TMenuItem& m_item;
    TRect m_rect;
    bool m_active = false;
    bool m_open = false;
    bool m_in_view = false;
    bool m_preselected = false;
    double m_morph = 0;
    int m_frame = 0;
};

} // namespace tessel
