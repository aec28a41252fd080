#include "tessel/skin/form/TvxSkinMainMenuBar.h"

#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TCustomForm.h"
#include "tessel/framework/TMainMenu.h"
#include "tessel/framework/TMenuItem.h"
#include "tessel/framework/TTimer.h"
#include "tessel/skin/data/TvxDataSkinMainMenuBar.h"
#include "tessel/skin/data/TvxDataSkinMainMenuItem.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxComposition.h"
#include "tessel/skin/draw/TvxSymbols.h"
#include "tessel/skin/form/TvxSkinMainMenuBarButton.h"
#include "tessel/skin/form/TvxSkinMainMenuBarItem.h"
#include "tessel/skin/form/TvxVeneer.h"
#include "tessel/skin/menus/TvxSkinMenu.h"

#include <algorithm>

namespace tessel {

namespace {

constexpr int kMoreWidth = 5;

} // namespace

TvxSkinMainMenuBar::TvxSkinMainMenuBar(TComponent* owner)
    : TvxSkinCustomControl(owner)
{
    SetSkinDataName("mainmenubar");
    SetDefaultHeight(22);
    SetBounds(0, 0, 200, 22);
    SetAlign(alTop);
    m_def_item_font.SetName("Arial");
    m_def_item_font.SetHeight(14);
    m_def_item_font.SetColor(clBtnText);
    m_hover_timer = TTimer::Stopped(50, [this] { OnHover(); });
    m_morph_timer = TTimer::Stopped(25, [this] { OnMorph(); });
    m_animation_timer = TTimer::Stopped(25, [this] { OnAnimate(); });
}

TvxSkinMainMenuBar::~TvxSkinMainMenuBar()
{
    m_hover_timer->SetEnabled(false);
    m_morph_timer->SetEnabled(false);
    m_animation_timer->SetEnabled(false);
}

void TvxSkinMainMenuBar::SetUseSkinFont(bool value)
{
    m_use_skin_font = value;
    Invalidate();
}

void TvxSkinMainMenuBar::SetScrollMenu(bool value)
{
    m_scroll_menu = value;
    Invalidate();
}

TvxVeneer* TvxSkinMainMenuBar::Veneer() const
{
    if (m_veneer)
        return m_veneer;
    TCustomForm* form = GetParentForm();
    return form ? TvxVeneer::Of(*form) : nullptr;
}

void TvxSkinMainMenuBar::CreateWnd()
{
    TvxSkinCustomControl::CreateWnd();
    if (TvxVeneer* veneer = Veneer(); veneer && !veneer->MainMenuBar())
        veneer->SetMainMenuBar(this);
}

void TvxSkinMainMenuBar::SetVeneer(TvxVeneer* veneer)
{
    SetReference(m_veneer, veneer);
    if (veneer && !veneer->MainMenuBar())
        veneer->SetMainMenuBar(this);
}

void TvxSkinMainMenuBar::SetMainMenu(TMainMenu* menu)
{
    SetReference(m_main_menu, menu);
    Rebuild();
}

void TvxSkinMainMenuBar::Notification(TComponent* component, TOperation operation)
{
    TvxSkinCustomControl::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_veneer)
        m_veneer = nullptr;
    if (component == m_main_menu)
        m_main_menu = nullptr;
    if (component == m_child) {
        // The child's buttons go at once; its entries go with its menu.
        m_child = nullptr;
        m_objects.resize(m_items.size());
        m_hot = m_captured = -1;
        m_stale = true;
    }
    // A menu item of an entry is going, maybe with its whole menu: the entry goes at
    // once (nothing of the menu is read now) and the entries are made again later.
    for (size_t i = 0; i < m_items.size(); ++i)
        if (static_cast<TComponent*>(&m_items[i]->MenuItem()) == component) {
            TvxSkinMainMenuBarItem* gone = m_items[i];
            m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(i));
            std::erase_if(m_objects, [gone](const auto& o) { return o.get() == gone; });
            if (m_closed_by_press == gone)
                m_closed_by_press = nullptr;
            m_hot = m_captured = -1;
            m_stale = true;
            break;
        }
    if (component == m_main_menu)
        m_stale = true;
    if (m_stale)
        Invalidate();
}

