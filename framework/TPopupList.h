#pragma once

#include "tessel/framework/TUtilityWindow.h"

#include <memory>
#include <vector>

namespace tessel {

class TPopupMenu;

// Every popup menu of the program and the window their commands are sent to: a
// WM_COMMAND there is handed to each menu's command dispatch until one runs it.
class TPopupList {
public:
    static TPopupList& Instance();

    void Add(TPopupMenu* menu);
    void Remove(TPopupMenu* menu);
    HWND Window();

private:
    bool WndProc(TMessage& message);

    std::vector<TPopupMenu*> m_menus;
    std::unique_ptr<TUtilityWindow> m_window;
};

} // namespace tessel
