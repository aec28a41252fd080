#pragma once

#include "tessel/framework/TColor.h"
#include "tessel/skin/form/objects/TvxActiveSkinObject.h"

#include <vector>

namespace tessel {

class TvxDataSkinBitLabel;

// A text set in the skin's own glyphs: each character is looked up in the rows of
// symbols and its cell copied from the active picture, one cell after another.
class TvxSkinBitLabelObject : public TvxActiveSkinObject {
public:
    TvxSkinBitLabelObject(TvxFrameObjectHost& host, const TvxDataSkinBitLabel& record);

    void Draw(TCanvas& canvas, bool update) override;

    const std::string& Text() const { return m_text; }
    void SetText(const std::string& text);

private:
    std::string m_text;
    int m_symbol_width = 0, m_symbol_height = 0;
    std::vector<std::string> m_symbols;
    bool m_transparent = false;
    TColor m_transparent_color = 0;
};

} // namespace tessel
