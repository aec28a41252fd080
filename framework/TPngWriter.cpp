#include "tessel/framework/TPngWriter.h"

#include "tessel/framework/Exception.h"
#include "tessel/framework/TBitmap.h"
#include "tessel/platform/TPngFile.h"

namespace tessel {

void TPngWriter::Save(const TBitmap& bitmap, const std::string& file_name, TPngChannels channels)
{
    std::string error = TPngFile::Save(
        bitmap.Width(), bitmap.Height(), [&](int y) { return bitmap.ScanLine(y); }, file_name, channels);
    if (!error.empty())
        throw EFCreateError(file_name, error);
}

} // namespace tessel
