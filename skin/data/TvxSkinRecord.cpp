#include "skin/data/TvxSkinRecord.h"

#include "skin/data/TvxSkinIniReader.h"
#include "skin/data/TvxSkinIniWriter.h"

namespace tessel {

void TvxSkinRecord::ReadSection(const TMemIniFile& ini)
{
    TvxSkinIniReader reader(ini, IDName);
    VisitFields(reader);
    AfterRead();
}

void TvxSkinRecord::WriteSection(TMemIniFile& ini)
{
    TvxSkinIniWriter writer(ini, IDName);
    VisitFields(writer);
}

} // namespace tessel
