#include "tessel/skin/hint/TvxSkinHintWindow.h"

#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TImageList.h"
#include "tessel/platform/TRegion.h"
#include "tessel/platform/TTextLayout.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/skin/data/TvxDataSkinHintWindow.h"
#include "tessel/skin/draw/TvxEffectBmp.h"
#include "tessel/skin/draw/TvxPlatform.h"
#include "tessel/skin/hint/TvxSkinHint.h"

#include <algorithm>

namespace tessel {

namespace {

constexpr uint32_t kTextFormat = DT_LEFT | DT_NOPREFIX;
// A hint of any length stays a window a screen can hold.
constexpr size_t kLongestHint = 4000;

// The hint with every separator a line break.
std::string BreakLines(const std::string& hint, const std::string& separator)
{
    std::string text = hint.substr(0, kLongestHint);
    if (hint.size() > kLongestHint)
        text += "...";
    if (separator.empty())
        return text;
    std::string out;
    size_t from = 0;
    for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, from)) {
        out.append(text, from, at - from);
        out += '\n';
        from = at + separator.size();
    }
    out.append(text, from, std::string::npos);
    return out;
}

} // namespace

TvxSkinHintWindow::TvxSkinHintWindow(TComponent* owner)
    : THintWindow(owner)
{ }

void TvxSkinHintWindow::CreateParams(TCreateParams& params)
{
    THintWindow::CreateParams(params);
    params.style &= ~WS_BORDER;
}

void TvxSkinHintWindow::Dispatch(TMessage& message)
{
    if (message.Msg == WM_ERASEBKGND || message.Msg == WM_NCPAINT) {
        message.Result = 1;
        return;
    }
    THintWindow::Dispatch(message);
}

void TvxSkinHintWindow::ActivateHint(const TRect& rect, const std::string& hint)
{
    TvxSkinHint* settings = TvxSkinHint::Serving();
    if (!settings)
        return;
    ActivateWith(*settings, { rect.left, rect.top }, 0, hint);
}

void TvxSkinHintWindow::Measure(TPoint& text_box, TPoint& title_box)
{
    TCanvas& c = Canvas();
    c.Font().Assign(Font());
    TRect r { 0, 0, 0, 0 };
    c.DrawText(m_text, r, DT_CALCRECT | kTextFormat);
    text_box = { r.Width(), r.Height() };
    title_box = {};
    if (!m_title.empty()) {
        c.Font().SetStyle(c.Font().Style() | fsBold);
        TRect t { 0, 0, 0, 0 };
        c.DrawText(m_title, t, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        title_box = { t.Width(), t.Height() };
    }
}

void TvxSkinHintWindow::ActivateWith(TvxSkinHint& settings, TPoint point, int below, const std::string& hint)
{
    m_settings = &settings;
    m_frame = TvxHintFrame::Find(settings.SkinData());
    const TvxDataSkinHintWindow* rec = m_frame.Record();
    if (rec && settings.UseSkinFont()) {
        Font().SetName(rec->fontname);
        Font().SetHeight(rec->fontheight);
        Font().SetStyle(rec->fontstyle);
        Font().SetColor(rec->fontcolor);
    } else {
        Font().Assign(settings.DefaultFont());
        Font().SetColor(clInfoText);
    }
    m_text = BreakLines(hint, settings.LineSeparator());
    m_title = settings.Title();
    m_images = settings.ImageList();
    m_image_index = settings.ImageIndex();
    m_rich = !m_title.empty() || m_images;
    bool has_image = m_images && m_image_index >= 0 && m_image_index < m_images->Count();

    TPoint text, title;
    Measure(text, title);
    TPoint box = text;
    if (m_rich) {
        box.y = text.y + (m_title.empty() ? 0 : title.y + 10);
        box.x = std::max(text.x, title.x);
        if (has_image) {
            box.x += m_images->Width() + 10;
            box.y = std::max(box.y, m_images->Height() + title.y + 5);
        }
    }
    TPoint size = m_frame.Size(box, m_rich);
    TRect r = TvxHintFrame::Place(point, below, size, Wm().Backend().ScreenRect());

    // Translucency: the window's alpha where the desktop shows it, else the screen
    // under the hint mixed in.
    bool alpha = settings.AlphaBlend() && settings.AlphaBlendSupport();
    m_under = TBitmap();
    if (settings.AlphaBlend() && !settings.AlphaBlendSupport()) {
        m_under.SetSize(size.x, size.y);
        TvxPlatform::ScreenToBitmap(r.left, r.top, m_under);
    }
    SetBoundsRect(r);
    HWND h = Handle();
    if (alpha != m_layered || alpha) {
        m_layered = alpha;
        bool fade = alpha && settings.AlphaBlendAnimation();
        TvxPlatform::SetWindowAlpha(h, !alpha ? 255 : (fade ? 0 : settings.AlphaBlendValue()));
    }
    auto region = m_frame.Region();
    Wm().SetWindowRgn(h, std::move(region));
    InitVisible(true);
    Wm().SetWindowPos(h, HWND_TOPMOST, r, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Invalidate();
    Wm().UpdateWindow(h);
    if (alpha && settings.AlphaBlendAnimation())
        TvxPlatform::FadeIn(h, 20, 20, settings.AlphaBlendValue(), 3); // by 20 every 3 ms
}

void TvxSkinHintWindow::Paint()
{
    TPoint size = m_frame.WindowSize();
    if (size.x <= 0 || size.y <= 0)
        return;
    TBitmap image;
    m_frame.Compose(image);
    TCanvas& c = image.Canvas();
    c.Font().Assign(Font());
    c.Brush().SetStyle(bsClear);
    TRect client = m_frame.Client();
    if (!m_rich) {
        TRect r = client;
        if (m_frame.Skinned()) {
            // The text's block centred in the frame's client.
            TRect box { 0, 0, 0, 0 };
            c.DrawText(m_text, box, DT_CALCRECT | kTextFormat);
            int x = client.left + (client.Width() - box.Width()) / 2;
            int y = client.top + (client.Height() - box.Height()) / 2;
            r = { x, y, x + box.Width(), y + box.Height() };
        }
        c.DrawText(m_text, r, kTextFormat);
    } else {
        int top = client.top;
        if (!m_title.empty()) {
            c.Font().SetStyle(c.Font().Style() | fsBold);
            TRect t { client.left + 5, client.top, client.right, client.bottom };
            TRect box { 0, 0, 0, 0 };
            c.DrawText(m_title, box, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
            c.DrawText(m_title, t, DT_SINGLELINE | DT_NOPREFIX);
            c.Font().Assign(Font());
            top = client.top + box.Height() + 5;
        }
        TRect box { 0, 0, 0, 0 };
        c.DrawText(m_text, box, DT_CALCRECT | kTextFormat);
        bool has_image = m_images && m_image_index >= 0 && m_image_index < m_images->Count();
        int row = std::max(box.Height(), has_image ? m_images->Height() : 0);
        if (m_title.empty())
            top = client.top + (client.Height() - row) / 2;
        int x = client.left + 5;
        if (has_image) {
            m_images->Draw(c, x, top, m_image_index);
            x += m_images->Width() + 5;
        }
        TRect t { x, top, client.right, top + box.Height() };
        c.DrawText(m_text, t, kTextFormat);
    }
    if (!m_under.Empty() && m_settings) {
        TvxEffectBmp mixed(image);
        mixed.Blend(TvxEffectBmp(m_under), 1.0 - m_settings->AlphaBlendValue() / 255.0);
        image = mixed.ToBitmap();
    }
    Canvas().Draw(0, 0, image);
}

} // namespace tessel
