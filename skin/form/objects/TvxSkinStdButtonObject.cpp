#include "tessel/skin/form/objects/TvxSkinStdButtonObject.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/skin/data/TvxDataSkinStdButton.h"
#include "tessel/skin/draw/TvxSymbols.h"
#include "tessel/skin/form/objects/TvxFrameObjectHost.h"

namespace tessel {

namespace {

TvxDataSkinStdButton BuiltInRecord(const std::string& name, TvxFrameCommand command)
{
    TvxDataSkinStdButton record(name);
    record.command = command;
    return record;
}

constexpr TColor kDownFill = 11899781, kHotFill = 13811126, kHotFrame = 8388608;

} // namespace

TvxSkinStdButtonObject::TvxSkinStdButtonObject(TvxFrameObjectHost& host, const TvxDataSkinStdButton& record)
    : TvxSkinButtonObject(host, record)
    , m_command(record.command)
    , m_restore_rect(record.restorerect)
    , m_restore_active_rect(record.restoreactiverect)
    , m_restore_down_rect(record.restoredownrect)
    , m_restore_inactive_rect(record.restoreinactiverect)
{ }

TvxSkinStdButtonObject::TvxSkinStdButtonObject(
    TvxFrameObjectHost& host, const std::string& name, TvxFrameCommand command)
    : TvxSkinButtonObject(host, BuiltInRecord(name, command))
    , m_command(command)
    , m_skin_support(false)
{
    m_skin_rect = m_object_rect = {};
}

bool TvxSkinStdButtonObject::RestoreState() const
{
    switch (m_command) {
    case cmmaximize:
        return m_host.FrameState() == TvxFrameState::Maximized;
    case cmminimize:
        return m_host.FrameState() == TvxFrameState::Minimized;
    case cmrollup:
        return m_host.RolledUp();
    default:
        return false;
    }
}

bool TvxSkinStdButtonObject::ShowsIcon() const
{
    return m_command == cmsysmenu && m_host.ShowIcon();
}

bool TvxSkinStdButtonObject::CanMorphing() const
{
    return !ShowsIcon() && TvxSkinButtonObject::CanMorphing();
}

void TvxSkinStdButtonObject::Draw(TCanvas& canvas, bool update)
{
    if (!m_skin_support) {
        if (ShowsIcon())
            canvas.Draw(m_object_rect.left, m_object_rect.top, m_host.SmallIcon());
        else
            DrawBuiltIn(canvas);
        return;
    }
    if (!SkinLoaded())
        return;
    if (ShowsIcon() && m_in_picture) {
        canvas.Draw(m_object_rect.left, m_object_rect.top, m_host.SmallIcon());
        SetMorphFactor(0);
        return;
    }
    if (m_enabled && RestoreState() && !m_restore_rect.IsEmpty() && m_active_picture) {
        if (!m_host.IsFormActive() && !m_restore_inactive_rect.IsEmpty())
            CopyImage(canvas, m_active_picture, m_restore_inactive_rect);
        else if (m_down && m_mouse_in && !m_restore_down_rect.IsEmpty())
            CopyImage(canvas, m_active_picture, m_restore_down_rect);
        else if (MorphingEnabled() && (m_active ? m_morph_factor != 1 : m_morph_factor != 0)
            && !m_restore_active_rect.IsEmpty())
            DrawMorph(canvas, m_active_picture, m_restore_rect, m_active_picture, m_restore_active_rect);
        else if (m_active && !m_restore_active_rect.IsEmpty())
            CopyImage(canvas, m_active_picture, m_restore_active_rect);
        else
            CopyImage(canvas, m_active_picture, m_restore_rect);
        return;
    }
    TvxSkinButtonObject::Draw(canvas, update);
}

void TvxSkinStdButtonObject::DrawBuiltIn(TCanvas& canvas) const
{
    int w = m_object_rect.Width(), h = m_object_rect.Height();
    if (w <= 0 || h <= 0)
        return;
    TBitmap image(w, h);
    TCanvas& c = image.Canvas();
    bool pressed = m_down && m_mouse_in;
    if (pressed || m_mouse_in) {
        c.Brush().SetColor(kHotFrame);
        c.FillRect({ 0, 0, w, h });
        c.Brush().SetColor(pressed ? kDownFill : kHotFill);
        c.FillRect({ 1, 1, w - 1, h - 1 });
    } else {
        c.Brush().SetColor(clBtnFace);
        c.FillRect({ 0, 0, w, h });
    }
    int x = w / 2 - 5, y = h / 2 - 4;
    if (m_down) {
        x = w / 2 - 4;
        y = h / 2 - 3;
        if (!m_mouse_in) {
            --x;
            --y;
        }
    }
    TvxCaptionSymbol symbol = vxcsClose;
    switch (m_command) {
    case cmmaximize:
        symbol = RestoreState() ? vxcsRestore : vxcsMaximize;
        break;
    case cmminimize:
        symbol = RestoreState() ? vxcsRestore : vxcsMinimize;
        break;
    case cmsysmenu:
        symbol = vxcsSystemMenu;
        break;
    case cmrollup:
        symbol = RestoreState() ? vxcsRollDown : vxcsRollUp;
        break;
    case cmminimizetotray:
        symbol = vxcsTray;
        break;
    default:
        break;
    }
    TvxSymbols::DrawCaptionSymbol(c, x, y, m_enabled ? clBtnText : clBtnShadow, symbol);
    canvas.Draw(m_object_rect.left, m_object_rect.top, image);
}

void TvxSkinStdButtonObject::MouseDown(int, int, TMouseButtonKind button)
{
    // A caption button raises no mouse-down event.
    if (m_enabled && button == mbLeft && !m_down)
        SetDown(true);
}

void TvxSkinStdButtonObject::MouseUp(int x, int y, TMouseButtonKind button)
{
    bool was_active = m_active;
    if (m_command == cmclose) {
        TvxSkinButtonObject::MouseUp(x, y, button);
        if (was_active && button == mbLeft && m_enabled)
            m_host.RunCommand(m_command);
        return;
    }
    if (m_mouse_in && button == mbLeft && m_enabled && m_down)
        m_host.RunCommand(m_command);
    TvxSkinButtonObject::MouseUp(x, y, button);
}

void TvxSkinStdButtonObject::DblClick()
{
    if (m_command == cmsysmenu)
        m_host.RunCommand(cmclose);
}

} // namespace tessel
