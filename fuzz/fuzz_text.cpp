// Text from outside (skin captions, hints, menu entries): UTF-8 decoding and
// DrawText's layout under every format, on a made-up font so no font files are read.
#include "tessel/platform/TTextLayout.h"
#include "tessel/platform/Utf8.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace tessel;
    if (size < 6)
        return 0;
    // The first bytes choose the format and the rectangle; the rest is the text.
    uint32_t format = data[0] | data[1] << 8 | (data[2] & 0x10u) << 16;
    TRect rect { 0, 0, data[3], data[4] };
    std::string_view text(reinterpret_cast<const char*>(data + 5), size - 5);

    std::u32string decoded = DecodeUtf8(text);
    if (DecodeUtf8(EncodeUtf8(decoded)) != decoded)
        std::abort();

    TTextLayout layout({ 10, 3, 13, 5 }, [](char32_t c) { return static_cast<int>(c % 7) + 1; });
    layout.Layout(text, rect, format);
    for (const TTextLine& line : layout.Lines()) {
        if (line.offsets.size() != line.text.size())
            std::abort();
        if (line.underline >= static_cast<int>(line.text.size()))
            std::abort();
    }
    if (layout.CalcRect().Height() != 13 * static_cast<int>(layout.Lines().size()))
        std::abort();
    return 0;
}
