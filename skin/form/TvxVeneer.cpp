#include "tessel/skin/form/TvxVeneer.h"

#include "tessel/framework/Exception.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TCustomForm.h"
#include "tessel/framework/TMainMenu.h"
#include "tessel/framework/TPopupMenu.h"
#include "tessel/framework/TTimer.h"
#include "tessel/platform/TDeviceContext.h"
#include "tessel/platform/TSystemMetrics.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/skin/controls/TvxGraphicSkinControl.h"
#include "tessel/skin/controls/TvxSkinControl.h"
#include "tessel/skin/controls/TvxSkinControls.h"
#include "tessel/skin/controls/TvxSkinStatusBar.h"
#include "tessel/skin/data/SkinMessages.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/form/TvxBuiltInFrameLook.h"
#include "tessel/skin/form/TvxClientBackground.h"
#include "tessel/skin/form/TvxClientFrameLook.h"
#include "tessel/skin/form/TvxFrameHitTest.h"
#include "tessel/skin/form/TvxFrameLayout.h"
#include "tessel/skin/form/TvxSkinFrameLook.h"
#include "tessel/skin/form/TvxSkinMainMenuBar.h"
#include "tessel/skin/form/objects/TvxFrameObjectFactory.h"
#include "tessel/skin/form/objects/TvxSkinAnimateObject.h"
#include "tessel/skin/form/objects/TvxSkinCaptionObject.h"
#include "tessel/skin/form/objects/TvxSkinStdButtonObject.h"
#include "tessel/skin/hint/TvxSkinHint.h"
#include "tessel/skin/menus/TvxSkinMenu.h"
#include "tessel/skin/tray/TvxTrayIcon.h"

#include <algorithm>

