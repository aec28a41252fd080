#pragma once

#include "tessel/framework/TApplication.h"
#include "tessel/framework/TComponent.h"
#include "tessel/framework/TControl.h"
#include "tessel/framework/TCustomForm.h"
#include "tessel/framework/TFont.h"
#include "tessel/framework/TMenuItem.h"
#include "tessel/platform/TRect.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/menus/TvxSkinMenuItem.h"
#include "tessel/skin/menus/TvxSkinPopupWindow.h"

#include <functional>
#include <memory>
#include <vector>

namespace tessel {

class TImageList;
class TTimer;
class TUtilityWindow;
struct MSG;

// The popup menu engine of a form: shows a menu item's children as a cascade of
// skinned popup windows, opens submenus on hover (after 500 ms) or at once on a
// click, takes the keys while open, and runs the chosen item only after every level
// has closed. The control that opened the menu is told when it closes
// (SkinMenuClosedNotice) and after a command (SkinMenuCommandNotice).
class TvxSkinMenu : public TComponent {
public:
    explicit TvxSkinMenu(TComponent* owner = nullptr);
    ~TvxSkinMenu() override;

    bool UseSkinFont() const { return m_use_skin_font; }
    void SetUseSkinFont(bool value) { m_use_skin_font = value; }
    int DefaultItemHeight() const { return m_default_item_height; }
    void SetDefaultItemHeight(int value) { m_default_item_height = value; }
    TFont& DefaultItemFont() { return m_default_item_font; }
    int MaxMenuItemsInWindow() const { return m_max_items; }
    void SetMaxMenuItemsInWindow(int value) { m_max_items = value; }
    bool AlphaBlend() const { return m_alpha_blend; }
    void SetAlphaBlend(bool value) { m_alpha_blend = value; }
    uint8_t AlphaBlendValue() const { return m_alpha_blend_value; }
    void SetAlphaBlendValue(uint8_t value) { m_alpha_blend_value = value; }
    bool AlphaBlendAnimation() const { return m_alpha_blend_animation; }
    void SetAlphaBlendAnimation(bool value) { m_alpha_blend_animation = value; }
    // The form told when a command closes the menu.
    TCustomForm* Form() const { return m_form; }
    void SetForm(TCustomForm* form);

    // Opens the children of item from start (the image list from its menu) below
    // the anchor, or above it; control is told when the menu closes.
    void ShowMenu(
        TControl* control, TvxSkinData* data, bool above, TMenuItem& item, const TRect& anchor, int start);
    // One window listing the children of first and then of second.
    void ShowMenuPair(TControl* control, TvxSkinData* data, bool above, TMenuItem& first, TMenuItem& second,
        const TRect& anchor, int start);
    // Closes the windows from level n on; n = 0 closes the menu.
    void CloseFromLevel(int n);
    void CloseMenus();

    bool Visible() const { return m_visible; }
    int LevelCount() const { return static_cast<int>(m_windows.size()); }
    TvxSkinPopupWindow& Level(int index) const { return *m_windows.at(static_cast<size_t>(index)); }
    int LevelOf(const TvxSkinPopupWindow& window) const;
    TControl* PopupControl() const { return m_popup_control; }
    TControl* LastPopupControl() const { return m_last_popup_control; }
    // Sees the keys before the open menu does: a main menu moves between its entries
    // with Left and Right. Returns whether it took the key.
    void SetKeyPreview(std::function<bool(uint16_t key)> preview) { m_key_preview = std::move(preview); }
    // Fired once when the open menu closes.
    void SetCloseHandler(std::function<void()> handler) { m_close_handler = std::move(handler); }
    TvxSkinData* SkinData() const { return m_skin_data; }
    // The first window of a menu that was not open is being opened: only it fades in.
    bool FreshPopup() const { return m_first; }
    // The item whose children the open menu shows (the first of a pair).
    const TMenuItem* Root() const { return m_root; }
    const TRect& WorkArea() const { return m_work_area; }

    // What an item does when entered or chosen: closes deeper levels, waits to open
    // a submenu, opens it, or closes everything and runs the item.
    void ItemAction(TvxSkinPopupWindow& window, TvxSkinMenuItem& item, bool from_keyboard, bool execute);
    void CloseDeeperThan(const TvxSkinPopupWindow& window);
    void StopWait();
    TvxSkinMenuItem* PendingItem() const { return m_pending; }
    void ClearPending() { m_pending = nullptr; }

    const char* ClassName() const override { return "TvxSkinMenu"; }

    static constexpr uint32_t kSubmenuDelay = 500;
    // The messages to a form that close the menus open on it: presses, moves, sizes
    // and changes of activation.
    static bool ClosesMenus(uint32_t msg);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    // Points one of the two control references at control; the free notification
    // stays while either names a control.
    void Refer(TControl*& field, TControl* control);
    void Open(
        std::vector<TMenuItem*> items, TImageList* images, const TRect& anchor, bool submenu, bool above);
    void Retire(std::unique_ptr<TvxSkinPopupWindow> window);
    bool HandleMessage(MSG& msg);
    void OnWait();

    bool m_use_skin_font = true;
    int m_default_item_height = 20;
    TFont m_default_item_font;
    int m_max_items = 0;
    bool m_alpha_blend = false;
    uint8_t m_alpha_blend_value = 200;
    bool m_alpha_blend_animation = false;
    std::vector<std::unique_ptr<TvxSkinPopupWindow>> m_windows;
    // Closed windows wait here until no handler of theirs runs any more.
    std::vector<std::unique_ptr<TvxSkinPopupWindow>> m_retired;
    bool m_visible = false;
    bool m_first = false;
    TvxSkinMenuItem* m_pending = nullptr;
    std::unique_ptr<TTimer> m_wait_timer;
    std::unique_ptr<TUtilityWindow> m_queue;
    TRect m_work_area;
    TvxSkinData* m_skin_data = nullptr;
    TControl* m_popup_control = nullptr;
    TControl* m_last_popup_control = nullptr;
    TCustomForm* m_form = nullptr;
    const TMenuItem* m_root = nullptr;
    std::function<void()> m_close_handler;
    std::function<bool(uint16_t)> m_key_preview;
    // A key went down while the menu was open: characters from then on are its.
    bool m_key_seen = false;
    TApplication::THookId m_hook = 0;
};

} // namespace tessel
