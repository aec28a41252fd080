#include "tessel/framework/THintWindow.h"

#include "tessel/platform/TTextLayout.h"
#include "tessel/platform/TWindowManager.h"

namespace tessel {

THintWindow::THintWindow(TComponent* owner)
    : TCustomControl(owner)
{
    InitVisible(false);
    SetColor(clInfoBk);
    Font().SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.SetFloatingPopup();
}

TRect THintWindow::CalcHintRect(int max_width, const std::string& hint)
{
    TRect r { 0, 0, max_width, 0 };
    Canvas().Font().Assign(Font());
    Canvas().DrawText(hint, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    r.right += 6 + 2;
    r.bottom += 2 + 2;
    return r;
}

void THintWindow::ActivateHint(const TRect& rect, const std::string& hint)
{
    SetCaption(hint);
    TWindowManager& wm = TWindowManager::Instance();
    HWND h = Handle();
    SetBoundsRect(rect);
    InitVisible(true);
    wm.SetWindowPos(h, HWND_TOPMOST, rect, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Invalidate();
}

void THintWindow::ReleaseHandle()
{
    if (HandleAllocated() && Visible()) {
        InitVisible(false);
        TWindowManager::Instance().ShowWindow(Handle(), SW_HIDE);
    }
}

void THintWindow::Paint()
{
    TRect r = ClientRect();
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(r);
    Canvas().Brush().SetColor(clInfoText);
    Canvas().FrameRect(r);
    TRect text { r.left + 4, r.top + 2, r.right - 2, r.bottom - 2 };
    Canvas().Brush().SetStyle(bsClear);
    Canvas().DrawText(Caption(), text, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

} // namespace tessel
