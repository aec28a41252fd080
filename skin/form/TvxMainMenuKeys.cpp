#include "tessel/skin/form/TvxMainMenuKeys.h"

#include "tessel/framework/ShortCuts.h"
#include "tessel/framework/TMenuItem.h"
#include "tessel/skin/form/TvxMainMenuEntry.h"

namespace tessel {

TvxMainMenuEntry* TvxMainMenuKeys::Current(const TEntries& entries)
{
    for (TvxMainMenuEntry* e : entries)
        if (e->IsDown())
            return e;
    for (TvxMainMenuEntry* e : entries)
        if (e->IsActive())
            return e;
    return nullptr;
}

bool TvxMainMenuKeys::Accelerator(const TEntries& entries, char32_t key, bool menu_open)
{
    for (TvxMainMenuEntry* e : entries) {
        if (!e->Reachable() || !IsAccel(key, e->MenuItem().Caption()))
            continue;
        e->Enter();
        if (!(menu_open && e->MenuItem().Count() > 0 && e->IsDown()))
            e->Press();
        return true;
    }
    return false;
}

void TvxMainMenuKeys::Step(const TEntries& entries, int step)
{
    const int n = static_cast<int>(entries.size());
    TvxMainMenuEntry* current = Current(entries);
    int from = -1;
    for (int i = 0; i < n; ++i)
        if (entries[static_cast<size_t>(i)] == current)
            from = i;
    for (int tries = 1; tries <= n; ++tries) {
        const int index = from < 0 ? (step > 0 ? tries - 1 : n - tries) : ((from + step * tries) % n + n) % n;
        TvxMainMenuEntry* next = entries[static_cast<size_t>(index)];
        if (!next->Reachable())
            continue;
        if (next == current)
            return;
        if (current)
            current->Leave();
        next->Enter();
        return;
    }
}

void TvxMainMenuKeys::Enter(const TEntries& entries)
{
    if (TvxMainMenuEntry* current = Current(entries)) {
        current->Enter();
        return;
    }
    for (TvxMainMenuEntry* e : entries)
        if (e->Reachable()) {
            e->Enter();
            return;
        }
}

bool TvxMainMenuKeys::Activate(const TEntries& entries, bool menu_open)
{
    for (TvxMainMenuEntry* e : entries) {
        const bool leaf_down = e->IsDown() && e->MenuItem().Count() == 0;
        const bool lit_idle = e->IsActive() && !e->IsDown() && !menu_open;
        if (e->Reachable() && (leaf_down || lit_idle)) {
            e->SetActive(false);
            e->Press();
            return true;
        }
    }
    return false;
}

} // namespace tessel
