#include "examples/controls/DemoForm.h"

#include <tessel/framework/TFormReader.h>
#include <tessel/platform/TDeviceContext.h>
#include <tessel/platform/TTextDrawer.h>
#include <tessel/platform/TWindowManager.h>

namespace tessel::demo {

namespace {

constexpr TColor kFrameColor = 0x784628;

} // namespace

DemoForm::DemoForm(TComponent* owner)
    : TForm(owner)
{
    TFormReader reader(*this);
    SetCaption("Tessel controls");
    SetBounds(100, 100, 640, 480);
    SetColor(clBtnFace);
    SetShowHint(true);
    m_tool_bar = &reader.Create<DemoPanel>("ToolBar", this, [](DemoPanel& p) {
        p.SetBounds(0, 0, 632, 40);
        p.SetAlign(alTop);
    });
    m_button = &reader.Create<DemoButton>("ColourButton", m_tool_bar, [](DemoButton& b) {
        b.SetBounds(8, 6, 96, 28);
        b.SetCaption("&Colours");
        b.SetHint("Opens the colour menu");
        b.SetShowHint(true);
    });
    m_status = &reader.Create<DemoPanel>("Status", this, [](DemoPanel& p) {
        p.SetBounds(0, 424, 632, 28);
        p.SetAlign(alBottom);
    });
    m_page = &reader.Create<DemoPanel>("Page", this, [](DemoPanel& p) {
        p.SetBounds(0, 40, 632, 384);
        p.SetAlign(alClient);
        p.SetColor(clWhite);
        p.SetCaption("Right-click for the menu");
    });
    m_menu = &reader.Create<TPopupMenu>("ColourMenu");
    m_timer = &reader.Create<TTimer>("Ticker");
    reader.Reference([this] {
        m_page->SetPopupMenu(m_menu);
        m_button->OnClick = [this](TComponent*) {
            TPoint below = m_button->ClientToScreen({ 0, m_button->Height() });
            m_menu->Popup(below.x, below.y);
        };
        m_timer->SetInterval(1000);
        m_timer->SetOnTimer([this](TComponent*) {
            ++m_ticks;
            UpdateStatus();
        });
    });
    TMenuItem& items = m_menu->Items();
    items.Add("&Red", [this](TComponent*) { Choose("red", clRed); });
    items.Add("&Green", [this](TComponent*) { Choose("green", 0x00A000); });
    items.Add("&Blue", [this](TComponent*) { Choose("blue", clBlue); });
    items.Add("-");
    TMenuItem& more = items.Add("&More");
    more.Add("&Yellow", [this](TComponent*) { Choose("yellow", clYellow); });
    more.Add("Blac&k", [this](TComponent*) { Choose("black", clBlack); });
    OnCreate = [this](TComponent*) { UpdateStatus(); };
    reader.End();
}

void DemoForm::Choose(const std::string& name, TColor color)
{
    m_chosen = name;
    m_page->SetColor(color);
    UpdateStatus();
}

void DemoForm::UpdateStatus()
{
    m_status->SetCaption("Chosen: " + m_chosen + "   Ticks: " + std::to_string(m_ticks));
}

LRESULT DemoForm::HitTest(TPoint p)
{
    TRect w = TWindowManager::Instance().GetWindowRect(Handle());
    constexpr int kCorner = 12;
    bool left = p.x < w.left + kBorder, right = p.x >= w.right - kBorder;
    bool top = p.y < w.top + kBorder, bottom = p.y >= w.bottom - kBorder;
    bool near_left = p.x < w.left + kCorner, near_right = p.x >= w.right - kCorner;
    bool near_top = p.y < w.top + kCorner, near_bottom = p.y >= w.bottom - kCorner;
    if ((top && near_left) || (left && near_top))
        return HTTOPLEFT;
    if ((top && near_right) || (right && near_top))
        return HTTOPRIGHT;
    if ((bottom && near_left) || (left && near_bottom))
        return HTBOTTOMLEFT;
    if ((bottom && near_right) || (right && near_bottom))
        return HTBOTTOMRIGHT;
    if (left)
        return HTLEFT;
    if (right)
        return HTRIGHT;
    if (top)
        return HTTOP;
    if (bottom)
        return HTBOTTOM;
    if (p.y < w.top + kBorder + kCaption)
        return HTCAPTION;
    return HTCLIENT;
}

void DemoForm::PaintFrame()
{
    TWindowManager& wm = TWindowManager::Instance();
    auto dc = wm.GetWindowDC(Handle());
    if (!dc)
        return;
    TRect w = wm.GetWindowRect(Handle());
    TRect all { 0, 0, w.Width(), w.Height() };
    TRect client = wm.ClientInWindow(Handle());
    dc->ExcludeClipRect(client);
    dc->FillRect(all, ColorToArgb(kFrameColor));
    TRect caption { kBorder + 6, kBorder, all.right - kBorder, kBorder + kCaption };
    TFont font;
    font.SetStyle(fsBold);
    TTextDrawer::DrawText(*dc, *font.Face(), Caption(), caption, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX,
        { ColorToArgb(clWhite), {} });
}

void DemoForm::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_NCCALCSIZE: {
        // The frame is this form's own: a caption and a thin sizing border.
        auto& r = *reinterpret_cast<TRect*>(message.LParam);
        r = { r.left + kBorder, r.top + kBorder + kCaption, r.right - kBorder, r.bottom - kBorder };
        message.Result = 0;
        return;
    }
    case WM_NCHITTEST:
        message.Result = HitTest(PointFromParam(message.LParam));
        return;
    case WM_NCPAINT:
        PaintFrame();
        message.Result = 0;
        return;
    case WM_NCACTIVATE:
        message.Result = 1;
        return;
    case CM_TEXTCHANGED:
        TForm::Dispatch(message);
        if (HandleAllocated())
            TWindowManager::Instance().InvalidateFrame(Handle());
        return;
    default:
        TForm::Dispatch(message);
        return;
    }
}

} // namespace tessel::demo
