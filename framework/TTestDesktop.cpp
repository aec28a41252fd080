#include "tessel/framework/TTestDesktop.h"

#include "tessel/framework/TApplication.h"
#include "tessel/platform/Messages.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/platform/Utf8.h"
#include "tessel/platform/headless/THeadlessBackend.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace tessel {

namespace {

// The character a key types, or 0 for none.
uint32_t CharacterOf(uint32_t vk, TShiftState shift)
{
    if (shift & ssCtrl)
        return 0;
    if (vk >= 'A' && vk <= 'Z')
        return (shift & ssShift) ? vk : vk - 'A' + 'a';
    if (vk >= '0' && vk <= '9')
        return (shift & ssShift) ? 0 : vk;
    switch (vk) {
    case VK_SPACE:
    case VK_RETURN:
    case VK_TAB:
    case VK_BACK:
    case VK_ESCAPE:
        return static_cast<uint32_t>(vk);
    default:
        return 0;
    }
}

// The modifier keys of a shift state, in the order a person presses them.
std::vector<uint32_t> ModifiersOf(TShiftState shift)
{
    std::vector<uint32_t> keys;
    if (shift & ssCtrl)
        keys.push_back(VK_CONTROL);
    if (shift & ssAlt)
        keys.push_back(VK_MENU);
    if (shift & ssShift)
        keys.push_back(VK_SHIFT);
    return keys;
}

TInput& Input()
{
    return Wm().Input();
}

} // namespace

TTestDesktop::TTestDesktop(TRect screen, TRect work_area)
{
    auto backend = std::make_unique<THeadlessBackend>(screen, work_area);
    m_backend = backend.get();
    Wm().SetBackend(std::move(backend));
    Application().Initialize();
}

TTestDesktop::~TTestDesktop()
{
    Application().Finalize();
    for (HWND hwnd : std::vector<HWND>(Wm().TopLevelWindows()))
        Wm().DestroyWindow(hwnd);
}

uint64_t TTestDesktop::Now() const
{
    return m_backend->NowMs();
}

void TTestDesktop::Process()
{
    Application().ProcessMessages();
}

void TTestDesktop::Advance(uint64_t ms)
{
    const uint64_t end = Now() + ms;
    Process();
    // Step from one due time to the next, so that a timer due twice on the way fires
    // twice, and one that another timer starts on the way fires too. A timer still
    // due after Process means the application has ended: time then just moves.
    for (uint64_t due = Wm().NextTimerDue(); due <= end && due > Now(); due = Wm().NextTimerDue()) {
        m_backend->Advance(due - Now());
        Process();
    }
    m_backend->Advance(end - Now());
    Process();
}

void TTestDesktop::Type(uint32_t vk, TShiftState shift)
{
    const std::vector<uint32_t> modifiers = ModifiersOf(shift);
    for (uint32_t key : modifiers)
        Input().KeyDown(key);
    Input().KeyDown(vk);
    if (uint32_t ch = CharacterOf(vk, shift))
        Input().Char(ch);
    Input().KeyUp(vk);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
        Input().KeyUp(*it);
    Process();
}

void TTestDesktop::TypeText(std::string_view utf8)
{
    for (char32_t ch : DecodeUtf8(utf8))
        Input().Char(static_cast<uint32_t>(ch));
    Process();
}

void TTestDesktop::KeyDown(uint32_t vk)
{
    Input().KeyDown(vk);
    Process();
}

void TTestDesktop::KeyUp(uint32_t vk)
{
    Input().KeyUp(vk);
    Process();
}

void TTestDesktop::MoveTo(TPoint at)
{
    Input().MouseMove(at);
    Process();
}

void TTestDesktop::Click(TPoint at, TMouseButton button)
{
    Input().Click(button, at);
    Process();
}

void TTestDesktop::DoubleClick(TPoint at)
{
    Input().Click(TMouseButton::Left, at);
    Input().Click(TMouseButton::Left, at);
    Process();
}

void TTestDesktop::Drag(TPoint from, TPoint to, int steps, TMouseButton button)
{
    steps = std::max(1, steps);
    Input().MouseMove(from);
    Input().MouseDown(button, from);
    Process();
    for (int i = 1; i <= steps; ++i) {
        Input().MouseMove({ from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps });
        Process();
    }
    Input().MouseUp(button, to);
    Process();
}

void TTestDesktop::Wheel(int notches, TPoint at)
{
    Input().MouseMove(at);
    Input().MouseWheel(notches * WHEEL_DELTA, at);
    Process();
}

TColor TTestDesktop::Pixel(TPoint at) const
{
    return ArgbToColor(Capture({ at.x, at.y, at.x + 1, at.y + 1 }).Pixel(0, 0));
}

TSurface TTestDesktop::Capture(const TRect& rect) const
{
    return Wm().CaptureScreen(rect);
}

} // namespace tessel
