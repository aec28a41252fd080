#include "tessel/framework/Exception.h"
#include "tessel/framework/TMemIniFile.h"
#include "tessel/skin/data/SkinIniValues.h"
#include "tessel/skin/data/TvxDataSkinAnimate.h"
#include "tessel/skin/data/TvxDataSkinFrameGauge.h"
#include "tessel/skin/data/TvxDataSkinMenuItem.h"
#include "tessel/skin/data/TvxDataUserObject.h"
#include "tessel/skin/data/TvxEnumWords.h"
#include "tessel/skin/data/TvxSkinRecordFactory.h"
#include "tests/support/TestSkins.h"

#include <gtest/gtest.h>
#include <map>

using namespace tessel;

namespace {

// Writes a distinct, valid, non-default value for every field a record visits.
class Filler final : public TvxSkinFieldVisitor {
public:
    Filler(TMemIniFile& ini, std::string section)
        : m_ini(ini)
        , m_section(std::move(section))
    { }
    void String(const char* key, std::string&, const char*) override
    {
        Put(key, "text" + std::to_string(++m_n));
    }
    void Integer(const char* key, int32_t&, int32_t) override { Put(key, std::to_string(100 + ++m_n)); }
    void Color(const char* key, TColor&, TColor) override { Put(key, std::to_string(0x10203 * ++m_n)); }
    void Boolean(const char* key, bool&) override { Put(key, "1"); }
    void Rect(const char* key, TRect&) override
    {
        int n = ++m_n;
        Put(key, SkinRectText({ n, n + 1, n + 20, n + 30 }));
    }
    void Point(const char* key, TPoint&) override
    {
        int n = ++m_n;
        Put(key, SkinPointText({ n, n + 2 }));
    }
    void FontStyles(const char* key, TFontStyles&) override { Put(key, "fsbold,fsunderline"); }
    void EnumValue(const char* key, int32_t&, const TvxEnumWords& words) override { Put(key, words.Word(1)); }
    void LineList(const char* key, TStringList&) override
    {
        WriteSkinLineList(m_ini, m_section, key, TStringList { "ab", "cd" });
    }

private:
    void Put(const char* key, const std::string& value) { m_ini.WriteString(m_section, key, value); }
    TMemIniFile& m_ini;
    std::string m_section;
    int m_n = 0;
};

std::map<std::string, std::string> Values(const TMemIniFile& ini, const std::string& section)
{
    std::map<std::string, std::string> out;
    for (const std::string& key : ini.ReadSection(section))
        out[key] = ini.ReadString(section, key, "");
    return out;
}

const char* const kObjectTypes[] = { "button", "stdbutton", "mainmenubarbutton", "caption", "menuitem",
    "mainmenuitem", "mainmenubaritem", "label", "bitlabel", "switch", "gauge", "framegauge", "frameregulator",
    "trackbar", "animate", "userobject" };
const char* const kControlTypes[]
    = { "panel", "expanel", "button", "menubutton", "checkradio", "gauge", "splitter", "trackbar", "label",
          "stdlabel", "bitlabel", "updown", "edit", "memo", "spinedit", "listbox", "checklistbox", "combobox",
          "scrollbar", "scrollbox", "controlbar", "mainmenubar", "tab", "grid", "treeview", "listview",
          "richedit", "slider", "bevel", "animate", "switch", "framegauge", "frameregulator" };

// Keys whose written value differs from what was read, by an after-read rule.
bool ChangedByReading(const std::string& type, const std::string& key)
{
    if ((type == "bitlabel" || type == "trackbar" || type == "animate") && key == "morphing")
        return true;
    if (type == "updown")
        return key == "lefttoppoint" || key == "righttoppoint" || key == "leftbottompoint"
            || key == "rightbottompoint" || key == "clientrect";
    return false;
}

void CheckRoundTrip(
    const std::string& type, std::unique_ptr<TvxSkinRecord> record, std::unique_ptr<TvxSkinRecord> again)
{
    ASSERT_NE(record, nullptr) << type;
    TMemIniFile source;
    Filler filler(source, record->IDName);
    record->VisitFields(filler);
    record->ReadSection(source);

    TMemIniFile written;
    record->WriteSection(written);
    auto in = Values(source, record->IDName), out = Values(written, record->IDName);
    for (const auto& [key, value] : out) {
        ASSERT_TRUE(in.count(key)) << type << " wrote " << key;
        if (!ChangedByReading(type, key)) {
            EXPECT_EQ(value, in[key]) << type << "." << key;
        }
    }
    size_t not_written = type == "menuitem" ? 6 : 0;
    EXPECT_EQ(out.size() + not_written, in.size()) << type;

    // Reading what was written gives the same record again.
    again->ReadSection(written);
    TMemIniFile rewritten;
    again->WriteSection(rewritten);
    EXPECT_EQ(rewritten.GetStrings().Lines(), written.GetStrings().Lines()) << type;
}

} // namespace

