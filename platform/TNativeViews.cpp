#include "tessel/platform/TNativeViews.h"

#include "tessel/platform/TWindowManager.h"

#include <algorithm>

namespace tessel {

void TNativeViews::Attach(void* view, HWND host, std::function<void(bool)> shown)
{
    m_views[view] = { host, std::move(shown), false };
    Update();
}

void TNativeViews::Detach(void* view)
{
    if (m_views.erase(view))
        m_wm.Backend().RemoveNativeView(view);
}

HWND TNativeViews::Host(void* view) const
{
    auto it = m_views.find(view);
    return it == m_views.end() ? 0 : it->second.host;
}

void TNativeViews::Update()
{
    if (m_updating)
        return;
    m_updating = true;
    std::vector<std::pair<std::function<void(bool)>, bool>> changes;
    for (auto& [view, place] : m_views) {
        bool visible = false;
        if (m_wm.IsWindow(place.host))
            visible = Place(view, place.host);
        else
            m_wm.Backend().PlaceNativeView(view, 0, {}, false);
        if (visible != place.visible && place.shown)
            changes.emplace_back(place.shown, visible);
        place.visible = visible;
    }
    m_updating = false;
    // Told last: an owner may change windows, which updates the views again.
    for (auto& [shown, visible] : changes)
        shown(visible);
}

bool TNativeViews::Place(void* view, HWND host)
{
    HWND root = m_wm.RootOf(host);
    TRect window = m_wm.GetWindowRect(root);
    // The host's client area, cut by every ancestor's, in the root window's coordinates.
    auto client_of = [&](HWND h) {
        TPoint origin = m_wm.ClientToScreen(h, { 0, 0 });
        TRect c = m_wm.GetClientRect(h);
        return TRect { origin.x - window.left, origin.y - window.top, origin.x - window.left + c.Width(),
            origin.y - window.top + c.Height() };
    };
    TRect r = client_of(host);
    for (HWND a = m_wm.GetParent(host); a; a = m_wm.GetParent(a))
        r = r.Intersect(client_of(a));
    bool visible = m_wm.IsWindowVisible(host) && !m_wm.IsIconic(root) && !r.IsEmpty();
    m_wm.Backend().PlaceNativeView(view, root, r, visible);
    return visible;
}

} // namespace tessel
