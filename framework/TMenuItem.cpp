#include "tessel/framework/TMenuItem.h"

#include "tessel/framework/TBitmap.h"

#include <algorithm>
#include <deque>

namespace tessel {

namespace {

// Command numbers are 16-bit. A new item takes a number never used yet while there
// are any, then the one given back longest ago (so a late command for a gone item
// reaches nothing rather than a new one), and 0 (no command) once all are in use;
// each step costs the same however many items there are.
class TCommandNumbers {
public:
    uint16_t Take()
    {
        if (m_fresh != 0) {
            uint16_t n = m_fresh;
            m_fresh = m_fresh == 0xFFFF ? 0 : static_cast<uint16_t>(m_fresh + 1);
            return n;
        }
        if (m_returned.empty())
            return 0;
        uint16_t n = m_returned.front();
        m_returned.pop_front();
        return n;
    }
    void Give(uint16_t n)
    {
        if (n != 0)
            m_returned.push_back(n);
    }

private:
    uint16_t m_fresh = 1;
    std::deque<uint16_t> m_returned;
};

TCommandNumbers& Commands()
{
    // Never destroyed: items freed at exit still give their numbers back.
    static auto& numbers = *new TCommandNumbers;
    return numbers;
}

uint16_t TakeCommand()
{
    return Commands().Take();
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
    Commands().Give(m_command);
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
    if (command == 0)
        return nullptr; // items past the 65,535 numbers have none
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
