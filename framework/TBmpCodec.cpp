#include "tessel/framework/TBmpCodec.h"

#include "tessel/framework/Exception.h"
#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TStream.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <unordered_map>

namespace tessel {

namespace {

constexpr uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3;

uint16_t U16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}
uint32_t U32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
int32_t I32(const uint8_t* p)
{
    return static_cast<int32_t>(U32(p));
}

void Put16(std::vector<uint8_t>& out, uint16_t v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

[[noreturn]] void Invalid(const char* why)
{
    throw EInvalidGraphic(why);
}

// Extracts one channel given by a bit-field mask and scales it to 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
    explicit Channel(uint32_t m)
        : mask(m)
    {
        if (m == 0)
            return;
        shift = std::countr_zero(m);
        bits = std::popcount(m >> shift);
    }
    uint32_t Get(uint32_t v) const
    {
        if (bits == 0)
            return 0;
        uint32_t c = (v & mask) >> shift;
        if (bits >= 8)
            return c >> (bits - 8);
        uint32_t max = (1u << bits) - 1;
        return (c * 255 + max / 2) / max;
    }
};

struct Header {
    int32_t width = 0;
    int32_t height = 0;
    bool top_down = false;
    uint16_t bpp = 0;
    uint32_t compression = kBiRgb;
    uint32_t size_image = 0;
    uint32_t colors_used = 0;
    uint32_t masks[4] = { 0, 0, 0, 0 };
    size_t palette_offset = 0;
    size_t palette_entry = 4;
};

class Decoder {
public:
    Decoder(const uint8_t* data, size_t size)
        : m_data(data)
        , m_size(size)
    { }

    void Decode(TBitmap& out)
    {
        if (m_size < 14 + 12 || m_data[0] != 'B' || m_data[1] != 'M')
            Invalid("no bitmap file header");
        uint32_t off_bits = U32(m_data + 10);
        Header h = ReadInfoHeader();
        if (h.width <= 0 || h.height == 0 || h.width > TBmpCodec::kMaxSide
            || std::abs(h.height) > TBmpCodec::kMaxSide)
            Invalid("size out of range");
        int width = h.width, height = std::abs(h.height);
        if (static_cast<long long>(width) * height > TBmpCodec::kMaxPixels)
            Invalid("too many pixels");

        TBitmap result;
        std::vector<uint32_t> palette = ReadPalette(h);
        result.SetSize(width, height);
        result.SetPixelFormat(FormatOf(h.bpp));
        result.SetPalette(palette);

        if (off_bits > m_size)
            Invalid("pixel data beyond the file");
        const uint8_t* bits = m_data + off_bits;
        size_t bits_size = m_size - off_bits;

        if (h.compression == kBiRle8 || h.compression == kBiRle4) {
            if (h.top_down)
                Invalid("top-down run-length bitmap");
            if (h.size_image != 0 && h.size_image < bits_size)
                bits_size = h.size_image;
            DecodeRle(h, palette, bits, bits_size, result);
        } else {
            DecodeRows(h, palette, bits, bits_size, result);
        }
        out = std::move(result);
    }

private:
    static TPixelFormat FormatOf(uint16_t bpp)
    {
        switch (bpp) {
        case 1:
            return TPixelFormat::pf1bit;
        case 4:
            return TPixelFormat::pf4bit;
        case 8:
            return TPixelFormat::pf8bit;
        case 16:
            return TPixelFormat::pf16bit;
        case 24:
            return TPixelFormat::pf24bit;
        default:
            return TPixelFormat::pf32bit;
        }
    }

