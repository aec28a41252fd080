#include "skin/menus/TvxSkinPopupMenu.h"

#include "framework/TControl.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/TvxSkinData.h"

namespace tessel {

TvxSkinPopupMenu::TvxSkinPopupMenu(TComponent* owner)
    : TPopupMenu(owner)
{ }

TvxSkinPopupMenu::~TvxSkinPopupMenu()
{
    SetSkinData(nullptr);
    SetPopupControl(nullptr);
}

void TvxSkinPopupMenu::SetSkinData(TvxSkinData* skin_data)
{
    SetReference(m_skin_data, skin_data);
}

void TvxSkinPopupMenu::SetPopupControl(TControl* control)
{
    SetReference(m_popup_control, control);
}

void TvxSkinPopupMenu::PopupUnder(TControl* control, const TRect& anchor)
{
    SetPopupControl(control);
    Popup(anchor.left, anchor.bottom);
}

void TvxSkinPopupMenu::DoClose()
{
    TControl* control = m_popup_control;
    SetPopupControl(nullptr);
    if (control)
        control->Perform(SkinMenuClosedNotice, 0, 0);
    TPopupMenu::DoClose();
}

void TvxSkinPopupMenu::Notification(TComponent* component, TOperation operation)
{
    TPopupMenu::Notification(component, operation);
    if (operation == TOperation::opRemove) {
        if (component == m_skin_data)
            m_skin_data = nullptr;
        if (component == m_popup_control)
            m_popup_control = nullptr;
    }
}

} // namespace tessel
