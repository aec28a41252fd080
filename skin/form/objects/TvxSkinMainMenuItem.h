#pragma once

#include "tessel/skin/form/TvxMainMenuEntry.h"
#include "tessel/skin/form/objects/TvxActiveSkinObject.h"
#include "tessel/skin/form/objects/TvxFrameAnimation.h"

namespace tessel {

class TCanvas;
class TvxDataSkinMainMenuItem;
class TvxMainMenuHost;

// A top-level entry of the controller's main menu, drawn in the frame from the
// skin's "mainmenuitem" record and laid out in the skin's main-menu rectangle. An
// entry that does not fit there is hidden and cannot be reached until it fits.
class TvxSkinMainMenuItem : public TvxActiveSkinObject, public TvxMainMenuEntry {
public:
    TvxSkinMainMenuItem(TvxFrameObjectHost& host, TvxMainMenuHost& menus,
        const TvxDataSkinMainMenuItem& record, TMenuItem& item);

    void Draw(TCanvas& canvas, bool update) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(int x, int y, TMouseButtonKind button) override;
    bool CanMorphing() const override;
    bool AnimationStep() override;
    void SetDown(bool down);
    // The width the caption asks for.
    int NaturalWidth() const;
    bool Shown() const { return m_shown; }
    void SetShown(bool shown);

    // TvxMainMenuEntry
    TMenuItem& MenuItem() const override { return *m_item; }
    bool Reachable() const override;
    bool IsActive() const override { return Active(); }
    bool IsDown() const override { return m_down; }
    void SetActive(bool active) override;
    void Enter() override { MouseEnter(); }
    void Leave() override { MouseLeave(); }
    void Press() override { MouseDown(0, 0, mbLeft); }

private:
    // The frame animation plays towards the entry's state.
    void Animate();

    TvxMainMenuHost& m_menus;
    const TvxDataSkinMainMenuItem& m_record;
    TMenuItem* m_item;
    TRect m_down_rect;
    TvxFrameAnimation m_animation;
    bool m_down = false;
    bool m_shown = true;
};

} // namespace tessel
