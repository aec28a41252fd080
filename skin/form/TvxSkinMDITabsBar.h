#pragma once

#include "tessel/framework/TCustomForm.h"
#include "tessel/skin/controls/TvxSkinCustomControl.h"
#include "tessel/skin/controls/TvxSkinMenuSpeedButton.h"
#include "tessel/skin/form/TvxMDITabsLayout.h"
#include "tessel/skin/menus/TvxSkinPopupMenu.h"

#include <functional>

namespace tessel {

enum TvxSkinMDITabKind { vxtkTab, vxtkButton };
using TvxMDITabEvent = std::function<void(TComponent* sender, TvxMDITab* tab)>;
using TvxMDITabMouseEvent
    = std::function<void(TComponent* sender, TMouseButtonKind button, TShiftState shift, TvxMDITab* tab)>;

// A bar on an MDI form with one skinned tab per shown MDI child (the skin's "tab"
// record): a press shows the child, a drag reorders the tabs, a tab's close button
// closes its child. Tabs narrow to fit; below MinTabWidth the ones that do not fit
// are hidden and listed by the button at the right, while the button at the left
// lists every child. The tabs follow the children: the MDI form tells its controls
// when a child is shown, hidden, renamed or brought forward (CM_MDICHILDCHANGED).
class TvxSkinMDITabsBar : public TvxSkinCustomControl {
public:
    explicit TvxSkinMDITabsBar(TComponent* owner = nullptr);
    ~TvxSkinMDITabsBar() override;

    bool ShowCloseButtons() const { return m_show_close_buttons; }
    void SetShowCloseButtons(bool value);
    TvxSkinMDITabKind TabKind() const { return m_tab_kind; }
    void SetTabKind(TvxSkinMDITabKind kind);
    // A right press on a tab shows its child's system menu.
    bool SupportChildMenus() const { return m_support_child_menus; }
    void SetSupportChildMenus(bool value) { m_support_child_menus = value; }
    bool MoveTabs() const { return m_move_tabs; }
    void SetMoveTabs(bool value) { m_move_tabs = value; }
    int DefaultTabWidth() const { return m_default_tab_width; }
    void SetDefaultTabWidth(int width);
    int MinTabWidth() const { return m_min_tab_width; }
    void SetMinTabWidth(int width);

    int TabCount() const { return static_cast<int>(m_tabs.size()); }
    TvxMDITab& Tab(int index) const { return *m_tabs.at(static_cast<size_t>(index)); }
    // The tab of a child, or none.
    TvxMDITab* TabOf(const TCustomForm* child) const;
    int HiddenCount() const { return m_hidden; }
    // The tabs follow the MDI form's shown children: new ones at the end, the order
    // of the rest kept; the active child's tab marked.
    void Sync();
    // Lays the tabs out at the bar's size (painting does it too).
    void LayOut();
    // Drawn over the form's image when the skin says so: repainted as it changes.
    void BackgroundChanged() override;
    TvxSkinPopupMenu& ListMenu() const { return *m_list_menu; }
    TvxSkinPopupMenu& HiddenMenu() const { return *m_hidden_menu; }
    TvxSkinMenuSpeedButton& ListButton() const { return *m_list_button; }
    TvxSkinMenuSpeedButton& HiddenButton() const { return *m_hidden_button; }

    TvxMDITabEvent OnTabMouseEnter, OnTabMouseLeave;
    TvxMDITabMouseEvent OnTabMouseDown, OnTabMouseUp;

    const char* ClassName() const override { return "TvxSkinMDITabsBar"; }

protected:
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButtonKind button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButtonKind button, TShiftState shift, int x, int y) override;
    void MouseLeave() override;
    void CreateDefaultImage(TBitmap& image) override;
    void CreateSkinImage(TBitmap& image) override;
    // The bar keeps the size it is given.
    void FitSize(int&, int&) override { }

private:
    TCustomForm* MDIForm() const;
    int TabAt(int x, int y) const;
    int IndexOf(const TvxMDITab* tab) const;
    // Whether the bar's point lies on the tab's close button.
    static bool InClose(const TvxMDITab& tab, int x, int y);
    void SetHot(int index);
    // Shows the child of a tab in front of the others.
    void Bring(TCustomForm* child);
    void FillMenu(TvxSkinPopupMenu& menu, bool hidden_only);
    void PaintBar(TBitmap& image, bool skinned);
    void PaintTab(TCanvas& canvas, TvxMDITab& tab, bool skinned);

    TvxMDITabsLayout::TTabs m_tabs;
    bool m_show_close_buttons = false;
    TvxSkinMDITabKind m_tab_kind = vxtkTab;
    bool m_move_tabs = true;
    bool m_support_child_menus = true;
    int m_default_tab_width = 100;
    int m_min_tab_width = 0;
    int m_hidden = 0;
    int m_hot = -1;
    int m_pressed = -1;
    int m_press_x = 0;
    int m_offset = 0;
    bool m_dragging = false;
    TvxSkinMenuSpeedButton* m_list_button = nullptr;
    TvxSkinMenuSpeedButton* m_hidden_button = nullptr;
    TvxSkinPopupMenu* m_list_menu = nullptr;
    TvxSkinPopupMenu* m_hidden_menu = nullptr;
};

} // namespace tessel
