#include "tessel/platform/TShellNotify.h"

#include "tessel/platform/Messages.h"
#include "tessel/platform/TNotificationArea.h"
#include "tessel/platform/TWindowManager.h"

#include <algorithm>
#include <map>
#include <utility>

namespace tessel {

namespace {

struct TOwned {
    HWND owner = 0;
    uint32_t uid = 0;
    uint32_t callback = 0;
};

// The icons of the tray now in use, by the tray's own ids. A new backend (a new
// window system in a test) starts a new table.
struct TRegistry {
    TNotificationArea* area = nullptr;
    std::map<uint32_t, TOwned> icons;
    uint32_t next_id = 1;

    uint32_t Find(HWND owner, uint32_t uid) const
    {
        for (const auto& [id, icon] : icons)
            if (icon.owner == owner && icon.uid == uid)
                return id;
        return 0;
    }
};

TRegistry& Registry()
{
    // Never destroyed: icons freed at exit still leave it.
    static auto& registry = *new TRegistry;
    return registry;
}

void Deliver(const TNotificationArea::TEvent& event)
{
    TRegistry& r = Registry();
    auto it = r.icons.find(event.id);
    TWindowManager& wm = TWindowManager::Instance();
    if (it == r.icons.end() || !wm.IsWindow(it->second.owner) || !it->second.callback)
        return;
    wm.Input().SetCursorPos(event.at);
    wm.PostMessage(it->second.owner, it->second.callback, it->second.uid, event.message);
}

void HostStarted()
{
    TWindowManager& wm = TWindowManager::Instance();
    uint32_t created = wm.RegisterWindowMessage("TaskbarCreated");
    std::vector<HWND> told;
    for (const auto& [id, icon] : Registry().icons)
        if (wm.IsWindow(icon.owner) && std::find(told.begin(), told.end(), icon.owner) == told.end()) {
            told.push_back(icon.owner);
            wm.PostMessage(icon.owner, created);
        }
}

} // namespace

TNotificationArea* TShellNotify::Area()
{
    TNotificationArea* area = TWindowManager::Instance().Backend().NotificationArea();
    TRegistry& r = Registry();
    if (area != r.area) {
        r = TRegistry();
        r.area = area;
        if (area) {
            area->OnEvent = Deliver;
            area->OnHostStarted = HostStarted;
        }
    }
    return area;
}

bool TShellNotify::TrayAvailable()
{
    TNotificationArea* area = Area();
    return area && area->Available();
}

bool TShellNotify::NotifyIcon(uint32_t message, const NOTIFYICONDATA& data)
{
    TNotificationArea* area = Area();
    if (!area || !data.hWnd)
        return false;
    TRegistry& r = Registry();
    uint32_t id = r.Find(data.hWnd, data.uID);
    TNotificationArea::TIcon icon;
    switch (message) {
    case NIM_ADD:
        if (!id)
            id = r.next_id++;
        r.icons[id] = { data.hWnd, data.uID, (data.uFlags & NIF_MESSAGE) ? data.uCallbackMessage : 0 };
        break;
    case NIM_MODIFY:
        if (!id)
            return false;
        if (data.uFlags & NIF_MESSAGE)
            r.icons[id].callback = data.uCallbackMessage;
        break;
    case NIM_DELETE:
        if (!id)
            return false;
        r.icons.erase(id);
        return area->Delete(id);
    default:
        return false;
    }
    if (!area->Available())
        return false;
    icon.id = id;
    if (data.uFlags & NIF_ICON)
        icon.picture = data.hIcon;
    if (data.uFlags & NIF_TIP)
        icon.tip = data.szTip;
    return message == NIM_ADD ? area->Add(icon) : area->Modify(icon);
}

} // namespace tessel