TvxSkinMainMenuBarButton& TvxSkinMainMenuBar::Button(int index) const
{
    return static_cast<TvxSkinMainMenuBarButton&>(*m_objects.at(m_items.size() + static_cast<size_t>(index)));
}

TvxMainMenuKeys::TEntries TvxSkinMainMenuBar::Entries()
{
    SyncItems();
    return { m_items.begin(), m_items.end() };
}

const TvxDataSkinMainMenuBar* TvxSkinMainMenuBar::BarRecord() const
{
    const TvxSkinData* data = SkinData();
    return data && !data->Empty() ? dynamic_cast<const TvxDataSkinMainMenuBar*>(Record()) : nullptr;
}

TMainMenu* TvxSkinMainMenuBar::ChildMenu() const
{
    if (!m_child)
        return nullptr;
    if (TvxVeneer* veneer = TvxVeneer::Of(*m_child); veneer && veneer->MainMenu())
        return veneer->MainMenu();
    return m_child->Menu();
}

std::vector<TMenuItem*> TvxSkinMainMenuBar::MenuItems() const
{
    std::vector<TMenuItem*> items;
    TMainMenu* child_menu = ChildMenu();
    auto add_visible = [&items](TMenuItem& root, auto keep) {
        for (int i = 0; i < root.Count(); ++i)
            if (root.Items(i)->Visible() && keep(*root.Items(i)))
                items.push_back(root.Items(i));
    };
    if (!child_menu) {
        if (m_main_menu)
            add_visible(m_main_menu->Items(), [](TMenuItem&) { return true; });
        return items;
    }
    // The merge: the main menu's items of groups the child's menu does not have,
    // then the child's, ordered by group (stable: equal groups keep that order).
    TMenuItem& child_root = child_menu->Items();
    auto child_has = [&child_root](uint8_t group) {
        for (int i = 0; i < child_root.Count(); ++i)
            if (child_root.Items(i)->GroupIndex() == group)
                return true;
        return false;
    };
    if (m_main_menu)
        add_visible(m_main_menu->Items(), [&](TMenuItem& item) { return !child_has(item.GroupIndex()); });
    add_visible(child_root, [](TMenuItem&) { return true; });
    std::stable_sort(items.begin(), items.end(),
        [](const TMenuItem* a, const TMenuItem* b) { return a->GroupIndex() < b->GroupIndex(); });
    return items;
}

void TvxSkinMainMenuBar::Rebuild()
{
    if (TvxSkinMainMenuBarItem* open = DownItem(); open && Veneer())
        Veneer()->SkinMenu().CloseMenus();
    for (TvxSkinMainMenuBarItem* item : m_items)
        item->MenuItem().RemoveFreeNotification(this);
    m_objects.clear();
    m_items.clear();
    m_stale = false;
    m_hot = m_captured = -1;
    m_closed_by_press = nullptr;
    const TvxSkinData* data = SkinData();
    const TvxDataSkinMainMenuBar* bar = BarRecord();
    const TvxDataSkinMainMenuItem* record = nullptr;
    if (bar && data) {
        const int index = data->GetObjectIndex(bar->menubaritem);
        record = index >= 0 ? dynamic_cast<const TvxDataSkinMainMenuItem*>(data->ObjectList(index)) : nullptr;
    }
    for (TMenuItem* menu_item : MenuItems()) {
        menu_item->FreeNotification(this);
        auto item = std::make_unique<TvxSkinMainMenuBarItem>(*this, record, *menu_item);
        m_items.push_back(item.get());
        m_objects.push_back(std::move(item));
    }
    if (m_child)
        MakeButtons();
    LayOut();
    Invalidate();
}

