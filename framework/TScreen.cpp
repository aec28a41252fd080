#include "tessel/framework/TScreen.h"

#include "tessel/framework/TCustomForm.h"
#include "tessel/platform/TWindowManager.h"

#include <algorithm>

namespace tessel {

void TScreen::AddForm(TCustomForm* form)
{
    if (std::find(m_forms.begin(), m_forms.end(), form) == m_forms.end())
        m_forms.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form)
{
    std::erase(m_forms, form);
    if (m_active_form == form) {
        m_active_form = nullptr;
        m_active_control = nullptr;
    }
}

void TScreen::FormActivated(TCustomForm* form)
{
    auto it = std::find(m_forms.begin(), m_forms.end(), form);
    if (it == m_forms.end())
        return;
    m_forms.erase(it);
    m_forms.insert(m_forms.begin(), form);
    m_active_form = form;
    m_active_control = form->ActiveControl();
}

void TScreen::ControlRemoved(TControl* control)
{
    for (const TControl* c = m_active_control; c; c = c->Parent())
        if (c == control) {
            m_active_control = nullptr;
            return;
        }
}

int TScreen::Width() const
{
    return TWindowManager::Instance().Backend().ScreenRect().Width();
}

int TScreen::Height() const
{
    return TWindowManager::Instance().Backend().ScreenRect().Height();
}

TRect TScreen::WorkAreaRect() const
{
    return TWindowManager::Instance().Backend().WorkArea();
}

int TScreen::MonitorCount() const
{
    return static_cast<int>(TWindowManager::Instance().Backend().Monitors().size());
}

TMonitor TScreen::Monitors(int index) const
{
    return TWindowManager::Instance().Backend().Monitors().at(static_cast<size_t>(index));
}

void TScreen::SetCursor(TCursor cursor)
{
    m_cursor = cursor;
    TWindowManager::Instance().Input().SetCursor(CursorToIdc(cursor));
}

TScreen& Screen()
{
    static TScreen screen;
    return screen;
}

} // namespace tessel
