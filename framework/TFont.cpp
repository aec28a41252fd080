#include "tessel/framework/TFont.h"

#include "tessel/platform/TFontEngine.h"

namespace tessel {

void TFont::SetName(std::string name)
{
    if (name != m_name) {
        m_name = std::move(name);
        Changed();
    }
}

void TFont::SetHeight(int height)
{
    if (height != m_height) {
        m_height = height;
        Changed();
    }
}

int TFont::Size() const
{
    return -m_height * 72 / 96;
}

void TFont::SetSize(int points)
{
    SetHeight(-points * 96 / 72);
}

void TFont::SetStyle(TFontStyles style)
{
    if (style != m_style) {
        m_style = style;
        Changed();
    }
}

void TFont::SetColor(TColor color)
{
    if (color != m_color) {
        m_color = color;
        Changed();
    }
}

void TFont::Assign(const TFont& other)
{
    if (SameAs(other))
        return;
    m_name = other.m_name;
    m_height = other.m_height;
    m_style = other.m_style;
    m_color = other.m_color;
    m_charset = other.m_charset;
    Changed();
}

bool TFont::SameAs(const TFont& other) const
{
    return m_name == other.m_name && m_height == other.m_height && m_style == other.m_style
        && m_color == other.m_color && m_charset == other.m_charset;
}

LOGFONT TFont::ToLogFont() const
{
    LOGFONT font;
    font.lfFaceName = m_name;
    font.lfHeight = m_height;
    font.lfWeight = (m_style & fsBold) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = m_style & fsItalic;
    font.lfUnderline = m_style & fsUnderline;
    font.lfStrikeOut = m_style & fsStrikeOut;
    return font;
}

TFontFace* TFont::Face() const
{
    return TFontEngine::Instance().Face(ToLogFont());
}

void TFont::Changed()
{
    if (OnChange)
        OnChange();
}

} // namespace tessel
