#include "tessel/skin/hint/TvxSkinHint.h"

#include "tessel/framework/TCustomForm.h"
#include "tessel/framework/TTimer.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/skin/controls/TvxGraphicSkinControl.h"
#include "tessel/skin/controls/TvxSkinControl.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxPlatform.h"
#include "tessel/skin/hint/TvxSkinHintWindow.h"

#include <algorithm>
#include <vector>

namespace tessel {

namespace {

// Every hint component alive, oldest first.
std::vector<TvxSkinHint*>& Registry()
{
    // Never destroyed: hints freed at exit still leave it.
    static auto& hints = *new std::vector<TvxSkinHint*>;
    return hints;
}

} // namespace

TvxSkinHint::TvxSkinHint(TComponent* owner)
    : TComponent(owner)
    , m_window(std::make_unique<TvxSkinHintWindow>(nullptr))
    , m_timer(TTimer::Stopped(1000, [this] { OnTimer(); }))
{
    Registry().push_back(this);
    if (!HasState(csDesigning))
        Hook();
}

TvxSkinHint::~TvxSkinHint()
{
    std::erase(Registry(), this);
    m_timer->SetEnabled(false);
    SetReference(m_skin_data, static_cast<TvxSkinData*>(nullptr));
    // With the last one gone the program's hints are plain ones again.
    if (Registry().empty()) {
        Application().SetHintWindowClass(nullptr);
        Application().OnShowHint = nullptr;
    }
}

void TvxSkinHint::Hook()
{
    TApplication& app = Application();
    app.SetHintWindowClass([](TComponent* owner) { return std::make_unique<TvxSkinHintWindow>(owner); });
    // Toggled twice, so that the application's hint window is made anew of the class.
    app.SetShowHint(!app.ShowHint());
    app.SetShowHint(!app.ShowHint());
    app.OnShowHint = [](std::string& hint, bool& can_show, THintInfo& info) {
        if (TvxSkinHint* serving = Serving())
            serving->HandleShowHint(hint, can_show, info);
    };
    app.SetHintShortPause(100);
}

void TvxSkinHint::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_skin_data)
        m_skin_data = nullptr;
}

void TvxSkinHint::SetSkinData(TvxSkinData* data)
{
    SetReference(m_skin_data, data);
}

void TvxSkinHint::SetAlphaBlendSupport(bool value)
{
    m_alpha_blend_support = value && (HasState(csDesigning) || TvxPlatform::LayeredAlpha());
}

void TvxSkinHint::SetActive(bool value)
{
    m_active = value;
    if (!value)
        return;
    TCustomForm* main = Application().MainForm();
    for (TvxSkinHint* other : Registry())
        if (other != this && other->Owner() == main && main)
            other->m_active = false;
    if (!HasState(csDesigning))
        Hook();
}

TvxSkinHint* TvxSkinHint::Serving()
{
    TCustomForm* main = Application().MainForm();
    for (TvxSkinHint* hint : Registry())
        if (hint->m_active && main && hint->Owner() == main)
            return hint;
    return nullptr;
}

void TvxSkinHint::HandleShowHint(std::string& hint, bool& can_show, THintInfo& info)
{
    m_title.clear();
    m_image_index = 0;
    m_image_list = nullptr;
    if (auto* control = dynamic_cast<TvxSkinControl*>(info.HintControl)) {
        m_title = control->HintTitle();
        m_image_index = control->HintImageIndex();
        m_image_list = control->HintImageList();
    } else if (auto* graphic = dynamic_cast<TvxGraphicSkinControl*>(info.HintControl)) {
        m_title = graphic->HintTitle();
        m_image_index = graphic->HintImageIndex();
        m_image_list = graphic->HintImageList();
    }
    if (OnShowHint)
        OnShowHint(hint, can_show, info);
}

void TvxSkinHint::ShowCursorHint(const std::string& text)
{
    m_timer->SetEnabled(false);
    m_pending = text;
    m_title.clear();
    m_image_list = nullptr;
    m_image_index = 0;
    m_shown_by_timer = false;
    m_timer->SetInterval(static_cast<uint32_t>(std::max(1, Application().HintPause())));
    m_timer->SetEnabled(true);
}

void TvxSkinHint::OnTimer()
{
    m_timer->SetEnabled(false);
    if (m_shown_by_timer) {
        HideHint();
        return;
    }
    TPoint cursor = Wm().Input().CursorPos();
    m_window->ActivateWith(*this, cursor, CursorHeight(), m_pending);
    m_shown_by_timer = true;
    m_timer->SetInterval(static_cast<uint32_t>(std::max(1, Application().HintHidePause())));
    m_timer->SetEnabled(true);
}

void TvxSkinHint::HideHint()
{
    m_timer->SetEnabled(false);
    m_shown_by_timer = false;
    if (m_window->HandleAllocated() && m_window->Visible()) {
        m_window->ReleaseHandle();
        m_title.clear();
        m_image_list = nullptr;
        m_image_index = 0;
    }
}

int TvxSkinHint::CursorHeight() const
{
    // The platform gives no cursor masks to measure: the cursor's standard height.
    return Wm().GetSystemMetrics(SM_CYCURSOR);
}

} // namespace tessel
