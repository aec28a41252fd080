#include "tessel/framework/ShortCuts.h"
#include "tessel/framework/TMainMenu.h"
#include "tessel/framework/TMenuItem.h"
#include "tessel/skin/form/TvxMagnet.h"
#include "tessel/skin/form/TvxVeneer.h"
#include "tessel/skin/form/objects/TvxActiveSkinObject.h"
#include "tessel/skin/hint/TvxSkinHint.h"
#include "tessel/skin/hint/TvxSkinHintWindow.h"
#include "tessel/skin/menus/TvxSkinMenu.h"
#include "tests/skin/form/FormFixture.h"

using namespace tessel;

namespace {

class FormBehaviourTest : public test::FormFixture {
protected:
    // Presses at a window point, moves the mouse to others in turn, releases at the last.
    void Drag(TPoint from, std::initializer_list<TPoint> through)
    {
        Pump(1000); // no double click with the press before
        TPoint at = Screen(from.x, from.y);
        wm.Input().MouseMove(at);
        wm.Input().MouseDown(TMouseButton::Left, at);
        Pump();
        for (TPoint p : through) {
            at = { at.x + p.x, at.y + p.y };
            wm.Input().MouseMove(at);
            Pump();
        }
        wm.Input().MouseUp(TMouseButton::Left, at);
        Pump();
    }
    // A point of the window's shape within 8 pixels of near whose hit code is code.
    TPoint Grip(int code, TPoint near) const
    {
        const TRegion* shape = wm.GetWindowRgn(Hwnd());
        for (int dy = -8; dy <= 8; ++dy)
            for (int dx = -8; dx <= 8; ++dx) {
                TPoint p { near.x + dx, near.y + dy };
                if ((!shape || shape->Contains(p.x, p.y)) && HitAt(p.x, p.y) == code)
                    return p;
            }
        ADD_FAILURE() << "no point with code " << code << " near " << near.x << "," << near.y;
        return near;
    }
};

} // namespace

// An edge within 9 pixels of the area's edge sticks to it; it lets go once the cursor
// has gone more than 10 pixels on, and the right and bottom edges stick the same way.
TEST_F(FormBehaviourTest, MagneticEdgesSnapAndLetGo)
{
    TvxMagnet magnet;
    const TRect area { 0, 0, 1000, 700 };
    const TPoint size { 200, 100 };
    magnet.Remember({ 500, 300 });
    EXPECT_EQ(magnet.Snap({ 50, 50 }, size, area, { 500, 300 }, 10), (TPoint { 50, 50 }));
    EXPECT_EQ(magnet.Snap({ 9, 50 }, size, area, { 459, 300 }, 10), (TPoint { 0, 50 })) << "9 away: sticks";
    EXPECT_EQ(magnet.Snap({ 4, 50 }, size, area, { 454, 300 }, 10), (TPoint { 0, 50 })) << "5 on: held";
    EXPECT_EQ(magnet.Snap({ -1, 50 }, size, area, { 449, 300 }, 10), (TPoint { 0, 50 })) << "10 on: held";
    EXPECT_EQ(magnet.Snap({ -2, 50 }, size, area, { 448, 300 }, 10), (TPoint { -11, 50 }))
        << "11 on: follows the cursor";
    EXPECT_FALSE(TvxMagnet().Snap({ 10, 50 }, size, area, { 0, 0 }, 10) == (TPoint { 0, 50 }))
        << "10 away is not near";
    TvxMagnet corner;
    EXPECT_EQ(corner.Snap({ 795, 595 }, size, area, { 0, 0 }, 10), (TPoint { 800, 600 }));
    EXPECT_TRUE(corner.Snapped());
    corner.Clear();
    EXPECT_FALSE(corner.Snapped());

    // Dragging the caption of a Magnetic form to 9 pixels from the work area's left.
    MakeSkinnedForm({ 100, 100, 700, 500 });
    veneer->SetMagnetic(true);
    Drag({ 300, 10 }, { { -50, 0 }, { -41, 0 } });
    EXPECT_EQ(form->Left(), 0) << "snapped";
    EXPECT_EQ(form->Top(), 100);
    Drag({ 300, 10 }, { { -5, 0 } });
    EXPECT_EQ(form->Left(), 0) << "a small pull stays";
    Drag({ 300, 10 }, { { 150, 40 } });
    EXPECT_EQ(form->BoundsRect(), (TRect { 150, 140, 750, 540 }));
    // Without Magnetic the form goes where it is dragged.
    veneer->SetMagnetic(false);
    Drag({ 300, 10 }, { { -145, 0 } });
    EXPECT_EQ(form->Left(), 5);
}

