#include "tessel/skin/menus/TvxSkinPopupMenu.h"

#include "tessel/framework/TApplication.h"
#include "tessel/framework/TControl.h"
#include "tessel/framework/TCustomForm.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/menus/TvxMenuHost.h"
#include "tessel/skin/menus/TvxSkinMenu.h"

namespace tessel {

TvxSkinPopupMenu::TvxSkinPopupMenu(TComponent* owner)
    : TPopupMenu(owner)
{ }

TvxSkinPopupMenu::~TvxSkinPopupMenu()
{
    // A menu of this one still open goes with it, without its events.
    if (m_engine && m_engine->Visible() && m_engine->Root() == &Items()) {
        m_engine->SetCloseHandler(nullptr);
        m_engine->CloseMenus();
    }
    SetEngine(nullptr);
    SetSkinData(nullptr);
    SetComponentForm(nullptr);
}

void TvxSkinPopupMenu::SetSkinData(TvxSkinData* skin_data)
{
    SetReference(m_skin_data, skin_data);
}

void TvxSkinPopupMenu::SetEngine(TvxSkinMenu* engine)
{
    SetReference(m_engine, engine);
}

void TvxSkinPopupMenu::SetComponentForm(TCustomForm* form)
{
    SetReference(m_component_form, form);
}

void TvxSkinPopupMenu::Notification(TComponent* component, TOperation operation)
{
    TPopupMenu::Notification(component, operation);
    if (operation == TOperation::opRemove) {
        if (component == m_skin_data)
            m_skin_data = nullptr;
        if (component == m_component_form)
            m_component_form = nullptr;
        if (component == m_engine)
            m_engine = nullptr;
    }
}

TvxMenuHost* TvxSkinPopupMenu::FindHost() const
{
    TCustomForm* form = m_component_form;
    if (!form)
        form = dynamic_cast<TCustomForm*>(Owner());
    if (!form && Owner())
        form = dynamic_cast<TCustomForm*>(Owner()->Owner());
    if (!form)
        return nullptr;
    if (form->FormStyle() == fsMDIChild && Application().MainForm())
        form = Application().MainForm();
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* host = dynamic_cast<TvxMenuHost*>(form->Components(i)))
            return host;
    return nullptr;
}

void TvxSkinPopupMenu::Show(TControl* control, const TRect& anchor, bool above)
{
    DoPopup();
    TvxMenuHost* host = FindHost();
    if (!host)
        return;
    if (!m_skin_data)
        SetSkinData(host->MenusSkinData());
    TvxSkinMenu& engine = host->SkinMenu();
    SetEngine(&engine);
    m_popup_point = { anchor.left, anchor.top };
    engine.ShowMenu(control, m_skin_data, above, Items(), anchor, 0);
    // The close handler of this popup: the menu's own events, once.
    engine.SetCloseHandler([this] {
        if (OnMenuClose)
            OnMenuClose(this);
        DoClose();
    });
    if (!engine.Visible())
        engine.CloseFromLevel(0);
}

void TvxSkinPopupMenu::Popup(int x, int y)
{
    Show(nullptr, { x, y, x, y }, false);
}

void TvxSkinPopupMenu::PopupUnder(TControl* control, const TRect& anchor, bool above)
{
    Show(control, anchor, above);
}

void TvxSkinPopupMenu::PopupAt(const TRect& anchor, bool above)
{
    Show(nullptr, anchor, above);
}

} // namespace tessel
