#include "tessel/framework/TMenu.h"

#include "tessel/framework/TImageList.h"

#include <functional>

namespace tessel {

TMenu::TMenu(TComponent* owner)
    : TComponent(owner)
    , m_items(std::make_unique<TMenuItem>())
{
    m_items->SetMenu(this);
}

TMenu::~TMenu()
{
    Destroying();
    m_items.reset();
}

void TMenu::SetImages(TImageList* images)
{
    SetReference(m_images, images);
}

void TMenu::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_images)
        m_images = nullptr;
}

bool TMenu::DispatchCommand(uint16_t command)
{
    TMenuItem* item = FindItem(command);
    if (!item || item == m_items.get())
        return false;
    item->Click();
    return true;
}

bool TMenu::IsShortCut(const TWMKey& message)
{
    TShortCut wanted = ShortCut(message.CharCode, KeyDataToShiftState(message.KeyData));
    if (wanted == scNone)
        return false;
    std::function<TMenuItem*(TMenuItem&)> find = [&](TMenuItem& parent) -> TMenuItem* {
        for (int i = 0; i < parent.Count(); ++i) {
            TMenuItem* item = parent.Items(i);
            if (!item->Enabled() || !item->Visible())
                continue;
            if (item->ShortCut() == wanted)
                return item;
            if (TMenuItem* below = find(*item))
                return below;
        }
        return nullptr;
    };
    TMenuItem* item = find(*m_items);
    if (!item)
        return false;
    item->Click();
    return true;
}

} // namespace tessel
