#include "skin/form/TvxVeneer.h"

#include "framework/Exception.h"
#include "framework/TCanvas.h"
#include "framework/TCustomForm.h"
#include "framework/TTimer.h"
#include "platform/TDeviceContext.h"
#include "platform/TSystemMetrics.h"
#include "platform/TWindowManager.h"
#include "skin/controls/TvxSkinControls.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/TvxSkinData.h"
#include "skin/form/TvxBuiltInFrameLook.h"
#include "skin/form/TvxClientBackground.h"
#include "skin/form/TvxFrameHitTest.h"
#include "skin/form/TvxFrameLayout.h"
#include "skin/form/TvxSkinFrameLook.h"
#include "skin/form/objects/TvxFrameObjectFactory.h"
#include "skin/form/objects/TvxSkinAnimateObject.h"
#include "skin/form/objects/TvxSkinCaptionObject.h"
#include "skin/form/objects/TvxSkinStdButtonObject.h"

#include <algorithm>

namespace tessel {

namespace {

std::unique_ptr<TTimer> MakeTimer(uint32_t interval, std::function<void()> tick)
{
    auto timer = std::make_unique<TTimer>();
    timer->SetEnabled(false);
    timer->SetInterval(interval);
    timer->SetOnTimer([tick = std::move(tick)](TComponent*) { tick(); });
    return timer;
}

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
{
    m_form->SetBorderIcons(0);
    m_form->SetAutoScroll(false);
    for (TFont* font : { &m_def_caption_font, &m_def_inactive_caption_font }) {
        font->SetName("Arial");
        font->SetHeight(14);
        font->SetStyle(fsBold);
    }
    m_def_caption_font.SetColor(clBtnText);
    m_def_inactive_caption_font.SetColor(clBtnShadow);
    m_morph_timer = MakeTimer(25, [this] { OnMorph(); });
    m_animation_timer = MakeTimer(25, [] {});
    m_hover_timer = MakeTimer(50, [this] { OnHover(); });
    m_command_message = Wm().RegisterWindowMessage("TvxVeneerCommand");
    m_objects.SetFilter([this](const TvxActiveSkinObject& object) {
        return ClientMode() ? object.RollUp() == m_rolled_up : !object.RollUp();
    });
    if (!HasState(csDesigning)) {
        m_saved = m_form->WindowProc();
        m_form->SetWindowProc([this](TMessage& message) { WindowProc(message); });
        // The window asks for its frame again: from now on it is ours.
        if (m_form->HandleAllocated())
            Wm().SetWindowPos(
                m_form->Handle(), {}, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
}

TvxVeneer::~TvxVeneer()
{
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
    RepaintFrame();
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
    TRect area = Wm().GetMonitorInfo(monitor, info)
        ? (m_maximize_on_full_screen ? info.rcMonitor : info.rcWork)
        : Wm().Backend().ScreenRect();
    TPoint size { area.Width(), area.Height() };
    if (m_max_width > 0)
        size.x = std::min(size.x, m_max_width);
    if (m_max_height > 0)
        size.y = std::min(size.y, m_max_height);
    return size;
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
    if (m_skin_active && m_skinnable) {
        for (int i = 0; i < m_skin_data->ObjectCount(); ++i)
            m_objects.Add(TvxFrameObjectFactory::Create(*this, *m_skin_data->ObjectList(i)));
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
        if (!button)
            continue;
        if (m_hide_caption_buttons) {
            button->SetEnabled(false);
            button->SetVisible(!button->InPicture());
            continue;
        }
        bool enabled = true;
        switch (button->Command()) {
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
            // A custom command shows only when the program asks for it.
            enabled = false;
            break;
        }
        button->SetEnabled(enabled);
        button->SetVisible(enabled || !button->InPicture());
    }
    // The first caption shows the form's title when none is set to.
    TvxSkinCaptionObject* first = nullptr;
    for (TvxActiveSkinObject* object : m_objects.All())
        if (auto* caption = dynamic_cast<TvxSkinCaptionObject*>(object)) {
            if (caption->DefaultCaption())
                return;
            first = first ? first : caption;
        }
    if (first)
        first->SetDefaultCaption(true);
}

void TvxVeneer::Update(bool layout)
{
    if (!m_skin_data || m_skin_data->Empty() || HasState(csDesigning))
        return;
    if (m_skinnable) {
        m_geometry = TvxFrameGeometry::Compute(*m_skin_data, m_geometry.W, m_geometry.H);
        if (layout) {
            int x = Wm().GetSystemMetrics(SM_CXSMICON), y = Wm().GetSystemMetrics(SM_CYSMICON);
            TPoint small { x ? x : Wm().GetSystemMetrics(SM_CXSIZE),
                y ? y : Wm().GetSystemMetrics(SM_CYSIZE) };
            TvxFrameLayout::Layout(
                *m_skin_data, m_geometry, m_objects.All(), ClientMode(), small, m_show_icon);
        }
    }
    UpdateWindowRegion(layout);
    if (OnChangeClientRect)
        OnChangeClientRect(m_geometry.NewClient);
    HWND hwnd = FormHandle();
    if (hwnd && !ClientMode() && !Wm().GetWindowRgn(hwnd))
        RepaintFrame();
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
            if (ClientMode() || !caption->ActiveRect().IsEmpty())
                DrawObjectNow(*caption);
        } else if (caption->MorphingEnabled()) {
            caption->SetMorphFactor(active ? 1 : 0);
        }
    }
    TNotifyEvent& event = active ? OnActivate : OnDeActivate;
    if (event)
        event(this);
}

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
        m_default_caption_rect = TvxFrameLayout::LayoutBuiltIn(
            m_geometry.W, scene.caption_height, tool ? 13 : 17, m_objects.All(), { 16, 16 }, m_show_icon);
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
        int x = Wm().GetSystemMetrics(SM_CXSMICON), y = Wm().GetSystemMetrics(SM_CYSMICON);
        TvxFrameLayout::Layout(*m_skin_data, m_geometry, m_objects.All(), false, { x, y }, m_show_icon);
        m_skin_look->Paint(dc, scene);
    } else {
        m_built_in_look->Paint(dc, scene);
    }
}

