#pragma once

#include <string>

namespace tessel {

class TvxCompressedStoredSkin;

// Loads a skin given as a compressed skin file (version, size, data), a bare
// compressed skin (a zlib stream) or a skin folder's INI file.
class TSkinSource {
public:
    enum class Kind { kCompressedFile, kBareCompressed, kSkinFolder };

    // Raises the framework's errors for unreadable input, and Exception for a skin
    // folder whose INI lacks a required section (the message names them).
    static Kind Load(const std::string& path, TvxCompressedStoredSkin& skin);
};

} // namespace tessel
