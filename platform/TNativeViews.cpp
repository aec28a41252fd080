#include "platform/TNativeViews.h"

#include "platform/TWindowManager.h"

#include <algorithm>

namespace tessel {

void TNativeViews::Attach(void* view, HWND host)
{
    m_views[view] = host;
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
    return it == m_views.end() ? 0 : it->second;
}

void TNativeViews::Update()
{
    if (m_updating)
        return;
    m_updating = true;
    for (auto& [view, host] : m_views) {
        if (!m_wm.IsWindow(host)) {
            m_wm.Backend().PlaceNativeView(view, 0, {}, false);
            continue;
        }
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
        for (HWND a = m_wm.GetParent(host); a; a = m_wm.GetParent(a)) {
            TRect c = client_of(a);
            r = { std::max(r.left, c.left), std::max(r.top, c.top), std::min(r.right, c.right),
                std::min(r.bottom, c.bottom) };
        }
        bool visible = m_wm.IsWindowVisible(host) && !r.IsEmpty();
        m_wm.Backend().PlaceNativeView(view, root, r, visible);
    }
    m_updating = false;
}

} // namespace tessel
