#pragma once

#include "tessel/platform/TMessage.h"

#include <functional>
#include <map>

namespace tessel {

class TWindowManager;

// Native widgets of the desktop (embedded web views) shown over the client area of
// a host window. After every change to any window each view is placed again over
// what is visible of its host's client area (within every ancestor's client area),
// and hidden while its host is hidden, minimised or gone; its owner is told when it
// comes on the screen or leaves it.
class TNativeViews {
public:
    explicit TNativeViews(TWindowManager& wm)
        : m_wm(wm)
    { }

    // view is the backend's own widget handle; shown hears of its visibility.
    void Attach(void* view, HWND host, std::function<void(bool)> shown = {});
    void Detach(void* view);
    HWND Host(void* view) const;
    void Update();
    bool Empty() const { return m_views.empty(); }

private:
    // Places one view over its living host; whether it is on the screen.
    bool Place(void* view, HWND host);

    TWindowManager& m_wm;
    struct TPlace {
        HWND host = 0;
        std::function<void(bool)> shown;
        bool visible = false;
    };
    std::map<void*, TPlace> m_views;
    bool m_updating = false;
};

} // namespace tessel