    Header ReadInfoHeader()
    {
        Header h;
        uint32_t info_size = U32(m_data + 14);
        const uint8_t* p = m_data + 14;
        if (info_size == 12) {
            h.width = U16(p + 4);
            h.height = U16(p + 6);
            if (U16(p + 8) != 1)
                Invalid("planes is not 1");
            h.bpp = U16(p + 10);
            h.palette_offset = 14 + 12;
            h.palette_entry = 3;
        } else if (info_size == 40 || info_size == 52 || info_size == 56 || info_size == 108
            || info_size == 124) {
            if (m_size < 14 + info_size)
                Invalid("truncated info header");
            h.width = I32(p + 4);
            int32_t height = I32(p + 8);
            if (height == INT32_MIN)
                Invalid("size out of range");
            h.top_down = height < 0;
            h.height = height;
            if (U16(p + 12) != 1)
                Invalid("planes is not 1");
            h.bpp = U16(p + 14);
            h.compression = U32(p + 16);
            h.size_image = U32(p + 20);
            h.colors_used = U32(p + 32);
            h.palette_offset = 14 + info_size;
            if (h.compression == kBiBitfields) {
                if (info_size == 40) {
                    if (m_size < 14 + 40 + 12)
                        Invalid("truncated bit-field masks");
                    for (int i = 0; i < 3; ++i)
                        h.masks[i] = U32(p + 40 + 4 * i);
                    h.palette_offset += 12;
                } else {
                    for (int i = 0; i < 3; ++i)
                        h.masks[i] = U32(p + 40 + 4 * i);
                    if (info_size >= 56)
                        h.masks[3] = U32(p + 52);
                }
            }
        } else {
            Invalid("unknown info header");
        }

        bool ok = false;
        switch (h.compression) {
        case kBiRgb:
            ok = h.bpp == 1 || h.bpp == 4 || h.bpp == 8 || h.bpp == 16 || h.bpp == 24 || h.bpp == 32;
            break;
        case kBiRle8:
            ok = h.bpp == 8;
            break;
        case kBiRle4:
            ok = h.bpp == 4;
            break;
        case kBiBitfields:
            ok = (h.bpp == 16 || h.bpp == 32) && h.masks[0] && h.masks[1] && h.masks[2];
            break;
        }
        if (!ok)
            Invalid("unsupported depth or compression");
        if (h.bpp == 16 && h.compression == kBiRgb) {
            h.masks[0] = 0x7C00;
            h.masks[1] = 0x03E0;
            h.masks[2] = 0x001F;
        }
        return h;
    }

    std::vector<uint32_t> ReadPalette(const Header& h)
    {
        std::vector<uint32_t> palette;
        if (h.bpp > 8)
            return palette;
        size_t count = size_t(1) << h.bpp;
        if (h.colors_used != 0 && h.colors_used < count)
            count = h.colors_used;
        if (h.palette_offset + count * h.palette_entry > m_size)
            Invalid("truncated palette");
        const uint8_t* p = m_data + h.palette_offset;
        for (size_t i = 0; i < count; ++i, p += h.palette_entry)
            palette.push_back(uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0]);
        return palette;
    }

    static uint32_t Lookup(const std::vector<uint32_t>& palette, uint32_t index)
    {
        return index < palette.size() ? palette[index] : 0;
    }

    void DecodeRows(
        const Header& h, const std::vector<uint32_t>& palette, const uint8_t* bits, size_t size, TBitmap& out)
    {
        int width = out.Width(), height = out.Height();
        size_t stride = ((static_cast<size_t>(width) * h.bpp + 31) / 32) * 4;
        if (stride * static_cast<size_t>(height) > size)
            Invalid("truncated pixel data");
        Channel r(h.masks[0]), g(h.masks[1]), b(h.masks[2]), a(h.masks[3]);
        for (int row = 0; row < height; ++row) {
            const uint8_t* src = bits + stride * static_cast<size_t>(row);
            int y = h.top_down ? row : height - 1 - row;
            uint32_t* dst = out.ScanLine(y);
            for (int x = 0; x < width; ++x) {
                switch (h.bpp) {
                case 1:
                    dst[x] = Lookup(palette, (src[x >> 3] >> (7 - (x & 7))) & 1);
                    break;
                case 4:
                    dst[x] = Lookup(palette, (src[x >> 1] >> ((x & 1) ? 0 : 4)) & 15);
                    break;
                case 8:
                    dst[x] = Lookup(palette, src[x]);
                    break;
                case 16: {
                    uint32_t v = U16(src + 2 * x);
                    dst[x] = (a.Get(v) << 24) | r.Get(v) << 16 | g.Get(v) << 8 | b.Get(v);
                    break;
                }
                case 24:
                    dst[x] = uint32_t(src[3 * x + 2]) << 16 | uint32_t(src[3 * x + 1]) << 8 | src[3 * x];
                    break;
                case 32:
                    if (h.compression == kBiBitfields) {
                        uint32_t v = U32(src + 4 * x);
                        dst[x] = (a.Get(v) << 24) | r.Get(v) << 16 | g.Get(v) << 8 | b.Get(v);
                    } else {
                        dst[x] = U32(src + 4 * x);
                    }
                    break;
                }
            }
        }
    }

