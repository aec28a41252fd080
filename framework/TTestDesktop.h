#pragma once

#include "tessel/framework/ControlTypes.h"
#include "tessel/framework/TColor.h"
#include "tessel/platform/TInput.h"
#include "tessel/platform/TRect.h"
#include "tessel/platform/TSurface.h"
#include "tessel/platform/headless/THeadlessBackend.h"

#include <cstdint>
#include <string_view>

namespace tessel {

// A virtual desktop for a program's tests of its own windows: it puts a fresh
// headless backend (a virtual screen and a clock that moves only when told) under
// the window manager and starts the application afresh; at its end the
// application's forms go. Input goes in as a person gives it and is handled at once;
// time moves with every timer firing at its own moments on the way.
//
//     TTestDesktop desktop;
//     MyForm& form = Application().CreateForm<MyForm>();
//     form.Show();
//     desktop.Process();
//     desktop.Type('F', ssAlt);              // Alt+F: down, its character, up
//     desktop.Advance(1000);                 // a second, every timer in its turn
//     EXPECT_EQ(desktop.Pixel({ 120, 140 }), clRed);
class TTestDesktop {
public:
    explicit TTestDesktop(TRect screen = { 0, 0, 1280, 800 }, TRect work_area = { 0, 0, 1280, 770 });
    ~TTestDesktop();
    TTestDesktop(const TTestDesktop&) = delete;
    TTestDesktop& operator=(const TTestDesktop&) = delete;

    THeadlessBackend& Backend() const { return *m_backend; }
    // The virtual clock, in milliseconds since the desktop began.
    uint64_t Now() const;
    // Handles every message waiting (input, posted messages, paints, timers due now).
    void Process();
    // Moves the clock on by ms. Each timer fires every time it falls due on the way,
    // at that moment, in the order they fall due, as on a machine that keeps up.
    void Advance(uint64_t ms);

    // A key as a person types it, with the modifiers of shift held around it: the key
    // goes down, the character it types follows (WM_CHAR, or WM_SYSCHAR with Alt, as
    // menus' Alt+letter want), then the key comes up. Letters type their lower case
    // (upper with Shift); digits, space, Return, Tab, Backspace and Escape their
    // characters; other keys (arrows, F-keys) none. Ctrl+letter types no character.
    void Type(uint32_t vk, TShiftState shift = 0);
    // Characters alone (no key codes), as an input method types them; UTF-8.
    void TypeText(std::string_view utf8);
    void KeyDown(uint32_t vk);
    void KeyUp(uint32_t vk);

    // The mouse, in screen coordinates.
    void MoveTo(TPoint at);
    void Click(TPoint at, TMouseButton button = TMouseButton::Left);
    void DoubleClick(TPoint at);
    // Presses at from, moves to to in steps, releases there.
    void Drag(TPoint from, TPoint to, int steps = 8, TMouseButton button = TMouseButton::Left);
    // Notches of the wheel, positive away from the user.
    void Wheel(int notches, TPoint at);

    // What the virtual screen shows at a point, as a colour (0x00BBGGRR, as clRed);
    // a rectangle of it as the surface's pixels.
    TColor Pixel(TPoint at) const;
    TSurface Capture(const TRect& rect) const;

private:
    THeadlessBackend* m_backend;
};

} // namespace tessel
