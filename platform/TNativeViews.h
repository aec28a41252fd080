#pragma once

#include "platform/TMessage.h"

#include <map>

namespace tessel {

class TWindowManager;

// Native widgets of the desktop (embedded web views) shown over the client area of
// a host window. After every change to any window each view is placed again over
// what is visible of its host's client area (within every ancestor's client area),
// and hidden while its host is hidden or gone.
class TNativeViews {
public:
    explicit TNativeViews(TWindowManager& wm)
        : m_wm(wm)
    { }

    // view is the backend's own widget handle.
    void Attach(void* view, HWND host);
    void Detach(void* view);
    HWND Host(void* view) const;
    void Update();
    bool Empty() const { return m_views.empty(); }

private:
    TWindowManager& m_wm;
    std::map<void*, HWND> m_views;
    bool m_updating = false;
};

} // namespace tessel