void TvxVeneer::DrawObjectNow(TvxActiveSkinObject& object)
{
    HWND hwnd = FormHandle();
    if (!hwnd || !m_objects.Belongs(object) || ClientMode() || m_form->BorderStyle() == bsNone)
        return;
    auto dc = Wm().GetWindowDC(hwnd);
    if (!dc)
        return;
    TCanvas canvas;
    canvas.SetHandle(dc.get());
    object.Draw(canvas, true);
    canvas.SetHandle(nullptr);
}

void TvxVeneer::StartMorphTimer()
{
    m_morph_timer->SetEnabled(true);
}

void TvxVeneer::StartAnimationTimer()
{
    m_animation_timer->SetEnabled(true);
}

void TvxVeneer::OnAnimate()
{
    bool running = false;
    for (TvxActiveSkinObject* object : m_objects.All())
        if (auto* animation = dynamic_cast<TvxSkinAnimateObject*>(object))
            running = animation->AnimationStep() || running;
    if (!running)
        m_animation_timer->SetEnabled(false);
}

void TvxVeneer::OnMorph()
{
    if (!m_objects.MorphStep())
        m_morph_timer->SetEnabled(false);
}

void TvxVeneer::OnHover()
{
    HWND hwnd = FormHandle();
    if (!hwnd || m_in_size_move) {
        m_hover_timer->SetEnabled(false);
        return;
    }
    TPoint p = ToWindow(Wm().Input().CursorPos());
    bool in_window = Wm().WindowFromPoint(Wm().Input().CursorPos()) == hwnd
        || (Wm().Input().GetCapture() == hwnd && TRect { 0, 0, m_geometry.W, m_geometry.H }.Contains(p));
    TRect client = HasSkinFrame() ? m_geometry.NewClient
                                  : TRect { 3, CaptionHeight() + 3, m_geometry.W - 3, m_geometry.H - 3 };
    if (in_window && !client.Contains(p)) {
        m_objects.Track(p);
        return;
    }
    // Off the frame: the hot object is left and, with nothing hot, nothing is left to
    // watch until the pointer comes back.
    m_objects.Track({ -1, -1 });
    if (!m_objects.Hot())
        m_hover_timer->SetEnabled(false);
}

