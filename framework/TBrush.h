#pragma once

#include "tessel/framework/TColor.h"

namespace tessel {

enum TBrushStyle { bsSolid, bsClear };

// The brush a canvas fills with; a clear brush fills nothing (and text is drawn
// without its background). Setting a colour makes a clear brush solid again.
class TBrush {
public:
    TColor Color() const { return m_color; }
    void SetColor(TColor color)
    {
        m_color = color;
        m_style = bsSolid;
    }
    TBrushStyle Style() const { return m_style; }
    void SetStyle(TBrushStyle style) { m_style = style; }

private:
    TColor m_color = 0xFFFFFF;
    TBrushStyle m_style = bsSolid;
};

} // namespace tessel
