#include "framework/TPngWriter.h"

#include "framework/Exception.h"
#include "framework/TBitmap.h"
#include "platform/TPngFile.h"

namespace tessel {

void TPngWriter::Save(const TBitmap& bitmap, const std::string& file_name)
{
    std::string error = TPngFile::Save(
        bitmap.Width(), bitmap.Height(), [&](int y) { return bitmap.ScanLine(y); }, file_name);
    if (!error.empty())
        throw EFCreateError(file_name, error);
}

} // namespace tessel