// Sizing by the borders and corners keeps the limits: the skin's minimum, MaxWidth and
// MaxHeight; a minimum above the maximum or a maximum below the frame never traps it.
TEST_F(FormBehaviourTest, SizingByTheBordersKeepsTheLimits)
{
    MakeSkinnedForm({ 100, 100, 700, 500 });
    auto corner = [&](int code) {
        int w = form->Width(), h = form->Height();
        switch (code) {
        case HTTOPLEFT:
            return Grip(code, { 0, 0 });
        case HTTOPRIGHT:
            return Grip(code, { w - 1, 0 });
        case HTBOTTOMLEFT:
            return Grip(code, { 0, h - 1 });
        case HTBOTTOMRIGHT:
            return Grip(code, { w - 1, h - 1 });
        case HTLEFT:
            return Grip(code, { 1, h / 2 });
        case HTRIGHT:
            return Grip(code, { w - 2, h / 2 });
        case HTTOP:
            return Grip(code, { w / 2, 1 });
        default:
            return Grip(code, { w / 2, h - 2 });
        }
    };
    // Each corner and edge moves its own sides by the drag and keeps the others.
    struct TCase {
        int code;
        TRect expected;
    };
    const TCase cases[] = { { HTBOTTOMRIGHT, { 100, 100, 750, 530 } }, { HTTOPLEFT, { 80, 90, 750, 530 } },
        { HTTOPRIGHT, { 80, 80, 760, 530 } }, { HTBOTTOMLEFT, { 60, 80, 760, 540 } },
        { HTLEFT, { 50, 80, 760, 540 } }, { HTRIGHT, { 50, 80, 770, 540 } }, { HTTOP, { 50, 60, 770, 540 } },
        { HTBOTTOM, { 50, 60, 770, 560 } } };
    const TPoint moves[] = { { 50, 30 }, { -20, -10 }, { 10, -10 }, { -20, 10 }, { -10, 0 }, { 10, 0 },
        { 0, -20 }, { 0, 20 } };
    for (size_t i = 0; i < std::size(cases); ++i) {
        Drag(corner(cases[i].code), { moves[i] });
        EXPECT_EQ(form->BoundsRect(), cases[i].expected) << "code " << cases[i].code;
    }
    TRect before = form->BoundsRect();
    Drag(corner(HTLEFT), { { 900, 0 } });
    EXPECT_EQ(form->Width(), 170) << "the skin's minimum width";
    EXPECT_EQ(form->BoundsRect().right, before.right);
    Drag(corner(HTTOP), { { 0, 900 } });
    EXPECT_EQ(form->Height(), 25) << "the frame's height";
    Drag(corner(HTBOTTOM), { { 0, 200 } });
    Drag(corner(HTRIGHT), { { 200, 0 } });
    EXPECT_EQ(form->Height(), 225);
    veneer->SetMaxWidth(400);
    veneer->SetMaxHeight(300);
    Drag(corner(HTBOTTOMRIGHT), { { 600, 600 } });
    EXPECT_EQ(form->Width(), 400);
    EXPECT_EQ(form->Height(), 300);
    // Minimum above maximum: the larger wins, no crash.
    veneer->SetMinWidth(500);
    veneer->SetMaxWidth(200);
    veneer->SetMaxHeight(10);
    TPoint least = veneer->MinimumSize();
    EXPECT_EQ(least.x, 500) << "the picture is narrower than MinWidth";
    EXPECT_EQ(veneer->MaximumSize().x, 200);
    Drag(corner(HTBOTTOMRIGHT), { { -300, -300 } });
    EXPECT_GE(form->Width(), least.x);
    EXPECT_GE(form->Height(), 25);
    // Not Sizeable: no border codes; the caption's double click rolls up.
    veneer->SetSizeable(false);
    for (TPoint p : { TPoint { 1, 1 }, TPoint { 1, 20 }, TPoint { form->Width() - 1, form->Height() - 1 } }) {
        int code = HitAt(p.x, p.y);
        EXPECT_TRUE(code < HTLEFT || code > HTBOTTOMRIGHT) << p.x << "," << p.y << ": " << code;
    }
    wm.SendMessage(Hwnd(), WM_NCLBUTTONDBLCLK, HTCAPTION, MakeLParam(Screen(100, 10).x, Screen(100, 10).y));
    EXPECT_TRUE(veneer->RolledUp());
}

