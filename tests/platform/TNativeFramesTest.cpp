#include "HeadlessWindows.h"

#include <map>

namespace tessel::test {

namespace {

// A headless backend that frames windows natively and records where native views go.
class DesktopLikeBackend : public THeadlessBackend {
public:
    bool NativeFrames() override { return true; }
    void PlaceNativeView(void* view, HWND root, const TRect& rect, bool visible) override
    {
        places[view] = { root, rect, visible };
    }
    void RemoveNativeView(void* view) override { places.erase(view); }
    struct Place {
        HWND root;
        TRect rect;
        bool visible;
    };
    std::map<void*, Place> places;
};

class NativeFramesTest : public HeadlessWindows {
protected:
    void SetUp() override
    {
        auto backend = std::make_unique<DesktopLikeBackend>();
        desktop = backend.get();
        clock = backend.get();
        wm.SetBackend(std::move(backend));
    }
    DesktopLikeBackend* desktop = nullptr;
};

} // namespace

// A captioned or sizable top-level window keeps the desktop's frame until its
// procedure answers WM_NCCALCSIZE itself; popups and children never have one.
TEST_F(NativeFramesTest, DesktopFramesWindowsWhoseFrameNobodyTakesOver)
{
    HWND plain = Logged("plain", { 0, 0, 200, 100 }, 0, WS_VISIBLE | WS_CAPTION | WS_THICKFRAME);
    EXPECT_TRUE(wm.HasNativeFrame(plain));
    EXPECT_EQ(wm.GetClientRect(plain), (TRect { 0, 0, 200, 100 }));
    HWND popup = Logged("popup", { 0, 0, 50, 50 }, 0, WS_VISIBLE | WS_POPUP);
    EXPECT_FALSE(wm.HasNativeFrame(popup));
    HWND child = Logged("child", { 0, 0, 10, 10 }, plain, WS_VISIBLE | WS_CAPTION);
    EXPECT_FALSE(wm.HasNativeFrame(child));

    // Taking the frame over: the next WM_NCCALCSIZE is answered without the default.
    WNDPROC old = wm.GetWindowProc(plain);
    wm.SetWindowProc(plain, [&](HWND h, uint32_t m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_NCCALCSIZE) {
            auto& r = *reinterpret_cast<TRect*>(l);
            r = { r.left + 3, r.top + 20, r.right - 3, r.bottom - 3 };
            return 0;
        }
        return TWindowManager::CallWindowProc(old, h, m, w, l);
    });
    wm.SetWindowPos(plain, {}, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_FALSE(wm.HasNativeFrame(plain));
    EXPECT_EQ(wm.GetClientRect(plain), (TRect { 0, 0, 194, 77 }));
    // Giving it back.
    wm.SetWindowProc(plain, old);
    wm.SetWindowPos(plain, {}, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_TRUE(wm.HasNativeFrame(plain));
    wm.DestroyWindow(plain);
    wm.DestroyWindow(popup);
}

// A native view follows its host through moves, sizes, hiding and its parent's
// clipping, and is hidden when the host goes.
TEST_F(NativeFramesTest, NativeViewsFollowTheirHostClippedToItsAncestors)
{
    HWND top = Logged("top", { 100, 100, 500, 400 });
    HWND panel = Logged("panel", { 10, 20, 210, 120 }, top);
    HWND host = Logged("host", { 5, 5, 105, 55 }, panel);
    int view = 0;
    wm.NativeViews().Attach(&view, host);
    auto place = [&] { return desktop->places.at(&view); };
    EXPECT_EQ(place().root, top);
    EXPECT_EQ(place().rect, (TRect { 15, 25, 115, 75 }));
    EXPECT_TRUE(place().visible);

    wm.SetWindowPos(panel, { 30, 40, 230, 140 }, SWP_NOZORDER);
    EXPECT_EQ(place().rect, (TRect { 35, 45, 135, 95 }));
    // Partly outside the panel: only what the panel shows.
    wm.SetWindowPos(host, { 150, 80, 350, 180 }, SWP_NOZORDER);
    EXPECT_EQ(place().rect, (TRect { 180, 120, 230, 140 }));
    wm.ShowWindow(panel, SW_HIDE);
    EXPECT_FALSE(place().visible);
    wm.ShowWindow(panel, SW_SHOW);
    EXPECT_TRUE(place().visible);
    wm.DestroyWindow(host);
    EXPECT_FALSE(place().visible);
    wm.NativeViews().Detach(&view);
    EXPECT_EQ(desktop->places.count(&view), 0u);
    wm.DestroyWindow(top);
}

} // namespace tessel::test
