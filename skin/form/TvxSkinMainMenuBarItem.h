#pragma once

#include "tessel/skin/data/TvxDataSkinMainMenuItem.h"
#include "tessel/skin/form/TvxMainMenuEntry.h"
#include "tessel/skin/form/TvxMenuBarObject.h"
#include "tessel/skin/form/objects/TvxFrameAnimation.h"

namespace tessel {

// A top-level entry of the main menu bar: the menu item's caption on the record's
// look (or the built-in one). Pressed, it opens its submenu below itself, or runs
// its command when it has none; while one entry's menu is open, the mouse coming
// into another opens that one's instead.
class TvxSkinMainMenuBarItem : public TvxMenuBarObject, public TvxMainMenuEntry {
public:
    TvxSkinMainMenuBarItem(TvxSkinMainMenuBar& bar, const TvxDataSkinMainMenuItem* record, TMenuItem& item);

    void Draw(TCanvas& canvas) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(TMouseButtonKind button) override;
    void MouseUp(TMouseButtonKind, bool) override { }
    // Opens (true) or closes the entry's menu look; true opens the submenu.
    void SetDown(bool down);
    // The width the caption asks for on canvas (the bar's font set on it).
    int NaturalWidth(TCanvas& canvas) const;
    // An entry past the bar's end is hidden and cannot be reached.
    bool Shown() const { return m_shown; }
    void SetShown(bool shown) { m_shown = shown; }
    const TvxDataSkinMainMenuItem* Record() const { return m_record; }
    // One tick of the bar's 25 ms animation timer: whether the frame animation still
    // runs; moved tells whether its frame changed.
    bool AnimationStep(bool& moved);

    // TvxMainMenuEntry
    TMenuItem& MenuItem() const override { return *m_item; }
    bool Reachable() const override;
    bool IsActive() const override { return m_active; }
    bool IsDown() const override { return m_down; }
    void SetActive(bool active) override;
    void Enter() override { MouseEnter(); }
    void Leave() override { MouseLeave(); }
    void Press() override { MouseDown(mbLeft); }

private:
    // The frame animation plays towards the entry's state.
    void Animate();

    const TvxDataSkinMainMenuItem* m_record;
    TvxFrameAnimation m_animation;
    TMenuItem* m_item;
    bool m_shown = true;
};

} // namespace tessel