// In client mode a DraggAble form moves with a press where no object lies; it snaps
// to the work area when Magnetic, and stays put while maximised.
TEST_F(FormBehaviourTest, ADraggAbleClientModeFormMovesFromAnyFreePoint)
{
    TvxVeneer& v = MakeSkinnedForm({ 100, 100, 500, 400 }, false);
    v.SetSupportNCArea(false);
    LoadSkin();
    Pump();
    Drag({ 200, 200 }, { { 30, 20 } });
    EXPECT_EQ(form->Left(), 100) << "not DraggAble";
    v.SetDraggAble(true);
    Drag({ 200, 200 }, { { 30, 20 }, { 10, 0 } });
    EXPECT_EQ(form->Left(), 140);
    EXPECT_EQ(form->Top(), 120);
    v.SetMagnetic(true);
    Drag({ 200, 200 }, { { -135, 0 } });
    EXPECT_EQ(form->Left(), 0) << "within 5 of the edge";
    EXPECT_EQ(wm.Input().GetCapture(), HWND(0)) << "the drag let the mouse go";
}

// The fade as the form shows: alpha 0 first, then steps of 10 no faster than one per
// 5 ms (the virtual clock) up to AlphaBlendValue; with only the animation, up to
// opaque and the window's alpha taken away. Setting AlphaBlend applies at once.
TEST_F(FormBehaviourTest, TheFormFadesInInStepsOfTen)
{
    TvxVeneer& v = MakeSkinnedForm({ 100, 100, 500, 400 }, false);
    form->Hide();
    Pump();
    v.SetAlphaBlend(true);
    v.SetAlphaBlendAnimation(true);
    v.SetAlphaBlendValue(200);
    LoadSkin();
    form->Show();
    EXPECT_EQ(wm.LayeredAlpha(Hwnd()), 0) << "transparent until the fade starts";
    uint64_t start = clock->NowMs();
    Pump(1);
    uint64_t took = clock->NowMs() - start;
    EXPECT_EQ(wm.LayeredAlpha(Hwnd()), 200);
    // 19 steps (10 ... 190) each waiting more than 5 ms, then 200.
    EXPECT_GE(took, 19u * 6u);
    EXPECT_LE(took, 19u * 6u + 2u);

    form->Hide();
    Pump();
    v.SetAlphaBlend(false);
    form->Show();
    start = clock->NowMs();
    Pump(1);
    EXPECT_GE(clock->NowMs() - start, 25u * 6u) << "up to 255 in 25 steps";
    EXPECT_EQ(wm.LayeredAlpha(Hwnd()), 255);
    EXPECT_EQ(wm.GetExStyle(Hwnd()) & WS_EX_LAYERED, 0u) << "opaque again";

    v.SetAlphaBlend(true);
    EXPECT_EQ(wm.LayeredAlpha(Hwnd()), 200);
    v.SetAlphaBlendValue(120);
    EXPECT_EQ(wm.LayeredAlpha(Hwnd()), 120);
    v.SetAlphaBlend(false);
    EXPECT_EQ(wm.GetExStyle(Hwnd()) & WS_EX_LAYERED, 0u);
}

