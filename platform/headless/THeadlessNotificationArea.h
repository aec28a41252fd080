#pragma once

#include "tessel/platform/TNotificationArea.h"

#include <map>

namespace tessel {

// A tray host that records what it is told: the icons shown now and how many calls
// came. Tests click its icons, take the host away and start it again.
class THeadlessNotificationArea : public TNotificationArea {
public:
    bool Available() override { return m_running; }
    bool Add(const TIcon& icon) override
    {
        ++m_adds;
        if (!m_running)
            return false;
        m_icons[icon.id] = icon;
        return true;
    }
    bool Modify(const TIcon& icon) override
    {
        ++m_modifies;
        if (!m_running || !m_icons.count(icon.id))
            return false;
        m_icons[icon.id] = icon;
        return true;
    }
    bool Delete(uint32_t id) override { return m_icons.erase(id) > 0; }

    const std::map<uint32_t, TIcon>& Icons() const { return m_icons; }
    // The one icon shown, or null.
    const TIcon* Only() const { return m_icons.size() == 1 ? &m_icons.begin()->second : nullptr; }
    int Adds() const { return m_adds; }
    int Modifies() const { return m_modifies; }
    // The mouse on an icon (the only one when id is 0).
    void Mouse(uint32_t message, TPoint at, uint32_t id = 0)
    {
        if (!id && !m_icons.empty())
            id = m_icons.begin()->first;
        if (OnEvent)
            OnEvent({ id, message, at });
    }
    // The host goes away with every icon, or starts again empty and says so.
    void Stop()
    {
        m_running = false;
        m_icons.clear();
    }
    void Start()
    {
        m_running = true;
        m_icons.clear();
        if (OnHostStarted)
            OnHostStarted();
    }

private:
    bool m_running = true;
    std::map<uint32_t, TIcon> m_icons;
    int m_adds = 0, m_modifies = 0;
};

} // namespace tessel
