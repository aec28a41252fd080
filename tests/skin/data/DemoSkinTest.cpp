// The demo skin carries the geometry that the player's examples are written
// against; these tests pin those values down.
#include "tessel/framework/TMemIniFile.h"
#include "tessel/framework/TMemoryStream.h"
#include "tessel/skin/data/TvxCompressedStoredSkin.h"
#include "tessel/skin/data/TvxDataSkinCaption.h"
#include "tessel/skin/data/TvxDataSkinMenuButtonControl.h"
#include "tessel/skin/data/TvxDataSkinMenuItem.h"
#include "tessel/skin/data/TvxDataSkinPanelControl.h"
#include "tessel/skin/data/TvxDataSkinStdButton.h"
#include "tessel/skin/data/TvxDataSkinUpDownControl.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/data/TvxSkinFieldVisitor.h"
#include "tests/support/TestSkins.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace tessel;

namespace {

class DemoSkin : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::LoadDemoSkin(skin);
        data.LoadCompressedSkin(&skin);
    }

    template<class T> const T& Control(const char* name)
    {
        int i = data.GetControlIndex(name);
        EXPECT_GE(i, 0) << name;
        auto* record = dynamic_cast<const T*>(data.ControlList(i));
        EXPECT_NE(record, nullptr) << name;
        return *record;
    }

    template<class T> const T& Object(const char* name)
    {
        int i = data.GetIndex(name);
        EXPECT_GE(i, 0) << name;
        auto* record = dynamic_cast<const T*>(data.ObjectList(i));
        EXPECT_NE(record, nullptr) << name;
        return *record;
    }

    TvxCompressedStoredSkin skin;
    TvxSkinData data;
};

} // namespace

