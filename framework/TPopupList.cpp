#include "tessel/framework/TPopupList.h"

#include "tessel/framework/TPopupMenu.h"
#include "tessel/platform/TWindowManager.h"

#include <algorithm>

namespace tessel {

TPopupList& TPopupList::Instance()
{
    static TPopupList list;
    return list;
}

void TPopupList::Add(TPopupMenu* menu)
{
    m_menus.push_back(menu);
}

void TPopupList::Remove(TPopupMenu* menu)
{
    std::erase(m_menus, menu);
}

HWND TPopupList::Window()
{
    TWindowManager& wm = TWindowManager::Instance();
    if (!m_window || !wm.IsWindow(m_window->Handle()))
        m_window = std::make_unique<TUtilityWindow>([this](TMessage& m) { return WndProc(m); });
    return m_window->Handle();
}

bool TPopupList::WndProc(TMessage& message)
{
    if (message.Msg != WM_COMMAND)
        return false;
    auto command = static_cast<uint16_t>(LoWord(message.WParam));
    for (TPopupMenu* menu : std::vector<TPopupMenu*>(m_menus))
        if (std::find(m_menus.begin(), m_menus.end(), menu) != m_menus.end()
            && menu->DispatchCommand(command))
            break;
    return true;
}

} // namespace tessel
