#include "tessel/framework/TPopupMenu.h"

#include "tessel/framework/TMenuTracker.h"
#include "tessel/framework/TPopupList.h"
#include "tessel/platform/TWindowManager.h"

namespace tessel {

TPopupMenu::TPopupMenu(TComponent* owner)
    : TMenu(owner)
{
    TPopupList::Instance().Add(this);
}

TPopupMenu::~TPopupMenu()
{
    TMenuTracker::Instance().MenuGone(&Items());
    TPopupList::Instance().Remove(this);
}

void TPopupMenu::SetPopupComponent(TComponent* component)
{
    SetReference(m_popup_component, component);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation)
{
    TMenu::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_popup_component)
        m_popup_component = nullptr;
}

void TPopupMenu::DoPopup()
{
    if (OnPopup)
        OnPopup(this);
}

void TPopupMenu::DoClose()
{
    if (OnClose)
        OnClose(this);
}

void TPopupMenu::Popup(int x, int y)
{
    m_popup_point = { x, y };
    DoPopup();
    TMenuTracker::Instance().Open(
        Items(), Images(), { x, y },
        [](TMenuItem* item) {
            // An item without a command number (past the 65,535) is clicked itself.
            if (item->Command() == 0)
                item->Click();
            else
                TWindowManager::Instance().SendMessage(
                    TPopupList::Instance().Window(), WM_COMMAND, item->Command());
        },
        [this] { DoClose(); });
}

} // namespace tessel