int TvxVeneer::HitTest(TPoint p)
{
    TvxFrameHitTest test;
    test.sizeable = m_sizeable;
    test.rolled_up = m_rolled_up;
    test.minimized = m_frame_state == TvxFrameState::Minimized;
    test.maximized = m_frame_state == TvxFrameState::Maximized || Wm().IsZoomed(FormHandle());
    test.object_hot = m_objects.Hot() != nullptr;
    test.size_move = m_in_size_move;
    test.over_caption = [this](TPoint q) { return m_objects.OverCaption(q); };
    int hit = HasSkinFrame()
        ? test.Skinned(p, m_geometry, m_shape, m_skin_data->FormInfo().borderwidth)
        : test.BuiltIn(p, m_geometry.W, m_geometry.H, m_default_caption_rect, CaptionHeight());
    if (hit == HTOBJECT && !m_hover_timer->Enabled()) {
        m_objects.Track(p);
        m_hover_timer->SetEnabled(true);
    }
    return hit;
}

void TvxVeneer::RunCommand(TvxFrameCommand command)
{
    // Commands run from the queue: the object that asked may go with what they do.
    if (HWND hwnd = FormHandle())
        Wm().PostMessage(hwnd, m_command_message, static_cast<WPARAM>(command), 0);
}

void TvxVeneer::ExecuteCommand(TvxFrameCommand command)
{
    switch (command) {
    case cmclose:
        m_form->Close();
        break;
    case cmmaximize:
        SetFrameState(
            m_frame_state == TvxFrameState::Maximized ? TvxFrameState::Normal : TvxFrameState::Maximized);
        break;
    case cmminimize:
        SetFrameState(TvxFrameState::Minimized);
        break;
    default:
        // Roll-up, the tray and the system menu come with the form's behaviours.
        break;
    }
}

void TvxVeneer::SetFrameState(TvxFrameState state)
{
    // Until the controller moves and sizes the window itself, the window system's
    // show states stand in for the frame states.
    HWND hwnd = FormHandle();
    if (!hwnd || state == m_frame_state)
        return;
    m_frame_state = state;
    m_objects.ResetMouseStates();
    Wm().ShowWindow(hwnd,
        state == TvxFrameState::Maximized       ? SW_SHOWMAXIMIZED
            : state == TvxFrameState::Minimized ? SW_MINIMIZE
                                                : SW_RESTORE);
}

