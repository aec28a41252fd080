#include "tessel/skin/menus/TvxSkinImagesMenu.h"

#include "tessel/framework/TImageList.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/menus/TvxCursorHint.h"
#include "tessel/skin/menus/TvxSkinImagesMenuPopupWindow.h"

namespace tessel {

TvxSkinImagesMenu::TvxSkinImagesMenu(TComponent* owner)
    : TComponent(owner)
{
    m_default_font.SetName("Arial");
    m_default_font.SetHeight(14);
}

TvxSkinImagesMenu::~TvxSkinImagesMenu()
{
    CloseListener = nullptr;
    ChangeListener = nullptr;
    if (m_window)
        m_window->Finish();
    m_window.reset();
    m_closed.clear();
    SetImages(nullptr);
    SetSkinData(nullptr);
    SetSkinHint(nullptr);
}

void TvxSkinImagesMenu::SetImages(TImageList* images)
{
    SetReference(m_images, images);
}

void TvxSkinImagesMenu::SetImagesItems(const std::vector<TvxImagesMenuItem>& items)
{
    m_items.clear();
    for (const TvxImagesMenuItem& item : items) {
        m_items.emplace_back();
        m_items.back().Assign(item);
        m_items.back().Header = item.Header;
    }
}

void TvxSkinImagesMenu::SetColumnsCount(int count)
{
    if (count >= 1 && count <= 50)
        m_columns = count;
}

void TvxSkinImagesMenu::SetSkinData(TvxSkinData* data)
{
    SetReference(m_skin_data, data);
}

void TvxSkinImagesMenu::SetSkinHint(TComponent* hint)
{
    SetReference(m_skin_hint_component, hint);
    m_skin_hint = dynamic_cast<TvxCursorHint*>(hint);
}

void TvxSkinImagesMenu::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_images)
        m_images = nullptr;
    if (component == m_skin_data)
        m_skin_data = nullptr;
    if (component == m_skin_hint_component) {
        m_skin_hint_component = nullptr;
        m_skin_hint = nullptr;
    }
}

TvxImagesMenuItem* TvxSkinImagesMenu::SelectedItem()
{
    if (m_item_index < 0 || m_item_index >= static_cast<int>(m_items.size()))
        return nullptr;
    return &m_items[static_cast<size_t>(m_item_index)];
}

void TvxSkinImagesMenu::Popup(const TRect& anchor)
{
    if (m_window)
        Close(false);
    m_closed.clear();
    if (OnMenuPopup)
        OnMenuPopup(this);
    if (!m_images || m_images->Count() == 0)
        return;
    m_old_index = m_item_index;
    m_window = std::make_unique<TvxSkinImagesMenuPopupWindow>(*this);
    m_window->ShowAt(anchor);
}

void TvxSkinImagesMenu::Close(bool chosen)
{
    if (!m_window)
        return;
    if (m_skin_hint)
        m_skin_hint->HideHint();
    m_window->Finish();
    m_closed.push_back(std::move(m_window));
    if (CloseListener)
        CloseListener();
    if (OnMenuClose)
        OnMenuClose(this);
    if (!chosen || m_item_index == -1)
        return;
    if (TvxImagesMenuItem* item = SelectedItem(); item && item->OnClick)
        item->OnClick(this);
    if (OnItemClick)
        OnItemClick(this);
    if (m_item_index != m_old_index) {
        if (ChangeListener)
            ChangeListener();
        if (OnChange)
            OnChange(this);
    }
}

} // namespace tessel
