#pragma once

#include "tessel/framework/ControlTypes.h"
#include "tessel/framework/TComponent.h"
#include "tessel/framework/TFont.h"
#include "tessel/framework/TImageList.h"
#include "tessel/platform/TRect.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/menus/TvxCursorHint.h"
#include "tessel/skin/menus/TvxImagesMenuItem.h"
#include "tessel/skin/menus/TvxSkinImagesMenuPopupWindow.h"

#include <functional>
#include <memory>
#include <vector>

namespace tessel {

// A picker: a grid of image cells (with header and button rows) in a popup window of
// its own; the chosen cell becomes the item index. Used by menu buttons.
class TvxSkinImagesMenu : public TComponent {
public:
    explicit TvxSkinImagesMenu(TComponent* owner = nullptr);
    ~TvxSkinImagesMenu() override;

    TImageList* Images() const { return m_images; }
    void SetImages(TImageList* images);
    std::vector<TvxImagesMenuItem>& ImagesItems() { return m_items; }
    void SetImagesItems(const std::vector<TvxImagesMenuItem>& items);
    int ItemIndex() const { return m_item_index; }
    void SetItemIndex(int index) { m_item_index = index; }
    int ColumnsCount() const { return m_columns; }
    // Values outside 1 .. 50 are ignored.
    void SetColumnsCount(int count);
    bool ShowSelectedItem() const { return m_show_selected; }
    void SetShowSelectedItem(bool value) { m_show_selected = value; }
    TvxSkinData* SkinData() const { return m_skin_data; }
    void SetSkinData(TvxSkinData* data);
    // The hint component for the cells' hints (a TvxSkinHint).
    TvxCursorHint* SkinHint() const { return m_skin_hint; }
    void SetSkinHint(TComponent* hint);
    bool ShowHints() const { return m_show_hints; }
    void SetShowHints(bool value) { m_show_hints = value; }
    bool UseSkinFont() const { return m_use_skin_font; }
    void SetUseSkinFont(bool value) { m_use_skin_font = value; }
    TFont& DefaultFont() { return m_default_font; }
    void SetDefaultFont(const TFont& font) { m_default_font.Assign(font); }
    bool AlphaBlend() const { return m_alpha_blend; }
    void SetAlphaBlend(bool value) { m_alpha_blend = value; }
    uint8_t AlphaBlendValue() const { return m_alpha_blend_value; }
    void SetAlphaBlendValue(uint8_t value) { m_alpha_blend_value = value; }
    bool AlphaBlendAnimation() const { return m_alpha_blend_animation; }
    void SetAlphaBlendAnimation(bool value) { m_alpha_blend_animation = value; }

    // Opens the grid under anchor (screen coordinates); an open one closes first.
    void Popup(const TRect& anchor);
    // The item at the item index, or none.
    TvxImagesMenuItem* SelectedItem();
    // Closes the window; a chosen cell then runs its events.
    void Close(bool chosen);
    TvxSkinImagesMenuPopupWindow* Window() const { return m_window.get(); }

    TNotifyEvent OnItemClick, OnChange, OnMenuPopup, OnMenuClose;
    // A menu button's own listeners: a repaint on change, a release on close.
    std::function<void()> ChangeListener, CloseListener;

    const char* ClassName() const override { return "TvxSkinImagesMenu"; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TImageList* m_images = nullptr;
    std::vector<TvxImagesMenuItem> m_items;
    int m_item_index = -1;
    int m_columns = 1;
    bool m_show_selected = true;
    TvxSkinData* m_skin_data = nullptr;
    TComponent* m_skin_hint_component = nullptr;
    TvxCursorHint* m_skin_hint = nullptr;
    bool m_show_hints = true;
    bool m_use_skin_font = true;
    TFont m_default_font;
    bool m_alpha_blend = false;
    uint8_t m_alpha_blend_value = 200;
    bool m_alpha_blend_animation = false;
    std::unique_ptr<TvxSkinImagesMenuPopupWindow> m_window;
    // Windows closed from one of their own handlers go once it has returned.
    std::vector<std::unique_ptr<TvxSkinImagesMenuPopupWindow>> m_closed;
    int m_old_index = -1;
};

} // namespace tessel