TEST_F(DemoSkin, PackageAndPictures)
{
    TMemoryStream package;
    skin.DecompressTo(package);
    const std::vector<uint8_t>& b = package.Bytes();
    ASSERT_GT(b.size(), 7u);
    EXPECT_EQ(
        std::vector<uint8_t>(b.begin(), b.begin() + 7), (std::vector<uint8_t> { 2, 0, 0, 0, 0, 'B', 'M' }));
    EXPECT_EQ(skin.CompressedData()[0], 0x78);
    EXPECT_EQ(skin.CompressedData()[1], 0xDA);

    EXPECT_EQ(data.Picture().Width(), 104);
    EXPECT_EQ(data.Picture().Height(), 60);
    EXPECT_EQ(data.Picture().PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(data.Mask().Width(), 104);
    EXPECT_EQ(data.Mask().PixelFormat(), TPixelFormat::pf1bit);
    EXPECT_TRUE(data.InactivePicture().Empty());
    EXPECT_TRUE(data.RollUpPicture().Empty());
    const int sizes[9][3] = { { 119, 153, 24 }, { 27, 17, 24 }, { 46, 42, 8 }, { 25, 42, 24 },
        { 535, 384, 24 }, { 70, 25, 1 }, { 100, 32, 8 }, { 32, 32, 24 }, { 46, 42, 1 } };
    ASSERT_EQ(data.ActivePictureCount(), 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(data.ActivePicture(i)->Width(), sizes[i][0]) << i;
        EXPECT_EQ(data.ActivePicture(i)->Height(), sizes[i][1]) << i;
        EXPECT_EQ(BitsPerPixel(data.ActivePicture(i)->PixelFormat()), sizes[i][2]) << i;
    }
    EXPECT_EQ(data.ActivePicture(9), nullptr);
    EXPECT_EQ(data.ActivePicture(-1), nullptr);
}

TEST_F(DemoSkin, RecordListsAndLookUps)
{
    EXPECT_EQ(data.ObjectCount(), 13);
    EXPECT_EQ(data.ControlCount(), 60);
    EXPECT_EQ(data.AreaCount(), 0);
    EXPECT_EQ(data.GetControlIndex("panel"), 7);
    EXPECT_EQ(data.GetControlIndex("toolpanel"), 1);
    EXPECT_EQ(data.GetControlIndex("toolmenubutton"), 39);
    EXPECT_EQ(data.GetControlIndex("Panel"), -1);
    EXPECT_EQ(data.GetControlIndex("Toolpanel"), -1);

    const std::pair<const char*, const char*> objects[] = { { "closebutton", "TvxDataSkinStdButton" },
        { "maxbutton", "TvxDataSkinStdButton" }, { "minbutton", "TvxDataSkinStdButton" },
        { "rollupbutton", "TvxDataSkinStdButton" }, { "sysmenubutton", "TvxDataSkinStdButton" },
        { "traybutton", "TvxDataSkinStdButton" }, { "caption", "TvxDataSkinCaption" },
        { "menuitem", "TvxDataSkinMenuItem" }, { "mainmenubaritem", "TvxDataSkinMainMenuBarItem" },
        { "menubarsysmenubutton", "TvxDataSkinMainMenuBarButton" },
        { "menubarclosebutton", "TvxDataSkinMainMenuBarButton" },
        { "menubarmaxbutton", "TvxDataSkinMainMenuBarButton" },
        { "menubarminbutton", "TvxDataSkinMainMenuBarButton" } };
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(data.ObjectList(i)->IDName, objects[i].first);
        EXPECT_STREQ(data.ObjectList(i)->ClassName(), objects[i].second);
    }

    const char* controls
        = "button:button toolpanel:panel toolbutton:button checkbox:checkradio gauge:gauge "
          "vgauge:gauge radiobox:checkradio panel:panel label:label trackbar:trackbar "
          "htrackbar:trackbar grid:grid tab:tab edit:edit memo:memo hscrollbar:scrollbar "
          "vscrollbar:scrollbar listbox:listbox combobox:combobox checklistbox:checklistbox "
          "spinedit:spinedit groupbox:panel stdlabel:stdlabel statuspanel:label statusbar:panel "
          "buttonedit:edit vupdown:updown hupdown:updown captionlistbox:listbox "
          "captionchecklistbox:checklistbox captioncombobox:combobox controlbar:controlbar "
          "mainmenubar:mainmenubar vsplitter:splitter hsplitter:splitter resizebutton:button "
          "bothhscrollbar:scrollbar bigtoolpanel:panel bigtoolbutton:button "
          "toolmenubutton:menubutton toolmenutrackbutton:menubutton bigtoolmenubutton:menubutton "
          "bigtoolmenutrackbutton:menubutton scrollbox:scrollbox listview:listview "
          "treeview:treeview statusgauge:gauge richedit:richedit expanel:expanel slider:slider "
          "bevel:bevel statusedit:edit statusbuttonedit:edit statusspinedit:spinedit "
          "statuscombobox:combobox resizetoolbutton:button resizetoolpanel:panel "
          "htracktoolbutton:button vtracktoolbutton:button texturepanel:panel";
    TStringList expected;
    std::string text = controls;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find(' ', start);
        expected.Add(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    ASSERT_EQ(expected.Count(), 60);
    for (int i = 0; i < 60; ++i) {
        std::string entry = expected.Strings(i);
        EXPECT_EQ(data.ControlList(i)->IDName, entry.substr(0, entry.find(':'))) << i;
    }
}

TEST_F(DemoSkin, TheIniHasEightyOneSections)
{
    TMemIniFile ini;
    ini.LoadFromFile(test::DemoSkinIniFile());
    EXPECT_EQ(ini.SectionCount(), 81);
    EXPECT_FALSE(ini.SectionExists("SKINAREAS"));
}

TEST_F(DemoSkin, FormInfo)
{
    const TvxSkinFormInfo& fi = data.FormInfo();
    EXPECT_EQ(fi.clientrect, (TRect { 3, 22, 101, 57 }));
    // The corners differ in both coordinates and already lie in the client: none moves.
    EXPECT_EQ(fi.lefttoppoint, (TPoint { 10, 25 }));
    EXPECT_EQ(fi.rightbottompoint, (TPoint { 101, 57 }));
    EXPECT_EQ(fi.formminwidth, 170);
    EXPECT_EQ(fi.borderwidth, 3);
    EXPECT_EQ(fi.hittestlefttoppoint, (TPoint { 7, 6 }));
    EXPECT_EQ(fi.hittestrighttoppoint, (TPoint { 96, 7 }));
    EXPECT_EQ(fi.hittestleftbottompoint, (TPoint { 5, 55 }));
    EXPECT_EQ(fi.hittestrightbottompoint, (TPoint { 98, 56 }));
    EXPECT_TRUE(fi.buttonsrect.IsEmpty());
    EXPECT_EQ(fi.captionrect, (TRect { 4, 5, 100, 18 }));
    EXPECT_EQ(fi.buttonsoffset, 5);
    EXPECT_EQ(fi.bgpictureindex, -1);
    EXPECT_EQ(fi.maskrectarea, fi.clientrect); // empty in the INI, and the skin has a mask
    EXPECT_EQ(data.MaskName(), "framemask.bmp");
    EXPECT_EQ(data.HintWindow().maskpictureindex, 6);
    EXPECT_GE(data.PopupWindow().windowpictureindex, 0);
}

TEST_F(DemoSkin, FrameObjects)
{
    const auto& close = Object<TvxDataSkinStdButton>("closebutton");
    EXPECT_EQ(close.command, cmclose);
    EXPECT_EQ(close.skinrect, (TRect { 43, 3, 56, 16 }));
    EXPECT_EQ(close.activeskinrect, (TRect { 101, 3, 114, 16 }));
    EXPECT_EQ(close.downrect, (TRect { 44, 41, 57, 54 }));
    EXPECT_EQ(close.hint, "Close");
    EXPECT_EQ(close.activepictureindex, 0);
    EXPECT_TRUE(close.skinrectinapicture);
    EXPECT_TRUE(close.morphing);
    EXPECT_EQ(close.morphkind, mkdefault);
    for (const char* name : { "maxbutton", "minbutton", "rollupbutton", "traybutton" }) {
        const auto& b = Object<TvxDataSkinStdButton>(name);
        EXPECT_EQ(b.skinrect.Width(), 13) << name;
        EXPECT_EQ(b.skinrect.Height(), 13) << name;
    }

    const auto& caption = Object<TvxDataSkinCaption>("caption");
    EXPECT_TRUE(caption.activeskinrect.IsEmpty());
    EXPECT_EQ(caption.fontname, "Arial");
    EXPECT_EQ(caption.fontheight, 16);
    EXPECT_EQ(caption.fontstyle, fsBold);
    EXPECT_TRUE(caption.shadow);
    EXPECT_EQ(caption.activefontcolor, 4737096u);
    EXPECT_EQ(caption.fontcolor, 8421504u);
    EXPECT_EQ(caption.activeshadowcolor, 12632256u);
    EXPECT_EQ(caption.shadowcolor, 14342874u);

    const auto& item = Object<TvxDataSkinMenuItem>("menuitem");
    EXPECT_FALSE(item.skinrect.IsEmpty());
    EXPECT_FALSE(item.checkimagerect.IsEmpty());
}

TEST_F(DemoSkin, ControlRecords)
{
    const auto& panel = Control<TvxDataSkinPanelControl>("panel");
    EXPECT_EQ(panel.pictureindex, 4);
    EXPECT_EQ(panel.maskpictureindex, -1);
    EXPECT_EQ(panel.skinrect, (TRect { 141, 4, 200, 56 }));
    EXPECT_EQ(panel.lefttoppoint, (TPoint { 5, 4 }));
    EXPECT_EQ(panel.righttoppoint, (TPoint { 53, 6 }));
    EXPECT_EQ(panel.leftbottompoint, (TPoint { 6, 45 }));
    EXPECT_EQ(panel.rightbottompoint, (TPoint { 53, 46 }));
    EXPECT_EQ(panel.clientrect, (TRect { 2, 2, 57, 50 }));
    EXPECT_FALSE(panel.leftstretch || panel.topstretch || panel.rightstretch || panel.bottomstretch
        || panel.stretcheffect);
    EXPECT_EQ(panel.stretchtype, stfull);
    EXPECT_EQ(panel.bgpictureindex, -1);
    EXPECT_EQ(panel.alignment, taCenter);
    EXPECT_EQ(panel.fontheight, 12);

    const auto& menu = Control<TvxDataSkinMenuButtonControl>("toolmenubutton");
    EXPECT_EQ(menu.skinrect, (TRect { 414, 130, 445, 156 }));
    EXPECT_EQ(menu.activeskinrect, (TRect { 445, 130, 476, 156 }));
    EXPECT_EQ(menu.downskinrect, (TRect { 476, 130, 507, 156 }));
    EXPECT_TRUE(menu.morphing);
    EXPECT_EQ(menu.animateinterval, 20);
    EXPECT_TRUE(menu.trackbuttonrect.IsEmpty());
    EXPECT_EQ(menu.leftbottompoint, (TPoint { 0, 0 }));
    EXPECT_EQ(menu.rightbottompoint, (TPoint { 0, 0 }));

    // The tool bar is a horizontal strip 42 x 29 with a 2-pixel left and a 3-pixel right end.
    const auto& tool = Control<TvxDataSkinPanelControl>("toolpanel");
    EXPECT_EQ(tool.skinrect.Width(), 42);
    EXPECT_EQ(tool.skinrect.Height(), 29);
    EXPECT_EQ(tool.lefttoppoint.x, 2);
    EXPECT_EQ(tool.skinrect.Width() - tool.righttoppoint.x, 3);
    EXPECT_EQ(tool.leftbottompoint, (TPoint { 0, 0 }));
    EXPECT_EQ(tool.rightbottompoint, (TPoint { 0, 0 }));
    EXPECT_EQ(tool.clientrect, (TRect { 2, 2, 40, 27 }));
    for (const char* strip : { "button", "toolbutton" }) {
        const auto& b = Control<TvxDataSkinCustomControl>(strip);
        EXPECT_TRUE(
            b.righttoppoint.x != 0 && b.rightbottompoint == TPoint {} && b.leftbottompoint == TPoint {})
            << strip;
    }

    const auto& hupdown = Control<TvxDataSkinUpDownControl>("hupdown");
    EXPECT_EQ(hupdown.skinrect.Width(), 30);
    EXPECT_EQ(hupdown.skinrect.Height(), 16);
    EXPECT_EQ(hupdown.upbuttonrect, (TRect { 15, 2, 29, 14 }));
    EXPECT_EQ(hupdown.downbuttonrect, (TRect { 2, 2, 14, 14 }));
    // The section gives corner points and a client; an up-down record ignores them.
    const auto& vupdown = Control<TvxDataSkinUpDownControl>("vupdown");
    EXPECT_EQ(vupdown.lefttoppoint, (TPoint {}));
    EXPECT_EQ(vupdown.rightbottompoint, (TPoint {}));
    EXPECT_TRUE(vupdown.clientrect.IsEmpty());

    const auto& statusbar = Control<TvxDataSkinPanelControl>("statusbar");
    EXPECT_FALSE(statusbar.gripperrect.IsEmpty());

    // Every record that names a picture names one the skin has, and its looks lie inside it.
    for (int i = 0; i < data.ControlCount(); ++i) {
        const TvxDataSkinControl* c = data.ControlList(i);
        if (c->pictureindex < 0 || c->skinrect.IsEmpty())
            continue;
        const TBitmap* pic = data.ActivePicture(c->pictureindex);
        ASSERT_NE(pic, nullptr) << c->IDName;
        EXPECT_LE(c->skinrect.right, pic->Width()) << c->IDName;
        EXPECT_LE(c->skinrect.bottom, pic->Height()) << c->IDName;
    }
}

namespace {

// Collects a record's looks in its picture: the rectangles of the skinrect family
// and the pieces panels cut out (check images, mark frame, gripper).
class LookRects : public TvxSkinFieldVisitor {
public:
    void String(const char*, std::string&, const char*) override { }
    void Integer(const char* key, int32_t& value, int32_t) override
    {
        if (std::string(key) == "pictureindex")
            picture = value;
    }
    void Color(const char*, TColor&, TColor) override { }
    void Boolean(const char*, bool&) override { }
    void Rect(const char* key, TRect& value) override
    {
        std::string k = key;
        bool look = k.size() >= 8 && k.compare(k.size() - 8, 8, "skinrect") == 0;
        bool piece
            = k == "checkimagerect" || k == "uncheckimagerect" || k == "markframerect" || k == "gripperrect";
        if ((look || piece) && !value.IsEmpty())
            rects.push_back(value);
    }
    void Point(const char*, TPoint&) override { }
    void FontStyles(const char*, TFontStyles&) override { }
    void EnumValue(const char*, int32_t&, const TvxEnumWords&) override { }
    void LineList(const char*, TStringList&) override { }

    int32_t picture = -1;
    std::vector<TRect> rects;
};

} // namespace

TEST_F(DemoSkin, NoTwoLooksOfTheControlPictureOverlap)
{
    // Looks shared by several records count once; two different looks must not
    // share a pixel, or one paints over the other in the picture.
    std::vector<std::pair<TRect, std::string>> looks;
    for (int i = 0; i < data.ControlCount(); ++i) {
        LookRects v;
        data.ControlList(i)->VisitFields(v);
        if (v.picture != 4)
            continue;
        for (const TRect& r : v.rects)
            if (std::none_of(looks.begin(), looks.end(), [&](const auto& l) { return l.first == r; }))
                looks.emplace_back(r, data.ControlList(i)->IDName);
    }
    ASSERT_GT(looks.size(), 40u);
    for (size_t a = 0; a < looks.size(); ++a)
        for (size_t b = a + 1; b < looks.size(); ++b)
            EXPECT_TRUE(looks[a].first.Intersect(looks[b].first).IsEmpty())
                << looks[a].second << " and " << looks[b].second << " overlap";
}