void TvxSkinMainMenuBar::SyncItems()
{
    if (m_stale) {
        Rebuild();
        return;
    }
    std::vector<TMenuItem*> now = MenuItems();
    bool same = now.size() == m_items.size();
    for (size_t i = 0; same && i < now.size(); ++i)
        same = now[i] == &m_items[i]->MenuItem();
    if (!same)
        Rebuild();
}

void TvxSkinMainMenuBar::MakeButtons()
{
    const TvxSkinData* data = SkinData();
    const TvxDataSkinMainMenuBar* bar = BarRecord();
    auto record = [&](const std::string& name) -> const TvxDataSkinObject* {
        const int index = bar && data ? data->GetObjectIndex(name) : -1;
        return index >= 0 ? data->ObjectList(index) : nullptr;
    };
    struct TMade {
        std::string skin_name;
        const char* built_in;
        TvxMenuBarCommand command;
    };
    const TMade made[] = { { bar ? bar->sysmenubutton : "", "SysMenuButton", vxmbSystemMenu },
        { bar ? bar->closebutton : "", "CloseButton", vxmbClose },
        { bar ? bar->maxbutton : "", "MaxButton", vxmbMaximize },
        { bar ? bar->minbutton : "", "MinButton", vxmbMinimize } };
    for (const TMade& m : made) {
        const TvxDataSkinObject* r = record(m.skin_name);
        m_objects.push_back(
            std::make_unique<TvxSkinMainMenuBarButton>(*this, r, r ? m.skin_name : m.built_in, m.command));
    }
}

TRect TvxSkinMainMenuBar::ItemsArea() const
{
    const int w = Width(), h = Height();
    if (const TvxDataSkinMainMenuBar* bar = BarRecord(); bar && RecordPicture())
        return { bar->itemsrect.left, bar->itemsrect.top, w + bar->itemsrect.right - bar->skinrect.Width(),
            bar->itemsrect.bottom };
    return { 2, 2, w - 2, h - 2 };
}

void TvxSkinMainMenuBar::SetFontOn(TCanvas& canvas) const
{
    const TvxDataSkinMainMenuItem* record = m_items.empty() ? nullptr : m_items.front()->Record();
    if (record && m_use_skin_font && m_items.front()->Skinned()) {
        canvas.Font().SetName(record->fontname);
        canvas.Font().SetHeight(record->fontheight);
        canvas.Font().SetStyle(record->fontstyle);
    } else {
        canvas.Font().Assign(m_def_item_font);
    }
}

void TvxSkinMainMenuBar::BeforeChangeSkinData()
{
    // The entries and buttons hold the old skin's records: they go now and are made
    // again from the new skin.
    TvxSkinCustomControl::BeforeChangeSkinData();
    m_objects.clear();
    m_items.clear();
    m_hot = m_captured = -1;
    m_closed_by_press = nullptr;
    m_stale = true;
}

