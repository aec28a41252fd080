#pragma once

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TFont.h"
#include "tessel/skin/menus/TvxFloatingPopup.h"
#include "tessel/skin/menus/TvxPopupFrame.h"
#include "tessel/skin/menus/TvxSkinMenuItem.h"

#include <memory>
#include <vector>

namespace tessel {

class TImageList;
class TMenuItem;
class TRegion;
class TTimer;
class TvxSkinMenu;

// How a popup window is built: its items, the looks and the limits it sizes by.
struct TvxPopupContent {
    std::vector<TMenuItem*> items;
    TImageList* images = nullptr;
    TvxPopupFrame frame;
    const TFont* default_font = nullptr;
    bool use_skin_font = true;
    int default_item_height = 20;
    int max_items_in_window = 0;
    TRect work_area;
};

// One level of an open skinned menu: a borderless top-most window that is never
// activated, its items in a column inside the skin's popup frame, scrolled when they
// do not all fit. It follows the mouse by polling the cursor, and the engine hands
// it the keys; what an item does is the engine's.
class TvxSkinPopupWindow : public TvxFloatingPopup {
public:
    TvxSkinPopupWindow(TvxSkinMenu& engine, const TvxPopupContent& content);
    ~TvxSkinPopupWindow() override;

    const TvxPopupFrame& Frame() const { return m_frame; }
    TPoint WindowSize() const { return m_size; }
    bool Scrollable() const { return m_scrollable; }
    bool Limited() const { return m_limited; }
    TRect ItemsRect() const { return m_frame.ItemsRect(m_size.x, m_size.y); }
    int ItemCount() const { return static_cast<int>(m_items.size()); }
    TvxSkinMenuItem& Item(int index) const { return *m_items.at(static_cast<size_t>(index)); }
    int IndexOf(const TvxSkinMenuItem* item) const;
    int FirstVisible() const { return m_first_visible; }
    int VisibleCount() const { return m_visible_count; }
    int Selected() const { return m_selected; }
    TvxSkinMenuItem* SelectedItem() const;
    enum TMarker { mkNone, mkUp, mkDown };
    TMarker MarkerState() const { return m_marker; }

    // Shows the window at a screen point, in front, without activation, and
    // preselects its first selectable item.
    void ShowAt(TPoint screen);
    // Hides the window and stops its timers: the engine has closed it.
    void Close();

    // The mouse at a client point (what the cursor poll runs when it moved here).
    void HoverAt(TPoint client);
    // The left button released at a client point.
    void ReleaseAt(TPoint client);
    // A key while this is the deepest window; whether it was taken.
    bool TakeKey(uint16_t key);
    bool CharKey(uint32_t ch);
    // Scrolls one item up (-1) or down (+1), wrapping round with wrap.
    void Scroll(int direction, bool wrap);
    // The mouse wheel turned by notches (positive: away from the user, up): the view
    // moves three items a notch, and a selection it leaves behind moves into it.
    void Wheel(int notches);
    // The items' open flags off (a deeper window has closed).
    void ClearOpen();
    void Redraw();
    // The whole window's picture: the frame, the items in view and the markers.
    void Compose(TBitmap& image);

    const char* ClassName() const override { return "TvxSkinPopupWindow"; }

protected:
    void Dispatch(TMessage& message) override;
    void Paint() override;

private:
    void Build(const TvxPopupContent& content);
    void Layout();
    int LastStart() const;
    // The selectable item nearest to index in the direction (+1 or -1), index itself
    // first; -1 when there is none that way.
    int SelectableFrom(int index, int direction) const;
    // Selects the item and moves the view (without wrapping) until it shows.
    void SelectInView(int index);
    void Select(int index, bool from_keyboard);
    void EnterItem(TvxSkinMenuItem& item, bool from_keyboard);
    void LeaveItem(TvxSkinMenuItem& item);
    void ClickItem(TvxSkinMenuItem& item);
    void RestartEffect(TvxSkinMenuItem& item);
    void OnEffectTimer();
    void OnPollTimer();
    void OnScrollTimer();
    void Appear();
    TRect UpMarker() const;
    TRect DownMarker() const;
    void PaintMarkers(TCanvas& canvas);
    // An item's plain background, for the markers and the gap above the down marker.
    void FillItemBackground(TCanvas& canvas, const TRect& rect);

    TvxSkinMenu& m_engine;
    TvxPopupFrame m_frame;
    TImageList* m_images = nullptr;
    TFont m_font;
    int m_image_column = 16;
    std::vector<std::unique_ptr<TvxSkinMenuItem>> m_items;
    TPoint m_size;
    bool m_scrollable = false;
    bool m_limited = false;
    int m_first_visible = 0;
    int m_visible_count = 0;
    int m_selected = -1;
    TMarker m_marker = mkNone;
    TPoint m_last_cursor { -1, -1 };
    TBitmap m_frame_background;
    // The screen under the window, for translucency without layered windows.
    TBitmap m_under;
    bool m_closed = false;
    std::unique_ptr<TRegion> m_region;
    std::unique_ptr<TTimer> m_effect_timer, m_poll_timer, m_scroll_timer, m_show_timer;
};

} // namespace tessel
