#pragma once

#include "tessel/platform/TFontFace.h"

#include <map>
#include <memory>
#include <string>

struct FT_LibraryRec_;

namespace tessel {

// Finds and opens fonts: fontconfig picks the file for a face name, weight and
// slant (its aliases send "Arial" to a metric-compatible face such as Liberation
// Sans; Wine's Tahoma is added to the search when it is installed), FreeType
// opens it. Faces are opened once per distinct LOGFONT and kept for the program's
// life; the pointers stay valid.
class TFontEngine {
public:
    static TFontEngine& Instance();
    ~TFontEngine();

    FT_LibraryRec_* Library() const { return m_library; }
    // Others in the process (a toolkit's own text) use fontconfig too: its caches
    // are then left to the process's end rather than released at exit.
    static void SetFontconfigShared() { s_fontconfig_shared = true; }
    // Never null while any font is installed; a face that cannot be found falls
    // back to fontconfig's default sans-serif.
    TFontFace* Face(const LOGFONT& font);

private:
    TFontEngine();
    static inline bool s_fontconfig_shared = false;
    struct Key {
        LOGFONT font;
        bool operator<(const Key& other) const;
    };

    FT_LibraryRec_* m_library = nullptr;
    std::map<Key, std::unique_ptr<TFontFace>> m_faces;
};

} // namespace tessel
