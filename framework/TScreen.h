#pragma once

#include <cstddef>
#include <vector>

namespace tessel {

class TCustomForm;

// The screen: the program's forms, front to back.
class TScreen {
public:
    int FormCount() const { return static_cast<int>(m_forms.size()); }
    TCustomForm* Forms(int index) const { return m_forms.at(static_cast<size_t>(index)); }

    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);

private:
    std::vector<TCustomForm*> m_forms;
};

// The one screen of the program.
TScreen& Screen();

} // namespace tessel
