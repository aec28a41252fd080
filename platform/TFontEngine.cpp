#include "tessel/platform/TFontEngine.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <tuple>

namespace tessel {

namespace {

// Where Debian's fonts-wine puts its Tahoma, outside fontconfig's own folders.
constexpr const char* kWineFonts = "/usr/share/wine/fonts";

} // namespace

bool TFontEngine::Key::operator<(const Key& other) const
{
    const LOGFONT& a = font;
    const LOGFONT& b = other.font;
    return std::tie(a.lfFaceName, a.lfHeight, a.lfWeight, a.lfItalic, a.lfUnderline, a.lfStrikeOut)
        < std::tie(b.lfFaceName, b.lfHeight, b.lfWeight, b.lfItalic, b.lfUnderline, b.lfStrikeOut);
}

TFontEngine& TFontEngine::Instance()
{
    static TFontEngine engine;
    return engine;
}

TFontEngine::TFontEngine()
{
    FT_Init_FreeType(&m_library);
    FcInit();
    FcConfigAppFontAddDir(nullptr, reinterpret_cast<const FcChar8*>(kWineFonts));
}

TFontEngine::~TFontEngine()
{
    m_faces.clear();
    if (m_library)
        FT_Done_FreeType(m_library);
    // Fontconfig keeps its configuration and caches until told to let them go.
    if (!s_fontconfig_shared)
        FcFini();
}

TFontFace* TFontEngine::Face(const LOGFONT& font)
{
    Key key { font };
    auto found = m_faces.find(key);
    if (found != m_faces.end())
        return found->second.get();

    bool bold = font.lfWeight >= 600;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(font.lfFaceName.c_str()));
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, font.lfItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);

    std::unique_ptr<TFontFace> face;
    if (match) {
        FcChar8* file = nullptr;
        int index = 0;
        FcPatternGetString(match, FC_FILE, 0, &file);
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        if (file)
            face = TFontFace::Open(reinterpret_cast<const char*>(file), index, font);
        FcPatternDestroy(match);
    }
    TFontFace* out = face.get();
    if (face)
        m_faces[key] = std::move(face);
    return out;
}

} // namespace tessel