namespace tessel {

namespace {

TCustomForm& OwningForm(TComponent* owner)
{
    auto* form = dynamic_cast<TCustomForm*>(owner);
    if (!form)
        throw EInvalidCast();
    return *form;
}

} // namespace

TvxVeneer::TvxVeneer(TComponent* owner)
    : TComponent(owner)
    , m_form(&OwningForm(owner))
    , m_border_icons(biSystemMenu | biMinimize | biMaximize | biRollUp)
    , m_skin_look(std::make_unique<TvxSkinFrameLook>())
    , m_built_in_look(std::make_unique<TvxBuiltInFrameLook>())
    , m_client_look(std::make_unique<TvxClientFrameLook>())
{
    m_form->SetBorderIcons(0);
    m_form->SetAutoScroll(false);
    m_skin_menu = &Add<TvxSkinMenu>();
    m_skin_menu->SetForm(m_form);
    m_skin_menu->SetKeyPreview([this](uint16_t key) { return MainMenuPopupKey(key); });
    m_previous_short_cut = std::move(m_form->OnShortCut);
    m_form->OnShortCut = [this](TWMKey& key, bool& handled) { HandleShortCut(key, handled); };
    for (TFont* font : { &m_def_caption_font, &m_def_inactive_caption_font }) {
        font->SetName("Arial");
        font->SetHeight(14);
        font->SetStyle(fsBold);
    }
    m_def_caption_font.SetColor(clBtnText);
    m_def_inactive_caption_font.SetColor(clBtnShadow);
    m_morph_timer = TTimer::Stopped(25, [this] { OnMorph(); });
    m_animation_timer = TTimer::Stopped(25, [this] { OnAnimate(); });
    m_hover_timer = TTimer::Stopped(50, [this] { OnHover(); });
    m_command_message = Wm().RegisterWindowMessage("TvxVeneerCommand");
    m_objects.SetFilter([this](const TvxActiveSkinObject& object) {
        return ClientMode() ? object.RollUp() == m_rolled_up : !object.RollUp();
    });
    m_objects.OnHotChanged = [this](TvxActiveSkinObject* previous, TvxActiveSkinObject* now) {
        ObjectHotChanged(previous, now);
    };
    if (!HasState(csDesigning)) {
        m_saved = m_form->WindowProc();
        m_form->SetWindowProc([this](TMessage& message) { WindowProc(message); });
        // The window asks for its frame again: from now on it is ours.
        if (m_form->HandleAllocated())
            Wm().SetWindowPos(
                m_form->Handle(), {}, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
}

TvxVeneer* TvxVeneer::Of(const TCustomForm& form)
{
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (auto* veneer = dynamic_cast<TvxVeneer*>(form.Components(i)))
            return veneer;
    return nullptr;
}

TvxVeneer::~TvxVeneer()
{
    if (m_menu_hook)
        Application().RemoveMessageHook(m_menu_hook);
    ForgetTrayIcon();
    m_objects.Clear();
    if (m_saved && m_form) {
        m_form->SetWindowProc(m_saved);
        if (m_form->HandleAllocated())
            Wm().SetWindowPos(
                m_form->Handle(), {}, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    SetReference(m_skin_data, static_cast<TvxSkinData*>(nullptr));
}

void TvxVeneer::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove)
        std::erase_if(m_anchored, [component](const TAnchored& a) { return a.control == component; });
    if (operation == TOperation::opRemove)
        std::erase(m_hidden_by_rollup, component);
    if (operation == TOperation::opRemove && component == m_system_menu)
        m_system_menu = nullptr;
    if (operation == TOperation::opRemove && component == m_status_bar)
        m_status_bar = nullptr;
    if (operation == TOperation::opRemove && component == m_tray_icon) {
        m_tray_icon = nullptr;
        m_gave_dbl_click = false;
    }
    if (operation == TOperation::opRemove && component == m_main_menu)
        m_main_menu = nullptr;
    if (operation == TOperation::opRemove && component == m_main_menu_bar)
        m_main_menu_bar = nullptr;
    if (operation == TOperation::opRemove)
        ForgetMainMenuItem(component);
    if (operation == TOperation::opRemove && component == m_skin_hint) {
        m_skin_hint = nullptr;
        m_object_hint_shown = false;
    }
    if (operation == TOperation::opRemove && component == m_menus_skin_data)
        m_menus_skin_data = nullptr;
    if (operation == TOperation::opRemove && component == m_skin_menu)
        m_skin_menu = nullptr;
    if (operation == TOperation::opRemove && component == m_skin_data) {
        m_skin_data = nullptr;
        m_objects.Clear();
        m_skin_active = false;
        if (m_form->HandleAllocated())
            ApplySkin();
    }
}

void TvxVeneer::SetSkinData(TvxSkinData* data)
{
    SetReference(m_skin_data, data);
    if (data)
        m_skinnable = data->SkinnableForm();
    if (!HasState(csDesigning))
        ApplySkin();
}

void TvxVeneer::SetSupportNCArea(bool value)
{
    if (value == m_support_nc_area)
        return;
    m_support_nc_area = value;
    if (HasState(csDesigning) || HasState(csLoading))
        return;
    ApplySkin();
    if (HWND hwnd = FormHandle())
        Wm().SetWindowPos(hwnd, {}, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

void TvxVeneer::FitClientToSkin()
{
    if (!m_skin_active || m_rolled_up || !FormHandle())
        return;
    const TBitmap& picture = m_skin_data->Picture();
    TRect client = Wm().GetClientRect(FormHandle());
    int w = client.Width(), h = client.Height();
    if (TvxFrameGeometry::Sizeable(*m_skin_data)) {
        if (m_min_width == 0)
            w = std::max(w, picture.Width());
        if (m_min_height == 0)
            h = std::max(h, picture.Height());
    } else {
        w = picture.Width();
        h = picture.Height();
        m_sizeable = false;
    }
    if (w != client.Width() || h != client.Height())
        m_form->SetBounds(m_form->Left(), m_form->Top(), m_form->Width() + w - client.Width(),
            m_form->Height() + h - client.Height());
}

void TvxVeneer::CollectAnchoredControls()
{
    for (const TAnchored& a : m_anchored)
        a.control->RemoveFreeNotification(this);
    m_anchored.clear();
    if (!ClientMode() || !m_skin_active)
        return;
    for (int i = 0; i < m_form->ControlCount(); ++i) {
        TControl* control = m_form->Controls(i);
        std::string area;
        if (auto* windowed = dynamic_cast<TvxSkinControl*>(control))
            area = windowed->AreaName();
        else if (auto* graphic = dynamic_cast<TvxGraphicSkinControl*>(control))
            area = graphic->AreaName();
        int index = area.empty() ? -1 : m_skin_data->GetAreaIndex(area);
        if (index < 0 || m_skin_data->Area(index).AreaRect.IsEmpty())
            continue;
        control->SetAlign(alNone);
        control->FreeNotification(this);
        m_anchored.push_back({ control, m_skin_data->Area(index).AreaRect });
    }
}

void TvxVeneer::PlaceAnchoredControls()
{
    if (!ClientMode() || !m_skin_active)
        return;
    const bool sizeable = TvxFrameGeometry::Sizeable(*m_skin_data);
    TvxElementGeometry picture = TvxFrameGeometry::PictureGeometry(*m_skin_data);
    for (const TAnchored& a : m_anchored) {
        TRect r = sizeable
            ? MapSkinRect(vxcmFull, picture, m_form->ClientWidth(), m_form->ClientHeight(), a.area)
            : a.area;
        a.control->SetBoundsRect(r);
        if (auto* windowed = dynamic_cast<TWinControl*>(a.control))
            windowed->Realign();
    }
}

void TvxVeneer::SetBorderIcons(TvxBorderIcons icons)
{
    m_border_icons = icons;
    UpdateObjectVisibility();
    RepaintFrame();
}

void TvxVeneer::SetHideCaptionButtons(bool value)
{
    m_hide_caption_buttons = value;
    UpdateObjectVisibility();
    RepaintFrame();
}

void TvxVeneer::SetShowIcon(bool value)
{
    m_show_icon = value;
    // The system-menu button takes the icon's size.
    if (HasSkinFrame())
        LayoutObjects();
    RepaintFrame();
}

const TBitmap& TvxVeneer::SmallIcon()
{
    return m_icon.Small(*m_form, SmallIconSize());
}

HWND TvxVeneer::FormHandle() const
{
    return m_form->HandleAllocated() ? m_form->Handle() : 0;
}

TPoint TvxVeneer::ToWindow(TPoint screen) const
{
    TRect window = Wm().GetWindowRect(FormHandle());
    return { screen.x - window.left, screen.y - window.top };
}

const TvxSkinData* TvxVeneer::LoadedSkin() const
{
    return m_skin_active && m_skin_data && !m_skin_data->Empty() ? m_skin_data : nullptr;
}

bool TvxVeneer::SkinEffects() const
{
    return m_skin_data && m_skin_data->EnableSkinEffects();
}

bool TvxVeneer::IsFormActive() const
{
    return m_form->Active();
}

std::string TvxVeneer::FormCaption() const
{
    return m_form->Caption();
}

bool TvxVeneer::HasSkinFrame() const
{
    return m_skin_active && TvxFrameGeometry::HasSkinFrame(m_skin_data);
}

int TvxVeneer::CaptionHeight() const
{
    TFormBorderStyle style = m_form->BorderStyle();
    return BuiltInCaptionHeight(style == bsToolWindow || style == bsSizeToolWin);
}

TPoint TvxVeneer::MinimumSize() const
{
    const bool minimized = m_frame_state == TvxFrameState::Minimized;
    if (HasSkinFrame()) {
        const TBitmap& picture = m_skin_data->Picture();
        const TvxSkinFormInfo& f = m_skin_data->FormInfo();
        int w = picture.Width() < m_min_width && !minimized ? m_min_width
            : f.formminwidth > 0                            ? f.formminwidth
                                                            : picture.Width();
        int frame = picture.Height() - f.clientrect.Height();
        int h = frame >= m_min_height || m_rolled_up || minimized ? frame : m_min_height;
        return { w, h };
    }
    int frame = CaptionHeight() + 6;
    return { m_min_width > 0 ? m_min_width : 130,
        frame >= m_min_height || m_rolled_up || minimized ? frame : m_min_height };
}

TPoint TvxVeneer::MaximumSize() const
{
    MONITORINFO info;
    HMONITOR monitor = Wm().MonitorFromWindow(FormHandle(), MONITOR_DEFAULTTONEAREST);
    // A work area with no room counts as the whole monitor, as in maximising.
    TRect area = Wm().GetMonitorInfo(monitor, info)
        ? (m_maximize_on_full_screen || info.rcWork.IsEmpty() ? info.rcMonitor : info.rcWork)
        : Wm().Backend().ScreenRect();
    TPoint size { area.Width(), area.Height() };
    if (m_max_width > 0)
        size.x = std::min(size.x, m_max_width);
    if (m_max_height > 0)
        size.y = std::min(size.y, m_max_height);
    return size;
}

TPoint TvxVeneer::SmallIconSize() const
{
    int x = Wm().GetSystemMetrics(SM_CXSMICON), y = Wm().GetSystemMetrics(SM_CYSMICON);
    return { x ? x : Wm().GetSystemMetrics(SM_CXSIZE), y ? y : Wm().GetSystemMetrics(SM_CYSIZE) };
}

void TvxVeneer::LayoutObjects()
{
    TvxFrameLayout::Layout(
        *m_skin_data, m_geometry, m_objects.All(), ClientMode(), SmallIconSize(), m_show_icon);
    LayoutMainMenuItems();
}

void TvxVeneer::RefreshSize()
{
    m_geometry.W = m_form->Width();
    m_geometry.H = m_form->Height();
}

void TvxVeneer::ApplySkin()
{
    m_objects.ForgetTracking();
    m_skin_active = m_skin_data && !m_skin_data->Empty();
    m_objects.Clear();
    if (m_skin_active && m_skinnable && ClientMode())
        FitClientToSkin();
    if (m_skin_active && m_skinnable) {
        for (int i = 0; i < m_skin_data->ObjectCount(); ++i)
            m_objects.Add(TvxFrameObjectFactory::Create(*this, *m_skin_data->ObjectList(i)));
        BuildMainMenuItems();
        UpdateObjectVisibility();
    } else {
        RefreshSize();
        UpdateWindowRegion(true);
    }
    if (m_skinnable)
        m_form->SetBorderIcons(0);
    HWND hwnd = FormHandle();
    if (hwnd) {
        // The form at least its minimum size, and the frame's size asked for again.
        TPoint least = MinimumSize();
        int w = std::max(m_form->Width(), least.x), h = std::max(m_form->Height(), least.y);
        if (w != m_form->Width() || h != m_form->Height())
            m_form->SetBounds(m_form->Left(), m_form->Top(), w, h);
        Wm().SetWindowPos(hwnd, {}, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    RefreshSize();
    CollectAnchoredControls();
    if (m_skin_active)
        Update(true);
    m_form->Invalidate();
    UpdateActivation(true);
    if (OnChangeSkinData)
        OnChangeSkinData(this);
    if (!m_rolled_up && m_client_width > 0 && m_client_height > 0 && hwnd) {
        TRect client = Wm().GetClientRect(hwnd);
        m_form->SetBounds(m_form->Left(), m_form->Top(), m_form->Width() + m_client_width - client.Width(),
            m_form->Height() + m_client_height - client.Height());
    }
}

void TvxVeneer::UpdateObjectVisibility()
{
    for (TvxActiveSkinObject* object : m_objects.All()) {
        auto* button = dynamic_cast<TvxSkinStdButtonObject*>(object);
        auto* animate = dynamic_cast<TvxSkinAnimateObject*>(object);
        if (!button && !animate)
            continue;
        if (m_hide_caption_buttons) {
            object->SetEnabled(false);
            object->SetVisible(!object->InPicture());
            continue;
        }
        if (animate && !animate->ButtonStyle())
            continue;
        TvxFrameCommand command = button ? button->Command() : animate->Command();
        bool enabled = true;
        switch (command) {
        case cmclose:
            continue;
        case cmmaximize:
            enabled = m_border_icons & biMaximize;
            break;
        case cmminimize:
            enabled = m_border_icons & biMinimize;
            break;
        case cmsysmenu:
            enabled = m_border_icons & biSystemMenu;
            break;
        case cmrollup:
            enabled = m_border_icons & biRollUp;
            break;
        case cmminimizetotray:
            enabled = m_border_icons & biMinimizeToTray;
            break;
        default:
            // A custom command shows only when the program says so.
            if (!button)
                continue;
            enabled = false;
            if (OnActivateCustomObject)
                OnActivateCustomObject(object->IDName(), enabled);
            object->SetEnabled(enabled);
            object->SetVisible(enabled);
            continue;
        }
        object->SetEnabled(enabled);
        object->SetVisible(enabled || !object->InPicture());
    }
    // The first caption shows the form's title when none is set to.
    TvxSkinCaptionObject* first = nullptr;
    bool any_default = false;
    for (TvxActiveSkinObject* object : m_objects.All())
        if (auto* caption = dynamic_cast<TvxSkinCaptionObject*>(object)) {
            any_default = any_default || caption->DefaultCaption();
            first = first ? first : caption;
        }
    if (first && !any_default)
        first->SetDefaultCaption(true);
    UpdateObjectHints();
}

void TvxVeneer::Update(bool layout)
{
    if (!m_skin_data || m_skin_data->Empty() || HasState(csDesigning))
        return;
    if (m_skinnable) {
        m_geometry = TvxFrameGeometry::Compute(*m_skin_data, m_geometry.W, m_geometry.H);
        if (layout)
            LayoutObjects();
    }
    UpdateWindowRegion(layout);
    if (OnChangeClientRect)
        OnChangeClientRect(m_geometry.NewClient);
    HWND hwnd = FormHandle();
    if (hwnd && !ClientMode() && !Wm().GetWindowRgn(hwnd))
        RepaintFrame();
    if (hwnd && ClientMode()) {
        m_form->Invalidate();
        PlaceAnchoredControls();
    }
}

void TvxVeneer::UpdateWindowRegion(bool resizing)
{
    HWND hwnd = FormHandle();
    if (!hwnd)
        return;
    if (!m_skinnable || (m_form->BorderStyle() == bsNone && !ClientMode())) {
        m_shape.Clear();
        if (Wm().GetWindowRgn(hwnd))
            Wm().SetWindowRgn(hwnd, nullptr);
        return;
    }
    m_shape.Build(m_skin_active ? m_skin_data : nullptr, m_geometry, resizing);
    Wm().SetWindowRgn(hwnd, m_shape.TakeRegion());
}

void TvxVeneer::UpdateActivation(bool repaint)
{
    bool active = IsFormActive();
    for (TvxActiveSkinObject* object : m_objects.All()) {
        auto* caption = dynamic_cast<TvxSkinCaptionObject*>(object);
        if (!caption || !m_objects.Belongs(*caption))
            continue;
        if (repaint) {
            if (ClientMode())
                caption->SetActive(active);
            if (caption->HasAnimation()) {
                caption->StartAnimation(active);
                StartAnimationTimer();
            }
            if (ClientMode() || !caption->ActiveRect().IsEmpty() || caption->HasAnimation())
                DrawObjectNow(*caption);
        } else if (caption->MorphingEnabled()) {
            caption->SetMorphFactor(active ? 1 : 0);
        }
    }
    TNotifyEvent& event = active ? OnActivate : OnDeActivate;
    if (event)
        event(this);
}

void TvxVeneer::SetSkinnable(bool value)
{
    if (value == m_skinnable || HasState(csDesigning))
        return;
    HWND hwnd = FormHandle();
    // A maximised form is restored for the change of frames and maximised again in
    // the new one: by the controller in the skin's frame, by the window system in its own.
    bool zoomed = hwnd && Wm().IsZoomed(hwnd);
    bool maximized = hwnd && (m_frame_state == TvxFrameState::Maximized || zoomed);
    bool shown = hwnd && Wm().IsWindowVisible(hwnd);
    if (zoomed) {
        Wm().ShowWindow(hwnd, SW_HIDE);
        Wm().ShowWindow(hwnd, SW_RESTORE);
    } else if (maximized) {
        if (!m_restore_bounds.IsEmpty())
            m_form->SetBoundsRect(m_restore_bounds);
        m_restore_bounds = {};
    }
    m_frame_state = TvxFrameState::Normal;
    m_skinnable = value;
    ApplySkin();
    TvxSkinControls::AfterChange(*m_form, nullptr);
    if (hwnd)
        Wm().SetWindowPos(hwnd, {}, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    if (maximized && m_skinnable)
        SetFrameState(TvxFrameState::Maximized);
    else if (maximized)
        Wm().ShowWindow(hwnd, SW_SHOWMAXIMIZED);
    if (shown && !Wm().IsWindowVisible(hwnd))
        Wm().ShowWindow(hwnd, SW_SHOW);
}

} // namespace tessel
