#pragma once

#include "tessel/framework/TColor.h"
#include "tessel/skin/form/objects/TvxActiveSkinObject.h"

namespace tessel {

class TvxDataSkinTrackBar;

// A slider on the frame: a button dragged along the line from the begin point to the
// end point (object coordinates); its place gives the value.
class TvxSkinTrackBarObject : public TvxActiveSkinObject {
public:
    TvxSkinTrackBarObject(TvxFrameObjectHost& host, const TvxDataSkinTrackBar& record);

    void Draw(TCanvas& canvas, bool update) override;
    void MouseDown(int x, int y, TMouseButtonKind button) override;
    void MouseMove(int x, int y) override;
    void MouseUp(int x, int y, TMouseButtonKind button) override;

    int Value() const { return m_value; }
    void SetValue(int value);
    TPoint ButtonPosition() const { return m_position; }
    bool Vertical() const { return m_vertical; }

private:
    int ValueAt(TPoint position) const;
    TPoint PositionOf(int value) const;
    // Moves the button to a new place on the line; a new place redraws and tells.
    void MoveButton(TPoint position);
    TRect ButtonRect() const;

    TRect m_button_rect, m_active_button_rect;
    TPoint m_begin, m_end;
    int m_min = 0, m_max = 0;
    bool m_jump_to_press = false;
    bool m_button_transparent = false;
    TColor m_button_transparent_color = 0;
    bool m_vertical = false;
    int m_value = 0;
    TPoint m_position;
    bool m_dragging = false;
    TPoint m_last;
};

} // namespace tessel
