#include "tools/vxskin/TSkinElement.h"

#include "tessel/framework/Exception.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/data/TvxSkinFieldVisitor.h"

#include <map>

namespace tessel {

namespace {

// Collects the rectangles, points, flags and numbers of a record by key.
class TFieldCollector : public TvxSkinFieldVisitor {
public:
    void String(const char*, std::string&, const char*) override { }
    void Integer(const char* key, int32_t& value, int32_t) override { numbers[key] = value; }
    void Color(const char*, TColor&, TColor) override { }
    void Boolean(const char* key, bool& value) override { flags[key] = value; }
    void Rect(const char* key, TRect& value) override { rects[key] = value; }
    void Point(const char* key, TPoint& value) override { points[key] = value; }
    void FontStyles(const char*, TFontStyles&) override { }
    void EnumValue(const char* key, int32_t& value, const TvxEnumWords&) override { numbers[key] = value; }
    void LineList(const char*, TStringList&) override { }

    std::map<std::string, TRect> rects;
    std::map<std::string, TPoint> points;
    std::map<std::string, bool> flags;
    std::map<std::string, int32_t> numbers;
};

TFieldCollector Collect(TvxSkinRecord& record)
{
    TFieldCollector fields;
    record.VisitFields(fields);
    return fields;
}

const TBitmap* Active(const TvxSkinData& data, int index)
{
    return index >= 0 && index < data.ActivePictureCount() ? data.ActivePicture(index) : nullptr;
}

template<class T> T Get(const std::map<std::string, T>& map, const std::string& key, T fallback = {})
{
    auto it = map.find(key);
    return it == map.end() ? fallback : it->second;
}

} // namespace

TvxElementGeometry TSkinElement::GeometryOf(
    TvxSkinRecord& record, const std::string& rect_key, bool* found_rect)
{
    TFieldCollector f = Collect(record);
    TvxElementGeometry g;
    std::string key = rect_key.empty() ? "skinrect" : rect_key;
    if (found_rect)
        *found_rect = f.rects.count(key) != 0;
    g.R = Get(f.rects, key);
    g.LT = Get(f.points, "lefttoppoint");
    g.RT = Get(f.points, "righttoppoint");
    g.LB = Get(f.points, "leftbottompoint");
    g.RB = Get(f.points, "rightbottompoint");
    g.Client = f.rects.count("clientrect") ? f.rects["clientrect"] : Get(f.rects, "itemsrect");
    g.leftstretch = Get(f.flags, "leftstretch");
    g.topstretch = Get(f.flags, "topstretch");
    g.rightstretch = Get(f.flags, "rightstretch");
    g.bottomstretch = Get(f.flags, "bottomstretch");
    g.stretcheffect = Get(f.flags, "stretcheffect");
    g.stretchtype = static_cast<TvxStretchType>(Get(f.numbers, "stretchtype", int32_t(stfull)));
    return g;
}

TSkinElement TSkinElement::Find(
    const TvxSkinData& data, TElementKind kind, const std::string& name, const std::string& rect_key)
{
    TSkinElement e;
    TvxSkinRecord* record = nullptr;
    bool whole_picture = false;
    switch (kind) {
    case TElementKind::kControl: {
        int i = data.GetControlIndex(name);
        if (i < 0)
            throw Exception("the skin has no control \"" + name + "\"");
        record = data.ControlList(i);
        TFieldCollector f = Collect(*record);
        e.picture = Active(data, Get(f.numbers, "pictureindex", -1));
        e.mask = Active(data, Get(f.numbers, "maskpictureindex", -1));
        break;
    }
    case TElementKind::kObject: {
        int i = data.GetIndex(name);
        if (i < 0)
            throw Exception("the skin has no object \"" + name + "\"");
        record = data.ObjectList(i);
        TFieldCollector f = Collect(*record);
        bool in_active = Get(f.flags, "skinrectinapicture");
        e.picture = in_active ? Active(data, Get(f.numbers, "activepictureindex", -1)) : &data.Picture();
        break;
    }
    case TElementKind::kForm:
        record = const_cast<TvxSkinFormInfo*>(&data.FormInfo());
        e.picture = &data.Picture();
        e.mask = &data.Mask();
        whole_picture = true;
        break;
    case TElementKind::kPopup:
    case TElementKind::kHint: {
        record = kind == TElementKind::kPopup
            ? static_cast<TvxSkinRecord*>(const_cast<TvxDataSkinPopupWindow*>(&data.PopupWindow()))
            : const_cast<TvxDataSkinHintWindow*>(&data.HintWindow());
        TFieldCollector f = Collect(*record);
        e.picture = Active(data, Get(f.numbers, "windowpictureindex", -1));
        e.mask = Active(data, Get(f.numbers, "maskpictureindex", -1));
        whole_picture = true;
        break;
    }
    }
    bool found = false;
    e.geometry = GeometryOf(*record, whole_picture && rect_key.empty() ? std::string() : rect_key, &found);
    if (!rect_key.empty() && !found)
        throw Exception("the record has no rectangle \"" + rect_key + "\"");
    if (whole_picture && rect_key.empty())
        e.geometry.R = e.picture ? e.picture->Surface().Bounds() : TRect {};
    std::string label = name.empty() ? record->IDName : name;
    if (!e.picture || e.picture->Empty())
        throw Exception("the element \"" + label + "\" has no picture");
    if (e.geometry.W() > kMaxSide || e.geometry.H() > kMaxSide)
        throw EElementTooLarge("the element \"" + label + "\" is " + std::to_string(e.geometry.W()) + " x "
            + std::to_string(e.geometry.H()) + "; elements larger than " + std::to_string(kMaxSide) + " x "
            + std::to_string(kMaxSide) + " are not drawn");
    return e;
}

} // namespace tessel
