#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/form/TvxVeneer.h"
#include "tessel/skin/form/objects/TvxSkinAnimateObject.h"
#include "tessel/skin/form/objects/TvxSkinStdButtonObject.h"
#include "tessel/skin/hint/TvxSkinHint.h"

namespace tessel {

// The hints of the frame's objects.

void TvxVeneer::SetSkinHint(TvxSkinHint* hint)
{
    HideObjectHint();
    SetReference(m_skin_hint, hint);
}

void TvxVeneer::SetUseDefaultObjectHint(bool value)
{
    m_use_default_object_hint = value;
    UpdateObjectHints();
}

void TvxVeneer::UpdateObjectHints()
{
    if (!m_use_default_object_hint || !m_skin_data)
        return;
    struct TText {
        TvxFrameCommand command;
        const char* name;
        const char* fallback;
    };
    static constexpr TText kTexts[] = { { cmclose, "CLOSEBUTTON_HINT", "Close" },
        { cmmaximize, "MAXBUTTON_HINT", "Maximize" }, { cmminimize, "MINBUTTON_HINT", "Minimize" },
        { cmsysmenu, "MENUBUTTON_HINT", "System menu" }, { cmrollup, "ROLLUPBUTTON_HINT", "Roll Up" },
        { cmminimizetotray, "TRAYBUTTON_HINT", "Minimize to Tray" } };
    for (TvxActiveSkinObject* object : m_objects.All()) {
        TvxFrameCommand command;
        if (auto* button = dynamic_cast<TvxSkinStdButtonObject*>(object))
            command = button->Command();
        else if (auto* animate = dynamic_cast<TvxSkinAnimateObject*>(object))
            command = animate->Command();
        else
            continue;
        for (const TText& text : kTexts)
            if (text.command == command)
                object->SetHint(FrameText(text.name, text.fallback));
    }
}

void TvxVeneer::ObjectHotChanged(TvxActiveSkinObject* previous, TvxActiveSkinObject* now)
{
    if (!m_show_object_hint || !m_skin_hint)
        return;
    if (previous && previous->Enabled() && previous->Visible() && !previous->Hint().empty())
        HideObjectHint();
    if (now && now->Enabled() && now->Visible() && IsFormActive() && !now->Hint().empty()) {
        m_skin_hint->ShowCursorHint(now->Hint());
        m_object_hint_shown = true;
    }
}

void TvxVeneer::HideObjectHint()
{
    if (!m_object_hint_shown)
        return;
    m_object_hint_shown = false;
    if (m_skin_hint)
        m_skin_hint->HideHint();
}

} // namespace tessel
