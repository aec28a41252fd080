#include "tessel/framework/Exception.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TCustomForm.h"
#include "tessel/framework/TTimer.h"
#include "tessel/platform/TDeviceContext.h"
#include "tessel/platform/TSystemMetrics.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/skin/controls/TvxSkinControls.h"
#include "tessel/skin/data/SkinMessages.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/form/TvxBuiltInFrameLook.h"
#include "tessel/skin/form/TvxClientBackground.h"
#include "tessel/skin/form/TvxFrameHitTest.h"
#include "tessel/skin/form/TvxFrameLayout.h"
#include "tessel/skin/form/TvxSkinFrameLook.h"
#include "tessel/skin/form/TvxVeneer.h"
#include "tessel/skin/form/objects/TvxFrameObjectFactory.h"
#include "tessel/skin/form/objects/TvxSkinAnimateObject.h"
#include "tessel/skin/form/objects/TvxSkinCaptionObject.h"
#include "tessel/skin/form/objects/TvxSkinStdButtonObject.h"

#include <algorithm>

namespace tessel {

// The frame's painting: the scene of a paint, the two looks, one object alone.

void TvxVeneer::RepaintFrame()
{
    if (HWND hwnd = FormHandle())
        Wm().RedrawWindow(hwnd, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TvxVeneer::MakeBuiltInButtons()
{
    static constexpr std::pair<const char*, TvxFrameCommand> kButtons[] = { { "closebutton", cmclose },
        { "maxbutton", cmmaximize }, { "minbutton", cmminimize }, { "rollupbutton", cmrollup },
        { "sysmenubutton", cmsysmenu }, { "traybutton", cmminimizetotray } };
    for (auto [name, command] : kButtons)
        m_objects.Add(std::make_unique<TvxSkinStdButtonObject>(*this, name, command));
    UpdateObjectVisibility();
}

TvxFrameScene TvxVeneer::Scene()
{
    TvxFrameScene scene;
    scene.data = m_skin_data;
    scene.active = IsFormActive();
    scene.rolled_up = m_rolled_up;
    scene.normal_state = m_frame_state == TvxFrameState::Normal;
    scene.caption = FormCaption();
    scene.caption_height = CaptionHeight();
    scene.caption_font = scene.active ? &m_def_caption_font : &m_def_inactive_caption_font;
    scene.on_caption_paint = OnCaptionPaint;
    if (m_geometry.W == 0 || m_geometry.H == 0)
        RefreshSize();
    if (HasSkinFrame()) {
        m_geometry = TvxFrameGeometry::Compute(*m_skin_data, m_geometry.W, m_geometry.H);
    } else {
        if (m_objects.Empty() && !m_skin_active)
            MakeBuiltInButtons();
        bool tool = m_form->BorderStyle() == bsToolWindow || m_form->BorderStyle() == bsSizeToolWin;
        m_default_caption_rect = TvxFrameLayout::LayoutBuiltIn(m_geometry.W, scene.caption_height,
            tool ? 13 : 17, m_objects.All(), SmallIconSize(), m_show_icon);
        scene.default_caption_rect = m_default_caption_rect;
    }
    scene.geometry = m_geometry;
    scene.objects = m_objects.Shown();
    return scene;
}

void TvxVeneer::PaintFrame(TDeviceContext& dc)
{
    if (ClientMode() || m_form->BorderStyle() == bsNone)
        return;
    if (m_skin_data && m_skin_data->Changing())
        return;
    TvxFrameScene scene = Scene();
    if (HasSkinFrame()) {
        TPoint least = MinimumSize();
        if (m_geometry.W < least.x || m_geometry.H < least.y)
            return;
        LayoutObjects();
        m_skin_look->Paint(dc, scene);
    } else {
        m_built_in_look->Paint(dc, scene);
    }
}

void TvxVeneer::PaintClientFrame(TDeviceContext& dc)
{
    if (m_geometry.W == 0 || m_geometry.H == 0)
        RefreshSize();
    TvxFrameScene scene;
    scene.data = LoadedSkin();
    scene.active = IsFormActive();
    scene.rolled_up = m_rolled_up;
    scene.normal_state = m_frame_state == TvxFrameState::Normal;
    if (scene.data) {
        m_geometry = TvxFrameGeometry::Compute(*scene.data, m_geometry.W, m_geometry.H);
        LayoutObjects();
    }
    scene.geometry = m_geometry;
    if (m_frame_state != TvxFrameState::Normal)
        scene.geometry.SizeGripRect = {};
    scene.objects = m_objects.Shown();
    m_client_look->Paint(dc, scene);
}

void TvxVeneer::DrawObjectNow(TvxActiveSkinObject& object)
{
    HWND hwnd = FormHandle();
    if (!hwnd || !m_objects.Belongs(object) || m_form->BorderStyle() == bsNone)
        return;
    // In client mode the frame is the client area's background: the object draws there.
    auto dc = ClientMode() ? Wm().GetDC(hwnd) : Wm().GetWindowDC(hwnd);
    if (!dc)
        return;
    TCanvas canvas;
    canvas.SetHandle(dc.get());
    object.Draw(canvas, true);
    canvas.SetHandle(nullptr);
}

} // namespace tessel
