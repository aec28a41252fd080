// BMP reader: any bytes must give a bitmap or EInvalidGraphic, and a bitmap read
// from a stream must leave the stream within its bytes.
#include "tessel/framework/Exception.h"
#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TMemoryStream.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace tessel;
    TMemoryStream stream(std::vector<uint8_t>(data, data + size));
    TBitmap bitmap;
    try {
        bitmap.LoadFromStream(stream);
    } catch (const EInvalidGraphic&) {
        return 0;
    }
    if (stream.Position() > static_cast<int64_t>(size))
        std::abort();
    // What was read writes back and reads again to the same pixels; 16-bit pictures
    // are written as 5-5-5 and may lose the low bits of other masks.
    if (bitmap.PixelFormat() == TPixelFormat::pf16bit)
        return 0;
    TMemoryStream copy;
    bitmap.SaveToStream(copy);
    copy.SetPosition(0);
    TBitmap again;
    again.LoadFromStream(copy);
    if (!(again == bitmap))
        std::abort();
    return 0;
}
