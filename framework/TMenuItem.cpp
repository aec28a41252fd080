#include "framework/TMenuItem.h"

#include "framework/TBitmap.h"

#include <algorithm>
#include <set>

namespace tessel {

namespace {

// Command numbers in use; a new item takes the next free one.
std::set<uint16_t>& UsedCommands()
{
    static std::set<uint16_t> used;
    return used;
}

uint16_t TakeCommand()
{
    static uint16_t next = 0;
    auto& used = UsedCommands();
    for (int tries = 0; tries < 0xFFFF; ++tries) {
        next = static_cast<uint16_t>(next == 0xFFFF ? 1 : next + 1);
        if (used.insert(next).second)
            return next;
    }
    return 0;
}

} // namespace

TMenuItem::TMenuItem(TComponent* owner)
    : TComponent(owner)
    , m_command(TakeCommand())
{ }

TMenuItem::~TMenuItem()
{
    Destroying();
    m_items.clear();
    UsedCommands().erase(m_command);
}

void TMenuItem::SetChecked(bool checked)
{
    m_checked = checked;
    if (checked && m_radio_item && m_parent)
        for (const auto& sibling : m_parent->m_items)
            if (sibling.get() != this && sibling->m_radio_item && sibling->m_group_index == m_group_index)
                sibling->m_checked = false;
}

TBitmap& TMenuItem::Bitmap()
{
    if (!m_bitmap)
        m_bitmap = std::make_unique<TBitmap>();
    return *m_bitmap;
}

bool TMenuItem::HasBitmap() const
{
    return m_bitmap && !m_bitmap->Empty();
}

int TMenuItem::MenuIndex() const
{
    return m_parent ? m_parent->IndexOf(this) : -1;
}

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].get() == item)
            return static_cast<int>(i);
    return -1;
}

TMenuItem& TMenuItem::Add(std::unique_ptr<TMenuItem> item)
{
    return Insert(Count(), std::move(item));
}

TMenuItem& TMenuItem::Add(const std::string& caption, TNotifyEvent on_click)
{
    auto item = std::make_unique<TMenuItem>();
    item->SetCaption(caption);
    item->OnClick = std::move(on_click);
    return Add(std::move(item));
}

TMenuItem& TMenuItem::Insert(int index, std::unique_ptr<TMenuItem> item)
{
    index = std::clamp(index, 0, Count());
    TMenuItem& result = *item;
    item->m_parent = this;
    m_items.insert(m_items.begin() + index, std::move(item));
    return result;
}

void TMenuItem::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    std::unique_ptr<TMenuItem> doomed = std::move(m_items[static_cast<size_t>(index)]);
    m_items.erase(m_items.begin() + index);
    doomed.reset();
}

std::unique_ptr<TMenuItem> TMenuItem::Remove(TMenuItem* item)
{
    int index = IndexOf(item);
    if (index < 0)
        return nullptr;
    std::unique_ptr<TMenuItem> taken = std::move(m_items[static_cast<size_t>(index)]);
    m_items.erase(m_items.begin() + index);
    taken->m_parent = nullptr;
    return taken;
}

void TMenuItem::Clear()
{
    while (!m_items.empty())
        Delete(Count() - 1);
}

TMenu* TMenuItem::GetParentMenu() const
{
    const TMenuItem* item = this;
    while (item->m_parent)
        item = item->m_parent;
    return item->m_menu;
}

TMenuItem* TMenuItem::Find(uint16_t command)
{
    if (command == m_command)
        return this;
    for (const auto& item : m_items)
        if (TMenuItem* found = item->Find(command))
            return found;
    return nullptr;
}

void TMenuItem::Click()
{
    if (m_auto_check)
        SetChecked(!m_checked || m_radio_item);
    if (OnClick)
        OnClick(this);
}

} // namespace tessel