    void DecodeRle(
        const Header& h, const std::vector<uint32_t>& palette, const uint8_t* bits, size_t size, TBitmap& out)
    {
        int width = out.Width(), height = out.Height();
        int x = 0, row = 0; // row counts from the bottom
        size_t i = 0;
        bool four = h.compression == kBiRle4;
        // Pixels that the runs skip (deltas, early line ends) take palette entry 0.
        out.Fill(Lookup(palette, 0));
        auto plot = [&](uint32_t index) {
            if (x < width && row < height)
                out.ScanLine(height - 1 - row)[x] = Lookup(palette, index);
            ++x;
        };
        while (i + 1 < size) {
            uint8_t count = bits[i], value = bits[i + 1];
            i += 2;
            if (count != 0) {
                for (int k = 0; k < count; ++k)
                    plot(four ? ((k & 1) ? value & 15 : value >> 4) : value);
                continue;
            }
            if (value == 0) { // end of line
                x = 0;
                ++row;
            } else if (value == 1) { // end of bitmap
                return;
            } else if (value == 2) { // delta
                if (i + 1 >= size)
                    Invalid("truncated run-length delta");
                x += bits[i];
                row += bits[i + 1];
                i += 2;
            } else { // absolute run of `value` pixels, padded to a word
                size_t bytes = four ? (value + 1u) / 2 : value;
                if (i + bytes > size)
                    Invalid("truncated run-length data");
                for (int k = 0; k < value; ++k) {
                    uint8_t byte = bits[i + (four ? k / 2 : k)];
                    plot(four ? ((k & 1) ? byte & 15 : byte >> 4) : byte);
                }
                i += (bytes + 1) & ~size_t(1);
            }
            if (row >= height)
                return;
        }
    }

    const uint8_t* m_data;
    size_t m_size;
};

} // namespace

void TBmpCodec::Read(TStream& stream, TBitmap& bitmap, Source source)
{
    int64_t start = stream.Position();
    int64_t available = stream.Size() - start;
    uint8_t file_header[14];
    if (available < 14 || stream.Read(file_header, 14) != 14)
        Invalid("truncated file header");
    if (file_header[0] != 'B' || file_header[1] != 'M')
        Invalid("no bitmap file header");
    int64_t length = U32(file_header + 2);
    if (source == Source::kWholeFile) {
        if (length < 14 + 12 || length > available)
            length = available;
    } else if (length < 14 + 12 || length > available) {
        Invalid("file size field out of range");
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(length));
    std::memcpy(bytes.data(), file_header, 14);
    if (stream.Read(bytes.data() + 14, bytes.size() - 14) != bytes.size() - 14)
        Invalid("truncated file");
    Decoder(bytes.data(), bytes.size()).Decode(bitmap);
    stream.SetPosition(start + length);
}

