#pragma once

#include "tessel/framework/TCustomForm.h"
#include "tessel/framework/TFont.h"
#include "tessel/framework/TMainMenu.h"
#include "tessel/skin/controls/TvxSkinCustomControl.h"
#include "tessel/skin/data/TvxDataSkinMainMenuBar.h"
#include "tessel/skin/form/TvxMainMenuKeys.h"
#include "tessel/skin/form/TvxSkinMainMenuBarButton.h"
#include "tessel/skin/form/TvxSkinMainMenuBarItem.h"
#include "tessel/skin/form/TvxVeneer.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tessel {

class TMenuItem;
class TTimer;
class TvxMenuBarObject;

// A skinned main menu bar at the top of a form: one entry per shown top-level item
// of its MainMenu, drawn from the skin's "mainmenubar" record and the entry record
// it names (or built in). Entries light under the mouse, a press opens the entry's
// submenu through the form controller's menu engine, and while a menu is open the
// mouse moving along the bar opens the next one. Entries past the bar's end are
// hidden; a "more" mark at the end lists them. While an MDI child is maximised the
// bar carries its system-menu, minimise, restore and close buttons, and its menu
// merged with the main one. The controller routes the keyboard here (Alt+letter,
// the arrows, Enter, Escape).
class TvxSkinMainMenuBar : public TvxSkinCustomControl {
public:
    explicit TvxSkinMainMenuBar(TComponent* owner = nullptr);
    ~TvxSkinMainMenuBar() override;

    bool UseSkinFont() const { return m_use_skin_font; }
    void SetUseSkinFont(bool value);
    bool ScrollMenu() const { return m_scroll_menu; }
    void SetScrollMenu(bool value);
    TFont& DefItemFont() { return m_def_item_font; }
    bool PopupToUp() const { return m_popup_to_up; }
    void SetPopupToUp(bool value) { m_popup_to_up = value; }
    // The controller whose menu engine and menu mode the bar uses; without one, the
    // controller among the components of the bar's form (or the MDI form's).
    TvxVeneer* Veneer() const;
    void SetVeneer(TvxVeneer* veneer);
    TMainMenu* MainMenu() const { return m_main_menu; }
    void SetMainMenu(TMainMenu* menu);

    // The entries in bar order, and the MDI child's buttons while it is maximised.
    int ItemCount() const { return static_cast<int>(m_items.size()); }
    TvxSkinMainMenuBarItem& Item(int index) const { return *m_items.at(static_cast<size_t>(index)); }
    int ButtonCount() const { return static_cast<int>(m_objects.size() - m_items.size()); }
    TvxSkinMainMenuBarButton& Button(int index) const;
    TvxMainMenuKeys::TEntries Entries();
    // Whether entries had to be hidden, and the "more" mark's strip.
    bool ItemsHidden() const { return m_items_hidden; }
    const TRect& MoreRect() const { return m_more_rect; }
    TRect ItemsArea() const;
    // The entries again from the main menu (merged with a maximised child's).
    void Rebuild();
    void LayOut();

    // The keyboard menu mode, entered and left with the controller's.
    bool MenuMode() const { return m_menu_mode; }
    void EnterMenuMode();
    void LeaveMenuMode();
    // The open entry goes back up (its menu closed).
    void ReleasePressed();
    // A child of the bar's MDI form was maximised, or none stays maximised.
    void ShowMDIButtons(TCustomForm* child);
    void HideMDIButtons();
    TCustomForm* MaximizedChild() const { return m_child; }

    // For the bar's objects.
    TvxSkinMainMenuBarItem* DownItem() const;
    TvxSkinMainMenuBarItem* ActiveItem() const;
    void ItemEntered(TvxSkinMainMenuBarItem& item);
    void ItemLeft(TvxSkinMainMenuBarItem& item);
    void ItemPressed(TvxSkinMainMenuBarItem& item);
    void OpenItemMenu(TvxSkinMainMenuBarItem& item);
    void ButtonCommand(TvxSkinMainMenuBarButton& button);
    void CloseMaximizedChild();
    void StartMorph();
    void StartAnimation();
    bool SkinEffectsOn() const;

    void ChangeSkinData() override;
    void BeforeChangeSkinData() override;
    // Drawn over the form's image when the skin says so: repainted as it changes.
    void BackgroundChanged() override;

    std::function<void(TComponent* sender, const std::string& id_name)> OnMainMenuItemClick;
    std::function<void(TComponent*sender, TMenuItem*item)> OnItemMouseEnter, OnItemMouseLeave;

    const char* ClassName() const override { return "TvxSkinMainMenuBar"; }

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void Dispatch(TMessage& message) override;
    // A bar whose controller the program did not name tells the form's controller
    // that it is there, so that the keyboard's menu mode comes to it.
    void CreateWnd() override;
    void MouseDown(TMouseButtonKind button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButtonKind button, TShiftState shift, int x, int y) override;
    void CreateDefaultImage(TBitmap& image) override;
    void CreateSkinImage(TBitmap& image) override;
    void SizeChanged() override;
    // The bar keeps the size it is given: its height is DefaultHeight.
    void FitSize(int&, int&) override { }

private:
    const TvxDataSkinMainMenuBar* BarRecord() const;
    // The items the bar shows: the main menu's, or merged with the maximised child's.
    std::vector<TMenuItem*> MenuItems() const;
    TMainMenu* ChildMenu() const;
    // Rebuilds when the menu's shown top-level items are no longer the entries'.
    void SyncItems();
    void MakeButtons();
    void SetFontOn(TCanvas& canvas) const;
    // The object under a bar point: entries and buttons that are shown and enabled.
    int ObjectAt(TPoint p) const;
    void Track(TPoint p);
    void SetHot(int index);
    void OnHover();
    void OnMorph();
    void OnAnimate();
    void ShowMore();
    void PaintBar(TBitmap& image, bool skinned);

    bool m_use_skin_font = true;
    bool m_scroll_menu = true;
    TFont m_def_item_font;
    bool m_popup_to_up = false;
    TvxVeneer* m_veneer = nullptr;
    TMainMenu* m_main_menu = nullptr;
    TCustomForm* m_child = nullptr;
    std::vector<std::unique_ptr<TvxMenuBarObject>> m_objects;
    std::vector<TvxSkinMainMenuBarItem*> m_items;
    int m_hot = -1;
    int m_captured = -1;
    bool m_menu_mode = false;
    bool m_items_hidden = false;
    bool m_more_hot = false;
    TRect m_more_rect;
    // The entry whose menu a press on it just closed: that press does not open it again.
    TvxSkinMainMenuBarItem* m_closed_by_press = nullptr;
    bool m_switching = false;
    // Entries went with their menu items: made again before the next use.
    bool m_stale = false;
    std::unique_ptr<TTimer> m_hover_timer, m_morph_timer, m_animation_timer;
};

} // namespace tessel
