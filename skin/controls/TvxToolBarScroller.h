#pragma once

#include "tessel/platform/TRect.h"

namespace tessel {

class TCanvas;
class TvxSkinToolBar;

// The horizontal scrolling of a tool bar's children: the scroll state, the two
// 12-pixel scroll buttons in the bar's non-client area (hit codes 119 and 120), and
// the steps of the scroll timer. Buttons show while the children do not fit.
class TvxToolBarScroller {
public:
    static constexpr int kButtonWidth = 12;
    static constexpr int kLeftHit = 119, kRightHit = 120;
    enum TDirection { kNone = 0, kToStart = 1, kToEnd = 2 };

    explicit TvxToolBarScroller(TvxSkinToolBar& bar)
        : m_bar(bar)
    { }

    int Position() const { return m_position; }
    int Extent() const { return m_extent; }
    bool ButtonsShown() const { return m_left.shown; }
    bool LeftHot() const { return m_left.hot; }
    bool RightHot() const { return m_right.hot; }
    TDirection TimerDirection() const { return m_direction; }

    // The bar grew by growth pixels (0 when it shrank or kept its width).
    void SetGrowth(int growth) { m_growth = growth; }
    // Brings the scroll state up to date with the children and the client width.
    void Update();
    // One step towards the start or the end; false when it cannot move.
    bool Step(TDirection direction);
    // The client area the buttons leave, in the bar's window coordinates.
    void AdjustNonClient(TRect& client) const;
    // The rectangle children are aligned in while buttons show.
    void AdjustClientRect(TRect& rect) const;
    int HitTest(TPoint client) const;

    // Non-client mouse: over a button, press, release, leave.
    void MouseOver(int hit);
    void Press(int hit);
    void Release();
    void Leave();
    // The timer fired.
    void Tick() { Step(m_direction); }
    void StopTimer();
    void Sized();
    // Draws both buttons onto the window's whole area.
    void Paint(TCanvas& window_canvas);

private:
    struct TButton {
        bool shown = false;
        bool hot = false;
        bool pressed = false;
    };
    // A button's rectangle in the bar's window.
    TRect ButtonRect(bool left) const;
    void ShowButtons(bool shown);
    void MoveChildren(int dx);
    void StartTimer(TDirection direction);
    void PaintButton(TCanvas& canvas, const TButton& button, bool left);

    TvxSkinToolBar& m_bar;
    int m_position = 0;
    int m_applied = 0;
    int m_extent = 0;
    int m_client_width = 0;
    int m_growth = 0;
    TDirection m_direction = kNone;
    TButton m_left, m_right;
};

} // namespace tessel
