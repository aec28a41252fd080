#include "tools/vxskin/TSkinRecordsJson.h"

#include "tessel/skin/data/TvxSkinData.h"
#include "tools/vxskin/TJsonFieldVisitor.h"
#include "tools/vxskin/TJsonWriter.h"

namespace tessel {

namespace {

void PictureInfo(TJsonWriter& json, const TBitmap* bitmap)
{
    if (!bitmap || bitmap->Empty()) {
        json.Null();
        return;
    }
    json.BeginObject();
    json.Key("width");
    json.Number(bitmap->Width());
    json.Key("height");
    json.Number(bitmap->Height());
    json.Key("bits");
    json.Number(BitsPerPixel(bitmap->PixelFormat()));
    json.EndObject();
}

// VisitFields is shared with the reader and so takes the record as mutable; this
// visitor only reads the fields.
void Fields(TJsonWriter& json, const TvxSkinRecord& record)
{
    TJsonFieldVisitor visitor(json);
    json.BeginObject();
    const_cast<TvxSkinRecord&>(record).VisitEveryField(visitor);
    json.EndObject();
}

template<class Record>
void RecordList(TJsonWriter& json, const char* key, int count, Record* (TvxSkinData::*at)(int) const,
    const TvxSkinData& data)
{
    json.Key(key);
    json.BeginArray();
    for (int i = 0; i < count; ++i) {
        const Record* record = (data.*at)(i);
        json.BeginObject();
        json.Key("index");
        json.Number(i);
        json.Key("IDName");
        json.String(record->IDName);
        json.Key("class");
        json.String(record->ClassName());
        json.Key("fields");
        Fields(json, *record);
        json.EndObject();
    }
    json.EndArray();
}

} // namespace

std::string TSkinRecordsJson::Write(const TvxSkinData& data, int package_version)
{
    TJsonWriter json;
    json.BeginObject();
    json.Key("version");
    json.Number(package_version);

    json.Key("pictures");
    json.BeginObject();
    const std::pair<const char*, const TBitmap*> pictures[] = { { "picture", &data.Picture() },
        { "inactivepicture", &data.InactivePicture() }, { "mask", &data.Mask() },
        { "rolluppicture", &data.RollUpPicture() }, { "rollupmask", &data.RollUpMask() } };
    for (auto [key, bitmap] : pictures) {
        json.Key(key);
        PictureInfo(json, bitmap);
    }
    json.Key("activepictures");
    json.BeginArray();
    for (int i = 0; i < data.ActivePictureCount(); ++i)
        PictureInfo(json, data.ActivePicture(i));
    json.EndArray();
    json.EndObject();

    json.Key("skin");
    json.BeginObject();
    const std::pair<const char*, const std::string*> identity[] = { { "skinname", &data.SkinName() },
        { "skinauthor", &data.SkinAuthor() }, { "authoremail", &data.AuthorEmail() },
        { "authorurl", &data.AuthorURL() }, { "skincomments", &data.SkinComments() } };
    for (auto [key, value] : identity) {
        json.Key(key);
        json.String(*value);
    }
    json.EndObject();

    json.Key("forminfo");
    Fields(json, data.FormInfo());
    json.Key("popupwindow");
    Fields(json, data.PopupWindow());
    json.Key("hintwindow");
    Fields(json, data.HintWindow());
    json.Key("colors");
    Fields(json, data.SkinColors());

    json.Key("areas");
    json.BeginArray();
    for (int i = 0; i < data.AreaCount(); ++i) {
        const TvxDataSkinArea& area = data.Area(i);
        json.BeginObject();
        json.Key("IDName");
        json.String(area.IDName);
        json.Key("AreaRect");
        json.Numbers({ area.AreaRect.left, area.AreaRect.top, area.AreaRect.right, area.AreaRect.bottom });
        json.EndObject();
    }
    json.EndArray();

    RecordList(json, "objects", data.ObjectCount(), &TvxSkinData::ObjectList, data);
    RecordList(json, "controls", data.ControlCount(), &TvxSkinData::ControlList, data);
    json.EndObject();
    return json.Text();
}

} // namespace tessel
