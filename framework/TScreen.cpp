#include "framework/TScreen.h"

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
}

TScreen& Screen()
{
    static TScreen screen;
    return screen;
}

} // namespace tessel