void TBmpCodec::Write(const TBitmap& bitmap, TStream& stream)
{
    int width = bitmap.Width(), height = bitmap.Height();
    int bpp = BitsPerPixel(bitmap.PixelFormat());
    std::vector<uint32_t> palette;
    if (bpp <= 8) {
        palette = bitmap.Palette();
        size_t max = size_t(1) << bpp;
        if (palette.size() > max)
            palette.resize(max);
        if (palette.empty() && bpp == 1)
            palette = { 0x000000, 0xFFFFFF };
    }
    size_t stride = ((static_cast<size_t>(width) * static_cast<size_t>(bpp) + 31) / 32) * 4;
    size_t pixel_bytes = stride * static_cast<size_t>(height);
    // Pixels map to the first palette entry of their colour. A colour the palette
    // lacks is added while there is room (a picture read with indexes beyond its
    // palette writes back unchanged), else it takes the nearest entry.
    std::unordered_map<uint32_t, uint8_t> index_of;
    for (size_t i = palette.size(); i-- > 0;)
        index_of[palette[i] & 0xFFFFFF] = static_cast<uint8_t>(i);
    size_t max_colors = bpp <= 8 ? size_t(1) << bpp : 0;
    auto index = [&](uint32_t argb) -> uint32_t {
        uint32_t rgb = argb & 0xFFFFFF;
        auto it = index_of.find(rgb);
        if (it != index_of.end())
            return it->second;
        if (palette.size() < max_colors) {
            palette.push_back(rgb);
            return index_of[rgb] = static_cast<uint8_t>(palette.size() - 1);
        }
        uint32_t best = 0;
        long best_d = -1;
        for (size_t i = 0; i < palette.size(); ++i) {
            long dr = long((rgb >> 16) & 255) - long((palette[i] >> 16) & 255);
            long dg = long((rgb >> 8) & 255) - long((palette[i] >> 8) & 255);
            long db = long(rgb & 255) - long(palette[i] & 255);
            long d = dr * dr + dg * dg + db * db;
            if (best_d < 0 || d < best_d) {
                best_d = d;
                best = static_cast<uint32_t>(i);
            }
        }
        index_of[rgb] = static_cast<uint8_t>(best);
        return best;
    };

    // Rows are encoded first, so that the palette is complete when the header is written.
    std::vector<uint8_t> pixels;
    pixels.reserve(pixel_bytes);
    std::vector<uint8_t> row(stride);
    for (int y = height - 1; y >= 0; --y) {
        std::fill(row.begin(), row.end(), 0);
        const uint32_t* src = bitmap.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            uint32_t p = src[x];
            switch (bpp) {
            case 1:
                row[x >> 3] |= static_cast<uint8_t>((index(p) & 1) << (7 - (x & 7)));
                break;
            case 4:
                row[x >> 1] |= static_cast<uint8_t>((index(p) & 15) << ((x & 1) ? 0 : 4));
                break;
            case 8:
                row[x] = static_cast<uint8_t>(index(p));
                break;
            case 16: {
                uint16_t v
                    = static_cast<uint16_t>(((p >> 19) & 31) << 10 | ((p >> 11) & 31) << 5 | ((p >> 3) & 31));
                row[2 * x] = uint8_t(v);
                row[2 * x + 1] = uint8_t(v >> 8);
                break;
            }
            case 24:
                row[3 * x] = uint8_t(p);
                row[3 * x + 1] = uint8_t(p >> 8);
                row[3 * x + 2] = uint8_t(p >> 16);
                break;
            case 32:
                for (int k = 0; k < 4; ++k)
                    row[4 * x + k] = uint8_t(p >> (8 * k));
                break;
            }
        }
        pixels.insert(pixels.end(), row.begin(), row.end());
    }

    size_t off_bits = 14 + 40 + palette.size() * 4;

    std::vector<uint8_t> out;
    out.reserve(off_bits + pixel_bytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<uint32_t>(off_bits + pixel_bytes));
    Put32(out, 0);
    Put32(out, static_cast<uint32_t>(off_bits));
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<uint16_t>(bpp));
    Put32(out, kBiRgb);
    Put32(out, static_cast<uint32_t>(pixel_bytes));
    Put32(out, 2835); // 72 dots per inch
    Put32(out, 2835);
    Put32(out, bpp <= 8 ? static_cast<uint32_t>(palette.size()) : 0);
    Put32(out, 0);
    for (uint32_t c : palette)
        Put32(out, c & 0xFFFFFF);

    out.insert(out.end(), pixels.begin(), pixels.end());
    stream.WriteBuffer(out.data(), out.size());
}

} // namespace tessel