void TvxVeneer::SetSkinnable(bool value)
{
    if (value == m_skinnable || HasState(csDesigning))
        return;
    HWND hwnd = FormHandle();
    // A maximised form is restored for the change of frames and maximised again in
    // the new one.
    bool maximized = hwnd && (m_frame_state == TvxFrameState::Maximized || Wm().IsZoomed(hwnd));
    bool shown = hwnd && Wm().IsWindowVisible(hwnd);
    if (maximized) {
        Wm().ShowWindow(hwnd, SW_HIDE);
        Wm().ShowWindow(hwnd, SW_RESTORE);
        m_frame_state = TvxFrameState::Normal;
    }
    m_skinnable = value;
    ApplySkin();
    TvxSkinControls::AfterChange(*m_form, nullptr);
    if (hwnd)
        Wm().SetWindowPos(hwnd, {}, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    if (maximized) {
        m_frame_state = TvxFrameState::Maximized;
        Wm().ShowWindow(hwnd, SW_SHOWMAXIMIZED);
    } else if (shown && !Wm().IsWindowVisible(hwnd)) {
        Wm().ShowWindow(hwnd, SW_SHOW);
    }
}

void TvxVeneer::WindowProc(TMessage& message)
{
    if (!Handle(message))
        CallSaved(message);
}

bool TvxVeneer::Handle(TMessage& message)
{
    const bool nonclient = !ClientMode();
    if (message.Msg == m_command_message && m_command_message) {
        ExecuteCommand(static_cast<TvxFrameCommand>(message.WParam));
        return true;
    }
    switch (message.Msg) {
    case SkinChangingNotice:
        if (reinterpret_cast<TvxSkinData*>(message.WParam) != m_skin_data)
            return false;
        m_skin_changing = true;
        m_skin_active = false;
        m_morph_timer->SetEnabled(false);
        m_hover_timer->SetEnabled(false);
        m_objects.Clear();
        TvxSkinControls::BeforeChange(*m_form, m_skin_data);
        return true;
    case SkinChangedNotice: {
        m_skin_changing = false;
        auto* store = reinterpret_cast<TvxSkinData*>(message.WParam);
        if (store == m_skin_data)
            ApplySkin();
        TvxSkinControls::AfterChange(*m_form, store);
        return true;
    }
    case SkinnableChangedNotice:
        if (reinterpret_cast<TvxSkinData*>(message.WParam) == m_skin_data && m_skin_data)
            SetSkinnable(m_skin_data->SkinnableForm());
        return true;
    default:
        break;
    }
    if (!m_skinnable)
        return false;
    switch (message.Msg) {
    case WM_DESTROY:
        m_morph_timer->SetEnabled(false);
        m_hover_timer->SetEnabled(false);
        m_animation_timer->SetEnabled(false);
        return false;
    case WM_NCCALCSIZE: {
        auto* r = reinterpret_cast<TRect*>(message.LParam);
        if (!r || !nonclient || m_form->BorderStyle() == bsNone)
            return true;
        if (HasSkinFrame()) {
            const TvxSkinFormInfo& f = m_skin_data->FormInfo();
            const TBitmap& p = m_skin_data->Picture();
            r->left += f.clientrect.left;
            r->top += f.clientrect.top;
            r->right += f.clientrect.right - p.Width();
            r->bottom += f.clientrect.bottom - p.Height();
        } else {
            r->left += kBuiltInBorder;
            r->top += CaptionHeight() + kBuiltInBorder;
            r->right -= kBuiltInBorder;
            r->bottom -= kBuiltInBorder;
        }
        r->right = std::max(r->right, r->left);
        r->bottom = std::max(r->bottom, r->top);
        message.Result = 0;
        return true;
    }
    case WM_NCPAINT:
        if (HWND hwnd = FormHandle(); hwnd && nonclient)
            if (auto dc = Wm().GetWindowDC(hwnd))
                PaintFrame(*dc);
        return true;
    case WM_NCACTIVATE:
        message.Result = 1;
        RepaintFrame();
        UpdateActivation(true);
        return true;
    case WM_ACTIVATE:
        CallSaved(message);
        RepaintFrame();
        if (nonclient)
            m_objects.ResetMouseStates();
        UpdateActivation(true);
        return true;
    case WM_SETTEXT:
    case CM_TEXTCHANGED:
        // The title changed, through the window system or the framework.
        CallSaved(message);
        if (m_form->BorderStyle() != bsNone)
            RepaintFrame();
        return true;
    case WM_ERASEBKGND:
        if (message.WParam && nonclient)
            TvxClientBackground::Paint(*reinterpret_cast<TDeviceContext*>(message.WParam), LoadedSkin(),
                Wm().GetClientRect(FormHandle()), m_geometry, m_logo, m_logo_transparent);
        message.Result = 1;
        return true;
    case WM_NCHITTEST:
        if (!nonclient || m_form->BorderStyle() == bsNone)
            return false;
        message.Result = HitTest(ToWindow(PointFromParam(message.LParam)));
        return true;
    case WM_GETMINMAXINFO: {
        CallSaved(message);
        if (auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam)) {
            TPoint least = MinimumSize(), most = MaximumSize();
            info->ptMinTrackSize = least;
            info->ptMaxTrackSize = { std::max(least.x, most.x), std::max(least.y, most.y) };
        }
        return true;
    }
    case WM_SIZE:
        CallSaved(message);
        RefreshSize();
        if (m_skin_active) {
            TPoint least = MinimumSize();
            if (nonclient && m_geometry.W >= least.x && m_geometry.H >= least.y)
                Update(true);
        } else if (nonclient) {
            RepaintFrame();
            UpdateWindowRegion(true);
        }
        if (!m_logo.Empty())
            m_form->Invalidate();
        return true;
    case WM_SHOWWINDOW:
        CallSaved(message);
        // The window exists now: the frame's geometry and shape for its size.
        if (message.WParam && FormHandle()) {
            RefreshSize();
            if (m_skin_active)
                Update(true);
            else
                UpdateWindowRegion(true);
            RepaintFrame();
        }
        return true;
    case WM_ENTERSIZEMOVE: {
        CallSaved(message);
        m_objects.ResetMouseStates();
        m_hover_timer->SetEnabled(false);
        m_in_size_move = m_size_move_started = true;
        int full = 1;
        m_full_drag = Wm().SystemParametersInfo(SPI_GETDRAGFULLWINDOWS, &full) ? full != 0 : true;
        return true;
    }
    case WM_SIZING: {
        // A live resize re-lays the frame at each step; the WM_SIZE after it is the
        // window system's.
        CallSaved(message);
        auto* r = reinterpret_cast<TRect*>(message.LParam);
        if (!r || !m_in_size_move || !m_full_drag)
            return true;
        m_geometry.W = r->Width();
        m_geometry.H = r->Height();
        if (!m_skin_active) {
            UpdateWindowRegion(true);
            return true;
        }
        TPoint least = MinimumSize();
        if (nonclient && m_form->Width() >= least.x && m_form->Height() >= least.y
            && (m_geometry.W != m_form->Width() || m_geometry.H != m_form->Height()))
            Update(true);
        return true;
    }
    case WM_EXITSIZEMOVE:
        CallSaved(message);
        m_hover_timer->SetEnabled(false);
        m_objects.ForgetTracking();
        m_in_size_move = false;
        RepaintFrame();
        return true;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCRBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        if (message.Msg == WM_NCLBUTTONDOWN)
            m_size_move_started = false;
        CallSaved(message);
        if (nonclient)
            RouteMouse(message);
        return true;
    default:
        return false;
    }
}

