#include "tessel/skin/form/objects/TvxSkinBitLabelObject.h"

#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/skin/data/TvxDataSkinBitLabel.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/form/objects/TvxFrameObjectHost.h"

namespace tessel {

TvxSkinBitLabelObject::TvxSkinBitLabelObject(TvxFrameObjectHost& host, const TvxDataSkinBitLabel& record)
    : TvxActiveSkinObject(host, record)
    , m_text(record.textvalue)
    , m_symbol_width(record.symbolwidth)
    , m_symbol_height(record.symbolheight)
    , m_transparent(record.transparent)
    , m_transparent_color(record.transparentcolor)
{
    for (int i = 0; i < record.symbols.Count(); ++i)
        m_symbols.push_back(record.symbols.Strings(i));
}

void TvxSkinBitLabelObject::SetText(const std::string& text)
{
    m_text = text;
    m_host.DrawObjectNow(*this);
}

void TvxSkinBitLabelObject::Draw(TCanvas& canvas, bool)
{
    if (!SkinLoaded())
        return;
    const TRect& s = m_skin_rect;
    if (s.IsEmpty())
        return;
    TBitmap image(s.Width(), s.Height());
    image.Canvas().CopySurface({ 0, 0, s.Width(), s.Height() }, NormalPicture()->Surface(), s);
    if (m_active_picture && m_symbol_width > 0 && m_symbol_height > 0) {
        for (size_t i = 0; i < m_text.size(); ++i) {
            int x = static_cast<int>(i) * m_symbol_width;
            if (x >= image.Width())
                break;
            // The first row holding the character gives its glyph; one not found
            // leaves its cell as background.
            for (size_t row = 0; row < m_symbols.size(); ++row) {
                size_t column = m_symbols[row].find(m_text[i]);
                if (column == std::string::npos)
                    continue;
                int gx = m_active_rect.left + static_cast<int>(column) * m_symbol_width;
                int gy = m_active_rect.top + static_cast<int>(row) * m_symbol_height;
                // A glyph passing the right edge is cut there and ends the text.
                int width = std::min(m_symbol_width, image.Width() - x);
                image.Canvas().CopySurface({ x, 0, x + width, m_symbol_height }, m_active_picture->Surface(),
                    { gx, gy, gx + width, gy + m_symbol_height });
                break;
            }
            if (x + m_symbol_width > image.Width())
                break;
        }
    }
    if (m_transparent) {
        // The glyphs' key colour shows the skin's main picture behind them.
        const TvxSkinData* data = m_host.LoadedSkin();
        TBitmap back(s.Width(), s.Height());
        back.Canvas().CopySurface({ 0, 0, s.Width(), s.Height() }, data->Picture().Surface(), s);
        image.SetTransparentMode(tmFixed);
        image.SetTransparentColor(m_transparent_color);
        image.SetTransparent(true);
        back.Canvas().Draw(0, 0, image);
        canvas.Draw(m_object_rect.left, m_object_rect.top, back);
        return;
    }
    canvas.Draw(m_object_rect.left, m_object_rect.top, image);
}

} // namespace tessel
