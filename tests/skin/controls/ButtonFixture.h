#pragma once

#include "tessel/skin/controls/TvxSkinButton.h"
#include "tests/skin/form/FormFixture.h"

#include <vector>

namespace tessel::test {

// Buttons on a skinned form, pressed and released with the injected mouse, their
// pixels read back from the window.
class ButtonFixture : public FormFixture {
protected:
    // A button of that class on a 400 x 300 form with the demo skin, its clicks
    // recorded with their time.
    template<class TButton> TButton& AddButton(TRect bounds, bool skinned = true)
    {
        if (!form) {
            MakeForm({ 0, 0, 400, 300 });
            LoadSkin();
        }
        auto& b = Add<TButton>(*form, bounds);
        if (skinned)
            b.SetSkinData(store);
        b.OnClick = [this, &b](TComponent*) { clicks.push_back({ &b, clock->NowMs() }); };
        return b;
    }
    TPoint At(TControl& c, int x, int y) { return c.ClientToScreen({ x, y }); }
    void Press(TControl& c, int x = 10, int y = 10)
    {
        wm.Input().MouseMove(At(c, x, y));
        wm.Input().MouseDown(TMouseButton::Left, At(c, x, y));
        Pump();
    }
    void Release(TControl& c, int x = 10, int y = 10)
    {
        wm.Input().MouseMove(At(c, x, y));
        wm.Input().MouseUp(TMouseButton::Left, At(c, x, y));
        Pump();
    }
    void Click(TControl& c)
    {
        Pump(600); // no double click with the one before
        Press(c);
        Release(c);
    }
    // Alt with a letter key, as a keyboard sends it.
    void AltKey(char upper)
    {
        wm.Input().KeyDown(VK_MENU);
        wm.Input().KeyDown(static_cast<uint16_t>(upper));
        wm.Input().Char(static_cast<uint32_t>(upper - 'A' + 'a'));
        wm.Input().KeyUp(static_cast<uint16_t>(upper));
        wm.Input().KeyUp(VK_MENU);
        Pump();
    }
    // The button's pixels as the window shows them.
    TBitmap Image(TControl& b)
    {
        b.Repaint();
        Pump();
        TPoint o = b.ClientToScreen({ 0, 0 });
        TRect f = wm.GetWindowRect(form->Handle());
        return Shot({ o.x - f.left, o.y - f.top, o.x - f.left + b.Width(), o.y - f.top + b.Height() });
    }
    static bool Same(const TBitmap& a, const TBitmap& b)
    {
        return Same(a, b, { 0, 0, a.Width(), a.Height() });
    }
    // The same pixels inside r.
    static bool Same(const TBitmap& a, const TBitmap& b, const TRect& r)
    {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if ((a.Pixel(x, y) & 0xFFFFFF) != (b.Pixel(x, y) & 0xFFFFFF))
                    return false;
        return true;
    }
    struct TClick {
        TControl* button;
        uint64_t at;
    };
    std::vector<TClick> clicks;
};

} // namespace tessel::test
