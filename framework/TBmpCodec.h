#pragma once

namespace tessel {

class TBitmap;
class TStream;

// Reads and writes Windows bitmap files: 1, 4, 8, 16, 24 and 32 bits per pixel,
// palettes, bottom-up and top-down rows, RLE4 and RLE8, bit-field masks.
class TBmpCodec {
public:
    enum class Source {
        // A BMP embedded in a longer stream: its file header's size says where it
        // ends, and the stream is left right behind it.
        kStream,
        // A whole file: a wrong size in the file header is forgiven.
        kWholeFile,
    };

    // The largest picture accepted, in pixels; larger headers are invalid rather
    // than allocated.
    static constexpr long long kMaxPixels = 64ll * 1024 * 1024;
    static constexpr int kMaxSide = 32767;

    // Raises EInvalidGraphic for anything but a valid BMP; on failure the bitmap is unchanged.
    static void Read(TStream& stream, TBitmap& bitmap, Source source);
    static void Write(const TBitmap& bitmap, TStream& stream);
};

} // namespace tessel
