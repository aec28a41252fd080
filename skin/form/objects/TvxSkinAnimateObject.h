#pragma once

#include "tessel/skin/form/objects/TvxActiveSkinObject.h"

namespace tessel {

class TvxDataSkinAnimate;

// An animation on the frame: frames cut side by side from the active image, stepped
// forward while the mouse is over a button-style animation and back when it leaves
// (or round and round with cycle); it may carry a caption button's command.
class TvxSkinAnimateObject : public TvxActiveSkinObject {
public:
    TvxSkinAnimateObject(TvxFrameObjectHost& host, const TvxDataSkinAnimate& record);

    void Draw(TCanvas& canvas, bool update) override;
    void MouseDown(int x, int y, TMouseButtonKind button) override;
    void MouseUp(int x, int y, TMouseButtonKind button) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void DblClick() override;
    void ResetMouseState() override;

    // One tick of the 25 ms animation timer; whether the animation still runs.
    bool AnimationStep() override;
    bool Animating() const { return m_active && (!m_pressed || m_down_rect.IsEmpty()); }
    int CurrentFrame() const { return m_frame; }
    TvxFrameCommand Command() const { return m_command; }
    // Whether the object acts as a caption button of its command.
    bool ButtonStyle() const { return m_button_style; }

private:
    void StartOrDraw();

    int m_count = 1;
    bool m_cycle = false;
    bool m_button_style = false;
    int m_interval = 50;
    int m_tick = 25;
    TvxFrameCommand m_command = cmdefault;
    TRect m_down_rect;
    int m_frame = 1;
    bool m_forward = true;
    bool m_pressed = false;
};

} // namespace tessel
