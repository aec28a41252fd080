#pragma once

#include "tessel/framework/TCustomControl.h"
#include "tessel/framework/TMenuItem.h"

#include <vector>

namespace tessel {

class TImageList;

// One level of the framework's default popup menu look: the shown items of a
// parent item in a column, a plain raised frame, the selected item highlighted,
// check marks, radio dots, images, shortcut texts and submenu arrows.
class TMenuWindow : public TCustomControl {
public:
    TMenuWindow(TMenuItem& parent, TImageList* images);

    TMenuItem& ParentItem() const { return m_parent_item; }
    // The shown items, top to bottom, and their rectangles in client coordinates.
    int ItemCount() const { return static_cast<int>(m_items.size()); }
    TMenuItem* Item(int index) const { return m_items.at(static_cast<size_t>(index)); }
    TRect ItemRect(int index) const { return m_rects.at(static_cast<size_t>(index)); }
    int IndexOf(const TMenuItem* item) const;
    // The item under a client point, -1 for none (separators included).
    int ItemAt(TPoint p) const;
    int Selected() const { return m_selected; }
    void SetSelected(int index);
    // The size the items need.
    TPoint MeasuredSize() const { return m_size; }
    // Shows the window with its top-left at a screen point, in front, without activating.
    void ShowAt(TPoint screen);

    const char* ClassName() const override { return "TMenuWindow"; }

    static constexpr int kBorder = 3;

protected:
    void CreateParams(TCreateParams& params) override;
    void Dispatch(TMessage& message) override;
    void Paint() override;

private:
    void Layout();
    void PaintItem(int index);

    TMenuItem& m_parent_item;
    TImageList* m_images;
    std::vector<TMenuItem*> m_items;
    std::vector<TRect> m_rects;
    TPoint m_size;
    int m_selected = -1;
    int m_image_column = 0;
    int m_shortcut_column = 0;
};

} // namespace tessel