// A caption button with a custom command shows only when OnActivateCustomObject says
// so; the built-in buttons take their hints from the frame texts, and with
// ShowObjectHint the hint component shows them over the button.
TEST_F(FormBehaviourTest, CustomButtonsAndObjectHints)
{
    TvxVeneer& v = MakeSkinnedForm({ 0, 0, 962, 807 }, false);
    test::PackageParts parts
        = DemoParts([](std::string& ini) { SetKey(ini, "traybutton", "command", "cmdefault"); });
    v.SetBorderIcons(v.BorderIcons() | biMinimizeToTray);
    LoadParts(parts);
    ASSERT_NE(Object("traybutton"), nullptr);
    EXPECT_FALSE(Object("traybutton")->Visible()) << "no event: hidden";
    std::vector<std::string> asked;
    v.OnActivateCustomObject = [&](const std::string& name, bool& visible) {
        asked.push_back(name);
        visible = true;
    };
    LoadParts(parts);
    EXPECT_EQ(asked, std::vector<std::string> { "traybutton" });
    EXPECT_TRUE(Object("traybutton")->Visible());
    EXPECT_EQ(Object("traybutton")->Hint(), "Minimize to Tray") << "the record's hint stays";
    EXPECT_EQ(Object("maxbutton")->Hint(), "Maximize");
    EXPECT_EQ(Object("sysmenubutton")->Hint(), "System menu");

    auto& hint = form->Add<TvxSkinHint>();
    v.SetSkinHint(&hint);
    v.SetShowObjectHint(true);
    form->SetFocus();
    TRect close = Object("closebutton")->ObjectRect();
    wm.Input().MouseMove(Screen(close.left + 3, close.top + 3));
    Pump();
    Run(Application().HintPause() + 60);
    ASSERT_TRUE(wm.IsWindowVisible(hint.Window().Handle()));
    EXPECT_EQ(hint.Window().ShownText(), "Close");
    wm.Input().MouseMove(Screen(500, 400));
    Run(60);
    EXPECT_FALSE(wm.IsWindowVisible(hint.Window().Handle())) << "hidden as the mouse leaves";
    form->FreeComponent(&hint);
    EXPECT_EQ(v.SkinHint(), nullptr);
    wm.Input().MouseMove(Screen(close.left + 3, close.top + 3));
    Run(Application().HintPause() + 60);
}

// Alt+letter opens the main-menu item of that accelerator; Alt+F4 (whose key code is
// the letter 's') is never one: it closes the form.
TEST_F(FormBehaviourTest, AltF4IsNeverAMenuAccelerator)
{
    TvxVeneer& v = MakeSkinnedForm({ 100, 100, 700, 500 });
    auto& menu = form->Add<TMainMenu>();
    int settings = 0, saved = 0;
    TMenuItem& item = menu.Items().Add("&Settings");
    item.OnClick = [&](TComponent*) { ++settings; };
    TMenuItem& save = menu.Items().Add("Save all");
    save.SetShortCut(TextToShortCut("Ctrl+S"));
    save.OnClick = [&](TComponent*) { ++saved; };
    v.SetMainMenu(&menu);
    int closes = 0;
    form->OnClose = [&](TComponent*, TCloseAction& action) {
        ++closes;
        action = caNone;
    };
    form->SetFocus();
    Keys({ VK_MENU, 'S' });
    EXPECT_EQ(settings, 1) << "Alt+S";
    Keys({ VK_CONTROL, 'S' });
    EXPECT_EQ(saved, 1) << "the menu's own shortcut";
    Keys({ VK_MENU, VK_F4 });
    EXPECT_EQ(settings, 1) << "Alt+F4 is not Alt+S";
    EXPECT_EQ(closes, 1);
    form->FreeComponent(&menu);
    EXPECT_EQ(v.MainMenu(), nullptr);
    Keys({ VK_MENU, 'S' });
}

// The system menu puts the controller in its skinned-menu state: told once as it opens
// and once as it closes, the wheel kept from the form meanwhile.
TEST_F(FormBehaviourTest, TheSystemMenuHoldsTheSkinnedMenuState)
{
    TvxVeneer& v = MakeSkinnedForm({ 100, 100, 700, 500 });
    std::vector<std::string> told;
    v.OnSkinMenuOpen = [&](TComponent*) { told.push_back("open"); };
    v.OnSkinMenuClose = [&](TComponent*) { told.push_back("close"); };
    int wheels = 0;
    TControl::TWndMethod saved = form->WindowProc();
    form->SetWindowProc([&](TMessage& message) {
        wheels += message.Msg == WM_MOUSEWHEEL;
        saved(message);
    });
    auto wheel = [&] {
        wm.Input().MouseWheel(120, Screen(300, 200));
        Pump();
    };
    wheel();
    EXPECT_EQ(wheels, 1);
    wm.Input().MouseMove(Screen(300, 10));
    wm.Input().Click(TMouseButton::Right, Screen(300, 10));
    Pump();
    ASSERT_TRUE(v.SkinMenu().Visible());
    EXPECT_TRUE(v.SkinnedMenuOpen());
    wheel();
    EXPECT_EQ(wheels, 1) << "kept from the form";
    Keys({ VK_ESCAPE });
    EXPECT_FALSE(v.SkinMenu().Visible());
    EXPECT_FALSE(v.SkinnedMenuOpen());
    wheel();
    EXPECT_EQ(wheels, 2);
    EXPECT_EQ(told, (std::vector<std::string> { "open", "close" }));
    form->SetWindowProc(saved);
}

