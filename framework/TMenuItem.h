#pragma once

#include "tessel/framework/ControlTypes.h"
#include "tessel/framework/ShortCuts.h"
#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TComponent.h"

#include <memory>
#include <string>
#include <vector>

namespace tessel {

class TMenu; // complete in <tessel/framework/TMenu.h>

// One entry of a menu: a caption ("&" marks the accelerator, "-" makes a
// separator), a shortcut, check and radio state, an image, and sub-items, which it
// owns. Every item has a command number unique in the program, by which the menu
// command dispatch finds it.
class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner = nullptr);
    ~TMenuItem() override;

    const std::string& Caption() const { return m_caption; }
    void SetCaption(std::string caption) { m_caption = std::move(caption); }
    bool IsLine() const { return m_caption == "-"; }
    TShortCut ShortCut() const { return m_shortcut; }
    void SetShortCut(TShortCut shortcut) { m_shortcut = shortcut; }
    bool Checked() const { return m_checked; }
    // Checking a radio item unchecks the radio items of its group among its siblings.
    void SetChecked(bool checked);
    bool RadioItem() const { return m_radio_item; }
    void SetRadioItem(bool radio) { m_radio_item = radio; }
    bool AutoCheck() const { return m_auto_check; }
    void SetAutoCheck(bool auto_check) { m_auto_check = auto_check; }
    uint8_t GroupIndex() const { return m_group_index; }
    void SetGroupIndex(uint8_t group) { m_group_index = group; }
    bool Default() const { return m_default; }
    void SetDefault(bool is_default) { m_default = is_default; }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled) { m_enabled = enabled; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }
    int ImageIndex() const { return m_image_index; }
    void SetImageIndex(int index) { m_image_index = index; }
    // The item's own picture, made empty when first asked for.
    TBitmap& Bitmap();
    bool HasBitmap() const;
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }
    const std::string& Hint() const { return m_hint; }
    void SetHint(std::string hint) { m_hint = std::move(hint); }

    int Count() const { return static_cast<int>(m_items.size()); }
    TMenuItem* Items(int index) const { return m_items.at(static_cast<size_t>(index)).get(); }
    TMenuItem* Parent() const { return m_parent; }
    // Position among the parent's items, -1 for a root.
    int MenuIndex() const;
    int IndexOf(const TMenuItem* item) const;
    TMenuItem& Add(std::unique_ptr<TMenuItem> item);
    // A new item with a caption (and optionally a click handler) at the end.
    TMenuItem& Add(const std::string& caption, TNotifyEvent on_click = nullptr);
    TMenuItem& Insert(int index, std::unique_ptr<TMenuItem> item);
    // Frees the item at index.
    void Delete(int index);
    // Takes an item out without freeing it.
    std::unique_ptr<TMenuItem> Remove(TMenuItem* item);
    void Clear();
    // The menu the item tree belongs to, or null.
    TMenu* GetParentMenu() const;
    void SetMenu(TMenu* menu) { m_menu = menu; }

    uint16_t Command() const { return m_command; }
    // The item (this or below) with the command, or null.
    TMenuItem* Find(uint16_t command);
    // Runs the item: auto-check, then OnClick.
    virtual void Click();

    const char* ClassName() const override { return "TMenuItem"; }

    TNotifyEvent OnClick;

private:
    std::string m_caption;
    TShortCut m_shortcut = scNone;
    bool m_checked = false;
    bool m_radio_item = false;
    bool m_auto_check = false;
    uint8_t m_group_index = 0;
    bool m_default = false;
    bool m_enabled = true;
    bool m_visible = true;
    int m_image_index = -1;
    std::unique_ptr<TBitmap> m_bitmap;
    int m_tag = 0;
    std::string m_hint;
    std::vector<std::unique_ptr<TMenuItem>> m_items;
    TMenuItem* m_parent = nullptr;
    TMenu* m_menu = nullptr;
    uint16_t m_command = 0;
};

} // namespace tessel