void TvxSkinMainMenuBar::LayOut()
{
    if (m_stale) {
        Rebuild();
        return;
    }
    TRect area = ItemsArea();
    // Merged with a maximised child's menu, nothing scrolls.
    const bool scroll = m_scroll_menu && !ChildMenu();
    // The child's buttons: the system menu at the left, the others from the right.
    if (m_child) {
        const TvxVeneer* child_veneer = TvxVeneer::Of(*m_child);
        const unsigned icons = child_veneer ? child_veneer->BorderIcons() : m_child->BorderIcons();
        for (int i = 0; i < ButtonCount(); ++i) {
            TvxSkinMainMenuBarButton& b = Button(i);
            const TvxMenuBarCommand c = b.Command();
            const unsigned needs = c == vxmbMinimize ? biMinimize
                : c == vxmbMaximize                  ? biMaximize
                                                     : biSystemMenu;
            b.SetVisible((icons & needs) != 0);
            if (!b.Visible())
                continue;
            const int bw = b.Width(area.Height()), bh = b.Height(area.Height());
            const int top = area.top + (area.Height() - bh) / 2;
            if (c == vxmbSystemMenu) {
                b.SetObjectRect({ area.left, top, area.left + bw, top + bh });
                area.left += bw + 2;
            } else {
                b.SetObjectRect({ area.right - bw, top, area.right, top + bh });
                area.right -= bw + 2;
            }
        }
    }
    TBitmap scratch(1, 1);
    TCanvas& c = scratch.Canvas();
    SetFontOn(c);
    const int limit = scroll ? area.right - kMoreWidth : area.right;
    int x = area.left;
    m_items_hidden = false;
    for (TvxSkinMainMenuBarItem* item : m_items) {
        const int w = item->NaturalWidth(c);
        const int h = item->Skinned() ? item->SkinRect().Height() : area.Height();
        const int top = area.top + std::max(0, (area.Height() - h) / 2);
        item->SetObjectRect({ x, top, x + w, top + std::min(h, std::max(area.Height(), 1)) });
        const bool fits = !m_items_hidden && x + w <= limit;
        item->SetShown(fits);
        m_items_hidden = m_items_hidden || !fits;
        x += w;
    }
    m_more_rect
        = m_items_hidden && scroll ? TRect { limit, area.top, limit + kMoreWidth, area.bottom } : TRect {};
}

void TvxSkinMainMenuBar::ChangeSkinData()
{
    TvxSkinCustomControl::ChangeSkinData();
    Rebuild();
}

void TvxSkinMainMenuBar::BackgroundChanged()
{
    if (const TvxSkinData* data = SkinData();
        data && !data->Empty() && data->FormInfo().mainmenubartransparent)
        Invalidate();
    TvxSkinCustomControl::BackgroundChanged();
}

void TvxSkinMainMenuBar::SizeChanged()
{
    LayOut();
    TvxSkinCustomControl::SizeChanged();
}

void TvxSkinMainMenuBar::ShowMDIButtons(TCustomForm* child)
{
    if (child == m_child)
        return;
    if (m_child)
        m_child->RemoveFreeNotification(this);
    m_child = child;
    if (m_child)
        m_child->FreeNotification(this);
    Rebuild();
}

void TvxSkinMainMenuBar::HideMDIButtons()
{
    ShowMDIButtons(nullptr);
}

// Looks

void TvxSkinMainMenuBar::CreateDefaultImage(TBitmap& image)
{
    PaintBar(image, false);
}

void TvxSkinMainMenuBar::CreateSkinImage(TBitmap& image)
{
    PaintBar(image, BarRecord() && RecordPicture());
}

void TvxSkinMainMenuBar::PaintBar(TBitmap& image, bool skinned)
{
    SyncItems();
    LayOut();
    TCanvas& c = image.Canvas();
    const int w = image.Width(), h = image.Height();
    const TvxDataSkinMainMenuBar* bar = skinned ? BarRecord() : nullptr;
    const TvxSkinData* data = SkinData();
    if (bar && data->FormInfo().mainmenubartransparent) {
        CopyParentImage(image);
    } else if (bar) {
        TBitmap strip(w, bar->skinrect.Height());
        TvxComposition::ComposeHorizontalStrip(bar->itemsrect.left,
            bar->skinrect.Width() - bar->itemsrect.right, strip, bar->stretcheffect, w, bar->skinrect,
            *RecordPicture());
        c.StretchDraw({ 0, 0, w, h }, strip);
    } else {
        c.Brush().SetColor(clBtnFace);
        c.FillRect({ 0, 0, w, h });
    }
    for (const auto& object : m_objects)
        if (object->Visible())
            object->Draw(c);
    if (TRect more = MoreRect(); !more.IsEmpty()) {
        TColor color = bar ? (m_more_hot ? bar->trackmarkactivecolor : bar->trackmarkcolor)
                           : (m_more_hot ? clBtnText : clBtnShadow);
        const int mid = more.top + more.Height() / 2;
        TvxSymbols::DrawArrow(c, { more.left, mid - 4, more.right, mid + 4 }, color, vxaRight);
    }
}

} // namespace tessel