// Work areas that leave no room and a form between two monitors: maximising still
// gives a window on a monitor, at least the least size, and minimising finds a place.
TEST_F(FormBehaviourTest, MaximisingCopesWithOddWorkAreas)
{
    clock->SetMonitors({ { { 0, 0, 1280, 800 }, { 0, 0, 1280, 0 } } });
    TvxVeneer& v = MakeSkinnedForm({ 100, 100, 700, 500 });
    v.SetFrameState(TvxFrameState::Maximized);
    EXPECT_GE(form->Height(), v.MinimumSize().y);
    EXPECT_TRUE(wm.IsWindowVisible(Hwnd()));
    EXPECT_FALSE(form->BoundsRect().Intersect({ 0, 0, 1280, 800 }).IsEmpty());
    v.SetFrameState(TvxFrameState::Normal);
    EXPECT_EQ(form->BoundsRect(), (TRect { 100, 100, 700, 500 }));

    // Two monitors side by side, the form across the seam with more of it on the right.
    clock->SetMonitors({ { { 0, 0, 1280, 800 }, { 0, 0, 1280, 770 } },
        { { 1280, 0, 2560, 1024 }, { 1280, 0, 2560, 1000 } } });
    form->SetBounds(1100, 100, 600, 400);
    v.SetFrameState(TvxFrameState::Maximized);
    EXPECT_EQ(form->BoundsRect(), (TRect { 1280, 0, 2560, 1000 })) << "the nearer monitor's work area";
    v.SetFrameState(TvxFrameState::Normal);
    EXPECT_EQ(form->BoundsRect(), (TRect { 1100, 100, 1700, 500 }));
}

// With UseSkinCursors a client-mode form shows the skin cursor of the form's record
// (numbered from the store's first cursor) while the pointer is on it.
TEST_F(FormBehaviourTest, ClientModeTakesTheSkinsCursor)
{
    TvxVeneer& v = MakeSkinnedForm({ 100, 100, 500, 400 }, false);
    v.SetSupportNCArea(false);
    test::PackageParts parts
        = DemoParts([](std::string& ini) { SetKey(ini, "FORMINFO", "cursorindex", "2"); });
    LoadParts(parts);
    wm.Input().MouseMove(Screen(200, 200));
    Run(100);
    EXPECT_EQ(form->Cursor(), crDefault) << "UseSkinCursors off";
    v.SetUseSkinCursors(true);
    wm.Input().MouseMove(Screen(210, 200));
    Run(100);
    EXPECT_EQ(form->Cursor(), static_cast<TCursor>(store->FirstCursorNumber() + 2));
}

// UseFormCursorInNCArea: the form's cursor shows over the frame (the caption too),
// but the sizing borders keep their arrows.
TEST_F(FormBehaviourTest, TheFormsCursorOverTheFrame)
{
    TvxVeneer& v = MakeSkinnedForm({ 100, 100, 700, 500 });
    form->SetCursor(crHandPoint);
    auto cursor_at = [&](int x, int y) {
        wm.Input().MouseMove(Screen(x, y + 1));
        wm.Input().MouseMove(Screen(x, y));
        Pump();
        return wm.Input().GetCursor();
    };
    EXPECT_EQ(cursor_at(300, 10), IDC_ARROW) << "the caption's own";
    EXPECT_EQ(cursor_at(300, 200), IDC_HAND) << "the client";
    v.SetUseFormCursorInNCArea(true);
    EXPECT_EQ(cursor_at(300, 10), IDC_HAND);
    TPoint right = Grip(HTRIGHT, { 597, 200 });
    EXPECT_EQ(cursor_at(right.x, right.y), IDC_SIZEWE);
}
