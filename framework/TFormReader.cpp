#include "tessel/framework/TFormReader.h"

namespace tessel {

TFormReader::TFormReader(TCustomForm& form)
    : m_form(form)
{
    form.BeginLoading();
}

TFormReader::~TFormReader()
{
    // A description that failed half-way leaves no component in the loading state.
    if (!m_ended) {
        m_form.Loaded();
        for (TComponent* c : m_loaded)
            c->Loaded();
    }
}

void TFormReader::End()
{
    auto fixups = std::move(m_fixups);
    for (auto& resolve : fixups)
        resolve();
    m_ended = true;
    m_form.Loaded();
    for (TComponent* c : m_loaded)
        c->Loaded();
    m_form.DoCreate();
}

} // namespace tessel
