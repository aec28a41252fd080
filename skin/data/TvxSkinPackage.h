#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace tessel {

class TBitmap;
class TStream;
class TStringList;

// The skin package: one byte stream with the version V, the picture slots that V
// selects, the active pictures and the skin INI text.
//
//   V (int32) | picture slot | [inactive slot if V is 2 or 3] | mask slot |
//   [roll-up picture and roll-up mask slots if V is 1 or 2] |
//   N (int32) | N BMP files | INI text (CR LF lines) to the end
//
// A picture slot is one flag byte (1 = no picture, 0 = a BMP file follows).
class TvxSkinPackage {
public:
    static constexpr int32_t kHighestVersion = 3;

    static bool HasInactivePicture(int32_t version) { return version == 2 || version == 3; }
    static bool HasRollUpPictures(int32_t version) { return version == 1 || version == 2; }

    // Reads V. A negative V is no package at all (random bytes, say): raises an
    // Exception naming it. A V above 3 is returned for the caller to reject.
    static int32_t ReadVersion(TStream& stream);
    // Reads a slot into bitmap: cleared for the empty flag, else the BMP.
    // Raises EReadError at the end of the stream and EInvalidGraphic for a bad BMP.
    static void ReadPictureSlot(TStream& stream, TBitmap& bitmap);
    // Reads the picture slots that the version carries, in package order; pictures
    // without a slot are cleared.
    static void ReadPictureSlots(TStream& stream, int32_t version, TBitmap& picture, TBitmap& inactive,
        TBitmap& mask, TBitmap& rollup, TBitmap& rollup_mask);
    // Reads N and the N bitmaps, appending each to the list before loading it (a
    // count past the pictures present fails at the first missing one).
    static void ReadActivePictures(TStream& stream, std::vector<std::unique_ptr<TBitmap>>& pictures);
    // Reads everything from the position to the end as the INI lines.
    static void ReadIniText(TStream& stream, TStringList& lines);

    // Writes the empty flag for an empty bitmap, else 0 and the BMP.
    static void WritePictureSlot(TStream& stream, const TBitmap& bitmap);
    static void WriteIniText(TStream& stream, const TStringList& lines);
};

} // namespace tessel
