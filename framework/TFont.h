#pragma once

#include "tessel/framework/TColor.h"
#include "tessel/platform/TFontFace.h"

#include <functional>
#include <string>

namespace tessel {

// A font as controls and canvases hold it: a face name, a height in pixels (negative
// for the character height, as the platform counts), styles and a colour. Changing
// any of them calls OnChange.
class TFont {
public:
    using TChangeEvent = std::function<void()>;

    const std::string& Name() const { return m_name; }
    void SetName(std::string name);
    int Height() const { return m_height; }
    void SetHeight(int height);
    // Points at 96 pixels per inch; the height is -size * 96 / 72.
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const { return m_style; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    int Charset() const { return m_charset; }
    void SetCharset(int charset) { m_charset = charset; }

    // Copies every value and calls OnChange once.
    void Assign(const TFont& other);
    bool SameAs(const TFont& other) const;
    LOGFONT ToLogFont() const;
    // The face the platform opens for this font.
    TFontFace* Face() const;

    TChangeEvent OnChange;

private:
    void Changed();

    std::string m_name = "Tahoma";
    int m_height = -11;
    TFontStyles m_style = 0;
    TColor m_color = clWindowText;
    int m_charset = DEFAULT_CHARSET;
};

} // namespace tessel
