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
    // folder whose INI lacks a required section (the message names them) and for a
    // package whose version is outside 0 .. 3 (random bytes that inflate, say).
    static Kind Load(const std::string& path, TvxCompressedStoredSkin& skin);
    // The version of the skin's package; Exception when it is outside 0 .. 3.
    static int PackageVersion(TvxCompressedStoredSkin& skin);

private:
    static Kind LoadAny(const std::string& path, TvxCompressedStoredSkin& skin);
};

} // namespace tessel
