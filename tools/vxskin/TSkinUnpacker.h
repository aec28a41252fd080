#pragma once

#include <string>

namespace tessel {

class TvxCompressedStoredSkin;

// Writes a compressed skin back as a skin folder: its INI and one BMP per picture.
// Picture file names come from the INI's PICTURES section when they are plain file
// names; a name with a path (which could point outside the folder), an empty name
// for a picture that is present, or a name used twice is replaced by a generated
// one, and the written INI names the files as written.
class TSkinUnpacker {
public:
    // Returns the path of the written INI. Raises the framework's errors.
    static std::string Unpack(TvxCompressedStoredSkin& skin, const std::string& dir);

    static bool IsPlainFileName(const std::string& name);
};

} // namespace tessel