void TvxVeneer::RouteMouse(TMessage& message)
{
    HWND hwnd = FormHandle();
    if (!hwnd)
        return;
    const bool client_message = message.Msg == WM_LBUTTONUP || message.Msg == WM_RBUTTONUP;
    TPoint p = client_message ? TPoint { -1, -1 } : ToWindow(PointFromParam(message.LParam));
    const bool on_caption = message.WParam == HTCAPTION;
    auto down = [&](TMouseButtonKind button) {
        if (m_objects.MouseDown(p, button)) {
            TvxActiveSkinObject* captured = m_objects.Captured();
            if (captured && !dynamic_cast<TvxSkinCaptionObject*>(captured))
                Wm().Input().SetCapture(hwnd);
        }
    };
    auto up = [&](TMouseButtonKind button) {
        TvxActiveSkinObject* captured = m_objects.Captured();
        if (captured && !dynamic_cast<TvxSkinCaptionObject*>(captured) && Wm().Input().GetCapture() == hwnd)
            Wm().Input().ReleaseCapture();
        m_objects.MouseUp(p, button);
    };
    switch (message.Msg) {
    case WM_NCMOUSEMOVE:
        m_objects.MouseMove(p);
        break;
    case WM_NCLBUTTONDOWN:
        // A press that started a move or size loop has ended with it.
        if (m_size_move_started) {
            m_size_move_started = false;
            break;
        }
        down(mbLeft);
        if (on_caption)
            m_objects.ReleaseCapture();
        break;
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP:
        up(mbLeft);
        break;
    case WM_NCLBUTTONDBLCLK:
        down(mbLeft);
        m_objects.DblClick();
        if (on_caption) {
            m_objects.ReleaseCapture();
            if (m_sizeable && (m_border_icons & biMaximize))
                RunCommand(cmmaximize);
        }
        break;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
        down(mbRight);
        if (on_caption)
            m_objects.ReleaseCapture();
        break;
    case WM_NCRBUTTONUP:
    case WM_RBUTTONUP:
        up(mbRight);
        break;
    default:
        break;
    }
}

} // namespace tessel
