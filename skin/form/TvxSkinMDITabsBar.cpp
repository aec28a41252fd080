#include "tessel/skin/form/TvxSkinMDITabsBar.h"

#include "tessel/framework/TCanvas.h"
#include "tessel/framework/TCustomForm.h"
#include "tessel/framework/TMenuItem.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/skin/controls/TvxBuiltInLook.h"
#include "tessel/skin/controls/TvxSkinMenuSpeedButton.h"
#include "tessel/skin/data/TvxDataSkinButtonControl.h"
#include "tessel/skin/data/TvxDataSkinTabControl.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/draw/TvxComposition.h"
#include "tessel/skin/draw/TvxSymbols.h"
#include "tessel/skin/draw/TvxTextHelpers.h"
#include "tessel/skin/form/TvxVeneer.h"
#include "tessel/skin/menus/TvxSkinPopupMenu.h"

#include <algorithm>

namespace tessel {

namespace {

constexpr int kCloseSize = 14;

} // namespace

TvxSkinMDITabsBar::TvxSkinMDITabsBar(TComponent* owner)
    : TvxSkinCustomControl(owner)
{
    SetSkinDataName("tab");
    SetBounds(0, 0, 150, 21);
    SetDefaultHeight(21);
    m_list_menu = &Add<TvxSkinPopupMenu>();
    m_hidden_menu = &Add<TvxSkinPopupMenu>();
    auto button = [this](TAlign align, TvxSkinPopupMenu* menu, bool hidden_only) {
        auto& b = Add<TvxSkinMenuSpeedButton>();
        b.SetNewStyle(true);
        b.SetParent(this);
        b.SetAlign(align);
        b.SetWidth(TvxMDITabsLayout::kListButton);
        b.SetSkinPopupMenu(menu);
        b.SetVisible(false);
        // The lists are made as they are about to open.
        b.OnShowTrackMenu = [this, menu, hidden_only](TComponent*) { FillMenu(*menu, hidden_only); };
        return &b;
    };
    m_list_button = button(alLeft, m_list_menu, false);
    m_hidden_button = button(alRight, m_hidden_menu, true);
}

TvxSkinMDITabsBar::~TvxSkinMDITabsBar() = default;

void TvxSkinMDITabsBar::SetShowCloseButtons(bool value)
{
    m_show_close_buttons = value;
    Invalidate();
}

void TvxSkinMDITabsBar::SetTabKind(TvxSkinMDITabKind kind)
{
    m_tab_kind = kind;
    Invalidate();
}

void TvxSkinMDITabsBar::SetDefaultTabWidth(int width)
{
    m_default_tab_width = std::max(width, 1);
    Invalidate();
}

void TvxSkinMDITabsBar::SetMinTabWidth(int width)
{
    m_min_tab_width = std::max(width, 0);
    Invalidate();
}

TCustomForm* TvxSkinMDITabsBar::MDIForm() const
{
    TCustomForm* form = GetParentForm();
    return form && form->FormStyle() == fsMDIForm ? form : nullptr;
}

TvxMDITab* TvxSkinMDITabsBar::TabOf(const TCustomForm* child) const
{
    for (const auto& tab : m_tabs)
        if (tab->child == child)
            return tab.get();
    return nullptr;
}

void TvxSkinMDITabsBar::Sync()
{
    TCustomForm* form = MDIForm();
    std::vector<TCustomForm*> shown;
    for (int i = 0; form && i < form->MDIChildCount(); ++i)
        if (TCustomForm* child = form->MDIChildren(i); child->Visible())
            shown.push_back(child);
    // A tab whose child went (the hot one says goodbye first).
    for (size_t i = m_tabs.size(); i-- > 0;)
        if (std::find(shown.begin(), shown.end(), m_tabs[i]->child) == shown.end()) {
            if (static_cast<int>(i) == m_hot)
                SetHot(-1);
            m_tabs.erase(m_tabs.begin() + static_cast<std::ptrdiff_t>(i));
            m_pressed = -1;
            m_dragging = false;
        }
    for (TCustomForm* child : shown)
        if (!TabOf(child)) {
            auto tab = std::make_unique<TvxMDITab>();
            tab->child = child;
            m_tabs.push_back(std::move(tab));
        }
    TCustomForm* active = form ? form->ActiveMDIChild() : nullptr;
    for (auto& tab : m_tabs)
        tab->active = active && tab->child == active;
    if (m_hot >= TabCount())
        m_hot = -1;
    m_list_button->SetVisible(!m_tabs.empty());
    LayOut();
    Invalidate();
}

void TvxSkinMDITabsBar::LayOut()
{
    m_hidden = TvxMDITabsLayout::Arrange(m_tabs, Width(), Height(), m_default_tab_width, m_min_tab_width);
    for (auto& tab : m_tabs) {
        const int w = tab->rect.Width(), h = tab->rect.Height();
        // A tab too narrow for its close button has none.
        tab->close = m_show_close_buttons && tab->shown && w >= kCloseSize + 7
            ? TRect { w - kCloseSize - 5, (h - kCloseSize) / 2, w - 5, (h - kCloseSize) / 2 + kCloseSize }
            : TRect {};
    }
    m_hidden_button->SetVisible(m_hidden > 0);
}

void TvxSkinMDITabsBar::BackgroundChanged()
{
    if (const TvxSkinData* data = SkinData(); data && !data->Empty() && data->FormInfo().mditabstransparent)
        Invalidate();
    TvxSkinCustomControl::BackgroundChanged();
}

void TvxSkinMDITabsBar::Dispatch(TMessage& message)
{
    if (message.Msg == CM_MDICHILDCHANGED) {
        Sync();
        return;
    }
    TvxSkinCustomControl::Dispatch(message);
}

// Mouse

int TvxSkinMDITabsBar::IndexOf(const TvxMDITab* tab) const
{
    for (int i = 0; i < TabCount(); ++i)
        if (m_tabs[static_cast<size_t>(i)].get() == tab)
            return i;
    return -1;
}

bool TvxSkinMDITabsBar::InClose(const TvxMDITab& tab, int x, int y)
{
    return tab.close.Offset(tab.rect.left, tab.rect.top).Contains({ x, y });
}

int TvxSkinMDITabsBar::TabAt(int x, int y) const
{
    for (int i = 0; i < TabCount(); ++i)
        if (m_tabs[static_cast<size_t>(i)]->shown && m_tabs[static_cast<size_t>(i)]->rect.Contains({ x, y }))
            return i;
    return -1;
}

void TvxSkinMDITabsBar::SetHot(int index)
{
    if (index == m_hot)
        return;
    if (m_hot >= 0 && m_hot < TabCount()) {
        TvxMDITab& old = Tab(m_hot);
        old.hot = old.close_hot = old.close_pressed = false;
        if (OnTabMouseLeave)
            OnTabMouseLeave(this, &old);
    }
    m_hot = index;
    if (m_hot >= 0) {
        Tab(m_hot).hot = true;
        if (OnTabMouseEnter)
            OnTabMouseEnter(this, &Tab(m_hot));
    }
    Invalidate();
}

void TvxSkinMDITabsBar::Bring(TCustomForm* child)
{
    if (child->WindowState() == wsMinimized)
        child->SetWindowState(wsNormal);
    child->Show();
    if (child->HandleAllocated())
        TWindowManager::Instance().SetWindowPos(
            child->Handle(), HWND_TOP, {}, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Sync();
}

void TvxSkinMDITabsBar::MouseMove(TShiftState shift, int x, int y)
{
    TvxSkinCustomControl::MouseMove(shift, x, y);
    if (m_pressed >= 0 && m_move_tabs && !Tab(m_pressed).close_pressed && (m_dragging || x != m_press_x)) {
        m_dragging = true;
        m_offset = x - m_press_x;
        Invalidate();
        return;
    }
    SetHot(TabAt(x, y));
    if (m_hot >= 0) {
        TvxMDITab& tab = Tab(m_hot);
        const bool over = InClose(tab, x, y);
        if (over != tab.close_hot) {
            tab.close_hot = over;
            tab.close_pressed = tab.close_pressed && over;
            Invalidate();
        }
    }
}

void TvxSkinMDITabsBar::MouseLeave()
{
    TvxSkinCustomControl::MouseLeave();
    if (!m_dragging)
        SetHot(-1);
}

void TvxSkinMDITabsBar::MouseDown(TMouseButtonKind button, TShiftState shift, int x, int y)
{
    TvxSkinCustomControl::MouseDown(button, shift, x, y);
    const int index = TabAt(x, y);
    if (index < 0)
        return;
    TvxMDITab* tab = &Tab(index);
    if (button == mbRight && m_support_child_menus) {
        // The child's system menu at the cursor.
        if (TvxVeneer* veneer = TvxVeneer::Of(*tab->child)) {
            const TPoint at = ClientToScreen({ x, y });
            veneer->ShowSystemMenu({ at.x, at.y, at.x, at.y });
        }
    }
    if (button == mbLeft) {
        if (InClose(*tab, x, y)) {
            tab->close_pressed = true;
            Invalidate();
        } else {
            TCustomForm* child = tab->child;
            Bring(child);
            // Bringing the child forward syncs the tabs: its tab is looked up again.
            tab = TabOf(child);
            if (!tab)
                return;
        }
        m_pressed = IndexOf(tab);
        m_press_x = x;
        m_offset = 0;
    }
    if (OnTabMouseDown)
        OnTabMouseDown(this, button, shift, tab);
}

void TvxSkinMDITabsBar::MouseUp(TMouseButtonKind button, TShiftState shift, int x, int y)
{
    TvxSkinCustomControl::MouseUp(button, shift, x, y);
    if (m_dragging) {
        const int drop = TvxMDITabsLayout::DropIndex(m_tabs, m_pressed, m_offset);
        if (drop >= 0) {
            auto moved = std::move(m_tabs[static_cast<size_t>(m_pressed)]);
            m_tabs.erase(m_tabs.begin() + m_pressed);
            m_tabs.insert(m_tabs.begin() + drop, std::move(moved));
        }
        m_dragging = false;
        m_pressed = -1;
        m_offset = 0;
        m_hot = -1;
        LayOut();
        Invalidate();
        return;
    }
    const int index = TabAt(x, y);
    TvxMDITab* tab = index >= 0 ? &Tab(index) : nullptr;
    const bool close = tab && button == mbLeft && tab->close_pressed && InClose(*tab, x, y);
    for (auto& t : m_tabs)
        t->close_pressed = false;
    m_pressed = -1;
    if (tab && OnTabMouseUp)
        OnTabMouseUp(this, button, shift, tab);
    if (close)
        tab->child->Close();
    Invalidate();
}

void TvxSkinMDITabsBar::FillMenu(TvxSkinPopupMenu& menu, bool hidden_only)
{
    menu.SetSkinData(SkinData());
    menu.Items().Clear();
    for (const auto& tab : m_tabs) {
        if (hidden_only && tab->shown)
            continue;
        TCustomForm* child = tab->child;
        TMenuItem& item = menu.Items().Add(child->Caption(), [this, child](TComponent*) { Bring(child); });
        // Each item is named after its child, by the menu it stands in.
        item.SetName(child->Name() + (hidden_only ? "_VNRCHILDITEMBARHIDE" : "_VNRCHILDITEMBAR"));
        item.SetRadioItem(true);
        item.SetChecked(tab->active);
    }
}

// Looks

void TvxSkinMDITabsBar::CreateDefaultImage(TBitmap& image)
{
    PaintBar(image, false);
}

void TvxSkinMDITabsBar::CreateSkinImage(TBitmap& image)
{
    PaintBar(image, dynamic_cast<const TvxDataSkinTabControl*>(Record()) && RecordPicture());
}

void TvxSkinMDITabsBar::PaintBar(TBitmap& image, bool skinned)
{
    TCanvas& c = image.Canvas();
    const int w = image.Width(), h = image.Height();
    auto* record = dynamic_cast<const TvxDataSkinTabControl*>(Record());
    if (skinned && SkinData()->FormInfo().mditabstransparent) {
        // The skin asks for the form under the tabs.
        CopyParentImage(image);
    } else if (skinned && !record->tabsbgrect.IsEmpty()) {
        // The record's background piece repeated across, cut or stretched to the height.
        const TRect& piece = record->tabsbgrect;
        for (int x = 0; x < w; x += piece.Width()) {
            const int pw = std::min(piece.Width(), w - x);
            const TRect from { piece.left, piece.top, piece.left + pw,
                piece.top + std::min(piece.Height(), h) };
            c.CopySurface({ x, 0, x + pw, h }, RecordPicture()->Surface(), from);
        }
    } else {
        c.Brush().SetColor(clBtnFace);
        c.FillRect({ 0, 0, w, h });
    }
    if (m_tabs.empty())
        return;
    LayOut();
    for (int i = 0; i < TabCount(); ++i)
        if (Tab(i).shown && !(m_dragging && i == m_pressed))
            PaintTab(c, Tab(i), skinned);
    if (m_pressed >= 0 && m_pressed < TabCount()) {
        TvxMDITab& pressed = Tab(m_pressed);
        const TRect at = pressed.rect;
        if (m_dragging) {
            int dx = std::clamp(m_offset, -at.left, w - at.right);
            pressed.rect = at.Offset(dx, 0);
        }
        PaintTab(c, pressed, skinned);
        pressed.rect = at;
        // Where the dragged tab would go: a mark at the drop tab's edge.
        const int drop = TvxMDITabsLayout::DropIndex(m_tabs, m_pressed, m_offset);
        if (m_dragging && drop >= 0) {
            const TRect& target = Tab(drop).rect;
            const int x = m_offset <= 0 ? target.left : target.right;
            for (int dx = -1; dx <= 1; ++dx)
                for (int y = 0; y < h; ++y)
                    if (x + dx >= 0 && x + dx < w)
                        image.SetPixel(x + dx, y, ~image.Pixel(x + dx, y) | 0xFF000000);
        }
    }
}

void TvxSkinMDITabsBar::PaintTab(TCanvas& canvas, TvxMDITab& tab, bool skinned)
{
    const int w = tab.rect.Width(), h = tab.rect.Height();
    if (w <= 0 || h <= 0)
        return;
    TBitmap image(w, h);
    TCanvas& c = image.Canvas();
    auto* record = dynamic_cast<const TvxDataSkinTabControl*>(Record());
    TColor text_color = DefaultFont().Color();
    if (skinned && m_tab_kind == vxtkTab) {
        TRect look = record->tabrect;
        text_color = record->fontcolor;
        if (tab.active && !record->activetabrect.IsEmpty()) {
            look = record->activetabrect;
            text_color = record->activefontcolor;
        } else if (tab.hot && !record->mouseintabrect.IsEmpty()) {
            look = record->mouseintabrect;
            text_color = record->mouseinfontcolor;
        }
        TvxComposition::ComposeHorizontalStrip(record->tableftoffset, record->tabrightoffset, image,
            record->tabstretcheffect, w, look, *RecordPicture());
        if (image.Height() != h) {
            TBitmap fitted(w, h);
            fitted.Canvas().StretchDraw({ 0, 0, w, h }, image);
            image = fitted;
        }
    } else if (skinned && m_tab_kind == vxtkButton) {
        // The resize button's looks, composed to the tab's size.
        const TvxSkinData* data = SkinData();
        auto* button = dynamic_cast<const TvxDataSkinButtonControl*>(
            data->ControlList(data->GetControlIndex("resizebutton")));
        TvxSkinLook look;
        if (button)
            look.Read(data, button);
        if (button && look.Picture()) {
            TvxElementGeometry g = look.Geometry();
            g.R = tab.active && !button->downskinrect.IsEmpty() ? button->downskinrect
                : tab.hot && !button->activeskinrect.IsEmpty()  ? button->activeskinrect
                                                                : button->skinrect;
            int aw = w, ah = h;
            TvxComposition::ComposeByMode(g, image, *look.Picture(), aw, ah);
            text_color = tab.active ? button->downfontcolor
                : tab.hot           ? button->activefontcolor
                                    : button->fontcolor;
        }
    } else {
        c.Brush().SetColor(tab.active ? TvxBuiltInLook::kDownFill
                : tab.hot             ? TvxBuiltInLook::kHotFill
                                      : clBtnFace);
        c.FillRect({ 0, 0, w, h });
    }
    TCanvas& ic = image.Canvas();
    if (record && UseSkinFont() && skinned) {
        ic.Font().SetName(record->fontname);
        ic.Font().SetHeight(record->fontheight);
        ic.Font().SetStyle(record->fontstyle);
    } else {
        ic.Font().Assign(DefaultFont());
    }
    ic.Font().SetColor(text_color);
    ic.Brush().SetStyle(bsClear);
    TRect text { 2, 0, w - 2, h };
    if (m_show_close_buttons)
        text.right = w - kCloseSize - 5;
    std::string caption = tab.child->Caption();
    TvxTextHelpers::ShortenWithEllipsis(ic, caption, text.Width());
    ic.DrawText(caption, text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    if (!tab.close.IsEmpty()) {
        // The close button: a square lit under the mouse, with the close glyph.
        if (tab.close_hot || tab.close_pressed) {
            ic.Brush().SetColor(tab.close_pressed ? TvxBuiltInLook::kDownFill : TvxBuiltInLook::kHotFill);
            ic.FillRect(tab.close);
            ic.Frame3D(tab.close, 0x800000, 0x800000);
        }
        TvxSymbols::DrawCaptionSymbol(ic, tab.close.left + 2, tab.close.top + 2,
            tab.close_hot || tab.close_pressed ? clWhite : clBlack, vxcsClose);
    }
    canvas.Draw(tab.rect.left, tab.rect.top, image);
}

} // namespace tessel
