#include "tessel/platform/TFontFace.h"

#include "tessel/platform/TFontEngine.h"

#include <algorithm>
#include <cmath>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

namespace tessel {

namespace {

constexpr int kDefaultCharHeight = 11;

int Round26(FT_Pos v)
{
    return static_cast<int>((v + 32) >> 6);
}

} // namespace

std::unique_ptr<TFontFace> TFontFace::Open(const std::string& file, int index, const LOGFONT& font)
{
    FT_Face face = nullptr;
    if (FT_New_Face(TFontEngine::Instance().Library(), file.c_str(), index, &face) != 0)
        return nullptr;
    std::unique_ptr<TFontFace> out(new TFontFace);
    out->m_face = face;
    out->m_font = font;
    out->m_family = face->family_name ? face->family_name : "";
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    bool face_bold = (face->style_flags & FT_STYLE_FLAG_BOLD) || (os2 && os2->usWeightClass >= 600);
    out->m_bold = font.lfWeight >= 600 && !face_bold;
    out->m_italic = font.lfItalic && !(face->style_flags & FT_STYLE_FLAG_ITALIC);

    // Windows metrics decide the cell: ascent and descent in font units.
    double units = face->units_per_EM ? face->units_per_EM : 2048;
    double ascent = face->ascender, descent = -face->descender;
    if (os2 && os2->usWinAscent + os2->usWinDescent > 0) {
        ascent = os2->usWinAscent;
        descent = os2->usWinDescent;
    }
    if (ascent + descent <= 0) {
        ascent = units * 0.9;
        descent = units * 0.2;
    }
    int height = font.lfHeight == 0 ? -kDefaultCharHeight : font.lfHeight;
    double em = height < 0 ? -height : height * units / (ascent + descent);
    double scale = em / units;
    FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(std::lround(em * 64)), 72, 72);

    TTextMetrics& m = out->m_metrics;
    m.ascent = static_cast<int>(std::lround(ascent * scale));
    m.descent = static_cast<int>(std::lround(descent * scale));
    m.height = m.ascent + m.descent;
    if (os2 && os2->xAvgCharWidth > 0)
        m.ave_char_width = static_cast<int>(std::lround(os2->xAvgCharWidth * scale));
    else
        m.ave_char_width = std::max(1, out->Advance(U'x'));
    m.ave_char_width = std::max(1, m.ave_char_width);

    int thickness = static_cast<int>(std::lround(face->underline_thickness * scale));
    out->m_line_thickness = std::max(1, thickness);
    out->m_underline_pos = std::max(1, static_cast<int>(std::lround(-face->underline_position * scale)));
    out->m_strike_pos = os2 && os2->yStrikeoutPosition > 0
        ? static_cast<int>(std::lround(os2->yStrikeoutPosition * scale))
        : m.ascent / 3;
    return out;
}

TFontFace::~TFontFace()
{
    if (m_face)
        FT_Done_Face(m_face);
}

const TGlyph& TFontFace::Glyph(char32_t code_point)
{
    auto found = m_glyphs.find(code_point);
    if (found != m_glyphs.end())
        return found->second;
    TGlyph& glyph = m_glyphs[code_point];
    FT_UInt index = FT_Get_Char_Index(m_face, code_point);
    if (FT_Load_Glyph(m_face, index, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0)
        return glyph;
    FT_GlyphSlot slot = m_face->glyph;
    if (m_italic && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        FT_Matrix shear { 0x10000, 0x0366A, 0, 0x10000 }; // about 12 degrees
        FT_Outline_Transform(&slot->outline, &shear);
    }
    if (m_bold)
        FT_GlyphSlot_Embolden(slot);
    glyph.advance = Round26(slot->advance.x);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0)
        return glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.coverage.resize(static_cast<size_t>(glyph.width) * static_cast<size_t>(glyph.height));
    for (int y = 0; y < glyph.height; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
        std::copy(row, row + glyph.width, glyph.coverage.begin() + static_cast<ptrdiff_t>(y) * glyph.width);
    }
    return glyph;
}

} // namespace tessel