TEST(SkinRecords, EveryClassWritesBackWhatItRead)
{
    for (const char* type : kObjectTypes)
        CheckRoundTrip(type, TvxSkinRecordFactory::CreateObject(type, "rec"),
            TvxSkinRecordFactory::CreateObject(type, "rec"));
    for (const char* type : kControlTypes)
        CheckRoundTrip(type, TvxSkinRecordFactory::CreateControl(type, "rec"),
            TvxSkinRecordFactory::CreateControl(type, "rec"));
}

TEST(SkinRecords, TypeWordsSelectClassesExactly)
{
    EXPECT_STREQ(TvxSkinRecordFactory::CreateObject("mainmenubarbutton", "x")->ClassName(),
        "TvxDataSkinMainMenuBarButton");
    EXPECT_STREQ(
        TvxSkinRecordFactory::CreateObject("framegauge", "x")->ClassName(), "TvxDataSkinFrameGaugeObject");
    EXPECT_STREQ(
        TvxSkinRecordFactory::CreateControl("framegauge", "x")->ClassName(), "TvxDataSkinFrameGauge");
    EXPECT_STREQ(
        TvxSkinRecordFactory::CreateControl("checklistbox", "x")->ClassName(), "TvxDataSkinCheckListBox");
    EXPECT_EQ(TvxSkinRecordFactory::CreateObject("Caption", "x"), nullptr);
    EXPECT_EQ(TvxSkinRecordFactory::CreateObject("", "x"), nullptr);
    EXPECT_EQ(TvxSkinRecordFactory::CreateControl("Panel", "x"), nullptr);
    EXPECT_EQ(TvxSkinRecordFactory::CreateControl("caption", "x"), nullptr);
}

TEST(SkinRecords, ConstructionValues)
{
    auto object = TvxSkinRecordFactory::CreateObject("stdbutton", "b");
    EXPECT_EQ(object->IDName, "b");
    EXPECT_EQ(object->activepictureindex, -1);
    EXPECT_EQ(object->cursorindex, -1);
    EXPECT_TRUE(object->skinrect.IsEmpty());
    EXPECT_FALSE(object->morphing);
    auto control = TvxSkinRecordFactory::CreateControl("panel", "p");
    EXPECT_EQ(control->pictureindex, -1);
    EXPECT_EQ(control->maskpictureindex, -1);
    EXPECT_EQ(control->cursorindex, -1);
}

TEST(SkinRecords, AfterReadRules)
{
    TMemIniFile ini = test::IniFromText(
        "[m]\ncheckimagerect=1,2,3,4\nradioimagerect=5,6,7,8\nactiveradioimagerect=9,9,19,19\n"
        "[a]\nmorphing=1\nskinrect=1,1,2,2\n[g]\nframescount=0\n[g2]\nframescount=-3\n[u]\n"
        "rollup=1\nskinrect=1,2,3,4\nhint=ignored\nactivepictureindex=3\nmorphing=1\n");
    TvxDataSkinMenuItem item("m");
    item.ReadSection(ini);
    EXPECT_EQ(item.activecheckimagerect, (TRect { 1, 2, 3, 4 }));
    EXPECT_EQ(item.activeradioimagerect, (TRect { 9, 9, 19, 19 }));
    EXPECT_TRUE(item.activearrowimagerect.IsEmpty());
    EXPECT_EQ(item.fontname, "Arial");
    EXPECT_EQ(item.animateinterval, 25);

    TvxDataSkinAnimate animate("a");
    animate.ReadSection(ini);
    EXPECT_FALSE(animate.morphing);
    EXPECT_EQ(animate.countframes, 1);
    EXPECT_EQ(animate.timerinterval, 50);
    EXPECT_EQ(animate.command, cmdefault);

    TvxDataSkinFrameGauge gauge("g"), negative("g2");
    gauge.ReadSection(ini);
    negative.ReadSection(ini);
    EXPECT_EQ(gauge.framescount, 1);
    EXPECT_EQ(negative.framescount, 1);

    TvxDataUserObject user("u");
    user.ReadSection(ini);
    EXPECT_TRUE(user.rollup);
    EXPECT_EQ(user.skinrect, (TRect { 1, 2, 3, 4 }));
    EXPECT_EQ(user.hint, ""); // the base keys are not read
    EXPECT_EQ(user.activepictureindex, -1);
    EXPECT_FALSE(user.morphing);
}

TEST(SkinRecords, AMalformedKeyStopsTheRecordWhereItIs)
{
    TMemIniFile ini = test::IniFromText("[m]\nhint=first\nskinrect=1,2\nactiveskinrect=1,2,3,4\n");
    TvxDataSkinMenuItem item("m");
    EXPECT_THROW(item.ReadSection(ini), EConvertError);
    EXPECT_EQ(item.hint, "first");
    EXPECT_TRUE(item.activeskinrect.IsEmpty());
}
