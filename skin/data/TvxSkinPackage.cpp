#include "tessel/skin/data/TvxSkinPackage.h"

#include "tessel/framework/Exception.h"
#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TStream.h"
#include "tessel/framework/TStringList.h"

#include <string>

namespace tessel {

int32_t TvxSkinPackage::ReadVersion(TStream& stream)
{
    int32_t version = stream.ReadInt32();
    if (version < 0)
        throw Exception("the skin package's version " + std::to_string(version) + " is outside 0 .. 3");
    return version;
}

void TvxSkinPackage::ReadPictureSlot(TStream& stream, TBitmap& bitmap)
{
    if (stream.ReadByte() != 0) {
        bitmap.Clear();
        return;
    }
    bitmap.LoadFromStream(stream);
}

void TvxSkinPackage::ReadPictureSlots(TStream& stream, int32_t version, TBitmap& picture, TBitmap& inactive,
    TBitmap& mask, TBitmap& rollup, TBitmap& rollup_mask)
{
    ReadPictureSlot(stream, picture);
    if (HasInactivePicture(version))
        ReadPictureSlot(stream, inactive);
    else
        inactive.Clear();
    ReadPictureSlot(stream, mask);
    if (HasRollUpPictures(version)) {
        ReadPictureSlot(stream, rollup);
        ReadPictureSlot(stream, rollup_mask);
    } else {
        rollup.Clear();
        rollup_mask.Clear();
    }
}

void TvxSkinPackage::ReadActivePictures(TStream& stream, std::vector<std::unique_ptr<TBitmap>>& pictures)
{
    int32_t count = stream.ReadInt32();
    for (int32_t i = 0; i < count; ++i) {
        pictures.push_back(std::make_unique<TBitmap>());
        pictures.back()->LoadFromStream(stream);
    }
}

void TvxSkinPackage::ReadIniText(TStream& stream, TStringList& lines)
{
    lines.LoadFromStream(stream);
}

void TvxSkinPackage::WritePictureSlot(TStream& stream, const TBitmap& bitmap)
{
    if (bitmap.Empty()) {
        stream.WriteByte(1);
        return;
    }
    stream.WriteByte(0);
    bitmap.SaveToStream(stream);
}

void TvxSkinPackage::WriteIniText(TStream& stream, const TStringList& lines)
{
    lines.SaveToStream(stream);
}

} // namespace tessel
