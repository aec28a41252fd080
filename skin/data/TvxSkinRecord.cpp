#include "tessel/skin/data/TvxSkinRecord.h"

#include "tessel/skin/data/TvxSkinIniReader.h"
#include "tessel/skin/data/TvxSkinIniWriter.h"

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
