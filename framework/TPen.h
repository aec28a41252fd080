#pragma once

#include "tessel/framework/TColor.h"

namespace tessel {

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// The pen a canvas draws lines and outlines with (one pixel wide solid lines, or none).
class TPen {
public:
    TColor Color() const { return m_color; }
    void SetColor(TColor color) { m_color = color; }
    TPenStyle Style() const { return m_style; }
    void SetStyle(TPenStyle style) { m_style = style; }
    int Width() const { return m_width; }
    void SetWidth(int width) { m_width = width < 1 ? 1 : width; }

private:
    TColor m_color = 0x000000;
    TPenStyle m_style = psSolid;
    int m_width = 1;
};

} // namespace tessel
