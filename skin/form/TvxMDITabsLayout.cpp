#include "tessel/skin/form/TvxMDITabsLayout.h"

#include <algorithm>

namespace tessel {

int TvxMDITabsLayout::Arrange(TTabs& tabs, int width, int height, int default_width, int min_width)
{
    if (tabs.empty())
        return 0;
    const int count = static_cast<int>(tabs.size());
    const int a = std::min(std::max(width - kListButton, 0) / count, default_width);
    int hidden = 0;
    if (min_width > 0 && a < min_width) {
        const int fit = std::max(width - 2 * kListButton, 0) / min_width;
        for (int i = 0; i < count; ++i) {
            TvxMDITab& tab = *tabs[static_cast<size_t>(i)];
            tab.shown = i < fit;
            tab.rect = tab.shown
                ? TRect { kListButton + i * min_width, 0, kListButton + (i + 1) * min_width, height }
                : TRect {};
            hidden += tab.shown ? 0 : 1;
        }
        return hidden;
    }
    for (int i = 0; i < count; ++i) {
        TvxMDITab& tab = *tabs[static_cast<size_t>(i)];
        tab.shown = true;
        tab.rect = { kListButton + i * a, 0, kListButton + (i + 1) * a, height };
    }
    // Narrower than the most a tab may be: the last one reaches the bar's end.
    if (a < default_width)
        tabs.back()->rect.right = width;
    return 0;
}

int TvxMDITabsLayout::DropIndex(const TTabs& tabs, int dragged, int offset)
{
    if (dragged < 0 || dragged >= static_cast<int>(tabs.size()) || offset == 0)
        return -1;
    const TRect moved = tabs[static_cast<size_t>(dragged)]->rect.Offset(offset, 0);
    int drop = -1;
    const int count = static_cast<int>(tabs.size());
    if (offset > 0) {
        for (int i = dragged + 1; i < count; ++i) {
            const TvxMDITab& t = *tabs[static_cast<size_t>(i)];
            if (t.shown && (t.rect.left + t.rect.right) / 2 < moved.right)
                drop = i;
        }
    } else {
        for (int i = dragged - 1; i >= 0; --i) {
            const TvxMDITab& t = *tabs[static_cast<size_t>(i)];
            if (t.shown && (t.rect.left + t.rect.right) / 2 > moved.left)
                drop = i;
        }
    }
    return drop;
}

} // namespace tessel
