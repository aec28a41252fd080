#include "framework/TPngWriter.h"

#include "framework/Exception.h"
#include "framework/TBitmap.h"
#include "platform/TPngFile.h"

namespace tessel {

void TPngWriter::Save(const TBitmap& bitmap, const std::string& file_name, TPngChannels channels)
{
    std::string error = TPngFile::Save(
        bitmap.Width(), bitmap.Height(), [&](int y) { return bitmap.ScanLine(y); }, file_name, channels);
    if (!error.empty())
        throw EFCreateError(file_name, error);
}

} // namespace tessel
