#include "tessel/skin/data/TvxSkinData.h"

#include "tessel/framework/Exception.h"
#include "tessel/framework/TCustomForm.h"
#include "tessel/skin/data/SkinMessages.h"
#include "tessel/skin/data/TvxCompressedSkinList.h"
#include "tessel/skin/data/TvxCompressedStoredSkin.h"
#include "tessel/skin/data/TvxDataSkinPanelControl.h"
#include "tessel/skin/data/TvxResourceStrData.h"
#include "tests/support/TestSkins.h"

#include <gtest/gtest.h>

using namespace tessel;

namespace {

struct Notice {
    std::string form;
    uint32_t msg;
    bool empty;
    bool changing;
};

// A form that writes down every notice it receives and the store's flags at that moment.
class RecordingForm : public TCustomForm {
public:
    RecordingForm(TComponent* owner, std::string name, std::vector<Notice>* log)
        : TCustomForm(owner)
        , m_log(log)
    {
        SetName(std::move(name));
    }

protected:
    void Dispatch(TMessage& m) override
    {
        if (m.Msg >= WM_USER) {
            auto* store = reinterpret_cast<TvxSkinData*>(m.WParam);
            EXPECT_EQ(m.LParam, SkinNoticeTag);
            m_log->push_back({ Name(), m.Msg, store->Empty(), store->Changing() });
        }
        TCustomForm::Dispatch(m);
    }

private:
    std::vector<Notice>* m_log;
};

test::PackageParts Parts(const std::string& extra, bool with_mask = false)
{
    test::PackageParts p;
    p.version = 3;
    p.picture = test::Pattern(10, 8);
    if (with_mask)
        p.mask = test::Pattern(10, 8, 2);
    p.active = { test::Pattern(4, 4, 3) };
    p.ini = test::MinimalIni(extra);
    if (with_mask)
        p.ini += "\r\n[PICTURES]\r\nmask=m.bmp\r\n";
    return p;
}

std::vector<uint32_t> Messages(const std::vector<Notice>& log, const std::string& form)
{
    std::vector<uint32_t> out;
    for (const Notice& n : log)
        if (n.form == form)
            out.push_back(n.msg);
    return out;
}

} // namespace

TEST(TvxSkinData, CreatedEmpty)
{
    TvxSkinData data;
    EXPECT_TRUE(data.Empty());
    EXPECT_FALSE(data.Changing());
    EXPECT_TRUE(data.SkinnableForm());
    EXPECT_TRUE(data.EnableSkinEffects());
    EXPECT_EQ(data.SkinIndex(), 0);
    EXPECT_EQ(data.FormInfo().cursorindex, -1);
    EXPECT_EQ(data.FormInfo().bgpictureindex, -1);
    EXPECT_EQ(data.FormInfo().mdibgpictureindex, -1);
    EXPECT_EQ(data.SkinColors().cbtnface, 0u);
    EXPECT_EQ(data.PopupWindow().windowpictureindex, -1);
    EXPECT_EQ(data.HintWindow().fontheight, 12);
    EXPECT_EQ(data.HintWindow().fontname, "Arial");
    EXPECT_EQ(data.FirstCursorNumber(), 1);
    EXPECT_EQ(data.GetIndex("x"), -1);
}

TEST(TvxSkinData, LoadingSendsTheNoticesOwnerFormFirst)
{
    std::vector<Notice> log;
    RecordingForm other(nullptr, "other", &log);
    RecordingForm owner(nullptr, "owner", &log);
    RecordingForm third(nullptr, "third", &log);
    auto& data = owner.Add<TvxSkinData>();
    TvxCompressedStoredSkin skin;
    test::StoreSkin(skin, Parts(""));
    data.LoadCompressedSkin(&skin);

    ASSERT_EQ(log.size(), 9u);
    const std::vector<std::string> order = { "owner", "other", "third" };
    const uint32_t notices[] = { SkinChangingNotice, SkinChangedNotice, SkinLoadedNotice };
    for (size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(log[i].form, order[i % 3]);
        EXPECT_EQ(log[i].msg, notices[i / 3]);
    }
    // While changing the store is empty; at the changed notice it is loaded but
    // still changing; at the loaded notice it is done.
    EXPECT_TRUE(log[0].empty && log[0].changing);
    EXPECT_TRUE(!log[3].empty && log[3].changing);
    EXPECT_TRUE(!log[6].empty && !log[6].changing);
    EXPECT_FALSE(data.Empty());
    EXPECT_EQ(data.ActivePictureCount(), 1);
    EXPECT_EQ(data.SkinName(), "Mini");
}

TEST(TvxSkinData, EmptyAndUnknownVersionSkins)
{
    std::vector<Notice> log;
    RecordingForm owner(nullptr, "owner", &log);
    auto& data = owner.Add<TvxSkinData>();
    TvxCompressedStoredSkin empty;
    data.LoadCompressedSkin(&empty);
    data.LoadCompressedSkin(nullptr);
    EXPECT_TRUE(log.empty());

    TvxCompressedStoredSkin good;
    test::StoreSkin(good, Parts(""));
    data.LoadCompressedSkin(&good);
    log.clear();
    test::PackageParts future = Parts("");
    future.version = 4;
    TvxCompressedStoredSkin later;
    test::StoreSkin(later, future);
    data.LoadCompressedSkin(&later);
    EXPECT_EQ(Messages(log, "owner"), std::vector<uint32_t> { SkinChangingNotice });
    EXPECT_TRUE(data.Empty());
    EXPECT_TRUE(data.Picture().Empty());
    EXPECT_EQ(data.ActivePictureCount(), 0);
}

TEST(TvxSkinData, AMalformedRectangleStopsTheLoadAndKeepsWhatWasRead)
{
    std::vector<Notice> log;
    RecordingForm owner(nullptr, "owner", &log);
    auto& data = owner.Add<TvxSkinData>();
    TvxCompressedStoredSkin skin;
    test::StoreSkin(skin,
        Parts("[SKINCONTROLS]\r\ncount=2\r\n0=good:panel\r\n1=bad:panel\r\n[good]\r\nskinrect=1,2,3,4\r\n["
              "bad]\r\n"
              "skinrect=\r\n"));
    EXPECT_THROW(data.LoadCompressedSkin(&skin), EConvertError);
    EXPECT_TRUE(data.Empty());
    EXPECT_TRUE(data.Changing());
    EXPECT_EQ(data.ControlCount(), 2); // the bad record was appended before it read its section
    EXPECT_EQ(data.ControlList(0)->skinrect, (TRect { 1, 2, 3, 4 }));
    EXPECT_EQ(Messages(log, "owner"), std::vector<uint32_t> { SkinChangingNotice });

    // A good skin afterwards loads normally and replaces everything.
    TvxCompressedStoredSkin fine;
    test::StoreSkin(fine, Parts(""));
    data.LoadCompressedSkin(&fine);
    EXPECT_FALSE(data.Changing());
    EXPECT_EQ(data.ControlCount(), 0);
}

TEST(TvxSkinData, SectionListsAndLookUps)
{
    TvxSkinData data;
    TvxCompressedStoredSkin skin;
    test::StoreSkin(skin,
        Parts("[SKINOBJECTS]\r\ncount=5\r\n0=cap:Caption\r\n1=cap:caption\r\n2=nocolon\r\n3=two:caption\r\n"
              "4=cap:button\r\n[SKINCONTROLS]\r\ncount=3\r\n0=panel:panel\r\n1=Panel:button\r\n2=x:"
              "nosuchtype\r\n"
              "[SKINAREAS]\r\ncount=1\r\n0=grip:1,2,3,4\r\n"));
    data.LoadCompressedSkin(&skin);
    ASSERT_EQ(data.ObjectCount(), 3); // "Caption", an entry without colon and no type create nothing
    EXPECT_EQ(data.GetIndex("cap"), 0); // the first match wins
    EXPECT_STREQ(data.ObjectList(2)->ClassName(), "TvxDataSkinButton");
    EXPECT_EQ(data.GetIndex("two"), 1);
    EXPECT_EQ(data.GetControlIndex("panel"), 0);
    EXPECT_EQ(data.GetControlIndex("Panel"), 1);
    EXPECT_EQ(data.GetControlIndex("PANEL"), -1);
    EXPECT_EQ(data.ControlCount(), 2);
    ASSERT_EQ(data.AreaCount(), 1);
    EXPECT_EQ(data.GetAreaIndex("grip"), 0);
    EXPECT_EQ(data.Area(0).AreaRect, (TRect { 1, 2, 3, 4 }));
}

TEST(TvxSkinData, AnAreaWithoutRectangleIsAConversionError)
{
    TvxSkinData data;
    TvxCompressedStoredSkin skin;
    test::StoreSkin(skin, Parts("[SKINAREAS]\r\ncount=1\r\n0=grip\r\n"));
    EXPECT_THROW(data.LoadCompressedSkin(&skin), EConvertError);
}

TEST(TvxSkinData, FormInfoNormalisation)
{
    const std::string form
        = "[FORMINFO]\r\nlefttoppoint=2,30\r\nrighttoppoint=99,1\r\nleftbottompoint=1,90\r\n"
          "rightbottompoint=120,95\r\nclientrect=5,20,100,80\r\nmaskrectarea=10,10,50,90\r\n"
          "hittestlefttoppoint=0,7\r\nhittestrighttoppoint=6,6\r\n";
    TvxSkinData data;
    TvxCompressedStoredSkin masked;
    test::StoreSkin(masked, Parts(form, true));
    data.LoadCompressedSkin(&masked);
    const TvxSkinFormInfo& fi = data.FormInfo();
    EXPECT_EQ(fi.maskrectarea, (TRect { 5, 10, 100, 90 })); // grown to hold the client
    EXPECT_EQ(fi.hittestlefttoppoint, (TPoint { 2, 30 })); // took the corner point
    EXPECT_EQ(fi.hittestrighttoppoint, (TPoint { 6, 6 }));
    EXPECT_EQ(fi.hittestleftbottompoint, (TPoint { 1, 90 }));
    // Corners pulled into the client rectangle.
    EXPECT_EQ(fi.lefttoppoint, (TPoint { 5, 30 }));
    EXPECT_EQ(fi.righttoppoint, (TPoint { 99, 20 }));
    EXPECT_EQ(fi.leftbottompoint, (TPoint { 5, 80 }));
    EXPECT_EQ(fi.rightbottompoint, (TPoint { 100, 80 }));

    // Without a mask the mask area and hit-test points stay as read.
    TvxCompressedStoredSkin plain;
    test::StoreSkin(plain, Parts(form));
    data.LoadCompressedSkin(&plain);
    EXPECT_EQ(data.FormInfo().maskrectarea, (TRect { 10, 10, 50, 90 }));
    EXPECT_EQ(data.FormInfo().hittestlefttoppoint, (TPoint { 0, 7 }));
    EXPECT_EQ(data.FormInfo().lefttoppoint, (TPoint { 5, 30 }));

    // An empty mask area becomes the client; corners sharing a coordinate stay put.
    TvxCompressedStoredSkin flat;
    test::StoreSkin(flat,
        Parts("[FORMINFO]\r\nlefttoppoint=200,0\r\nrightbottompoint=300,0\r\nclientrect=1,2,3,4\r\n", true));
    data.LoadCompressedSkin(&flat);
    EXPECT_EQ(data.FormInfo().maskrectarea, (TRect { 1, 2, 3, 4 }));
    EXPECT_EQ(data.FormInfo().lefttoppoint, (TPoint { 200, 0 }));
}

TEST(TvxSkinData, ClearsAndColours)
{
    TvxSkinData data;
    TvxCompressedStoredSkin skin;
    test::StoreSkin(skin,
        Parts("[SKINCOLORS]\r\ncbtnface=255\r\n[POPUPWINDOW]\r\nwindowpictureindex=0\r\n[SKINCONTROLS]"
              "\r\ncount=1\r\n"
              "0=p:panel\r\n"));
    data.LoadCompressedSkin(&skin);
    EXPECT_EQ(data.SkinColors().cbtnface, 255u);
    EXPECT_EQ(data.SkinColors().cbtntext, 0u); // read with default 0
    EXPECT_EQ(data.PopupWindow().windowpictureindex, 0);
    data.ClearObjects();
    EXPECT_EQ(data.ControlCount(), 0);
    EXPECT_EQ(data.ActivePictureCount(), 0);
    EXPECT_EQ(data.PopupWindow().windowpictureindex, -1);
    EXPECT_EQ(data.SkinColors().cbtnface, clBtnFace);
    EXPECT_EQ(data.SkinColors().c3ddkshadow, cl3DDkShadow);
    EXPECT_FALSE(data.Picture().Empty());
    data.ClearAll();
    EXPECT_TRUE(data.Picture().Empty());
    EXPECT_TRUE(data.Empty());
}

TEST(TvxSkinData, PropertySettersAndTheirNotices)
{
    std::vector<Notice> log;
    RecordingForm owner(nullptr, "owner", &log);
    auto& data = owner.Add<TvxSkinData>();
    data.SetSkinnableForm(true);
    EXPECT_TRUE(log.empty()); // unchanged value: nothing sent
    data.SetSkinnableForm(false);
    EXPECT_EQ(Messages(log, "owner"), std::vector<uint32_t> { SkinnableChangedNotice });
    log.clear();
    data.BeginLoading();
    data.SetSkinnableForm(true);
    data.Loaded();
    EXPECT_TRUE(log.empty());

    {
        TvxResourceStrData strings;
        data.SetResourceStrData(&strings);
        EXPECT_EQ(Messages(log, "owner"), std::vector<uint32_t> { ResourceStringsChangedNotice });
        EXPECT_EQ(data.ResourceStrData(), &strings);
    }
    EXPECT_EQ(data.ResourceStrData(), nullptr); // dropped when freed

    {
        TvxCompressedStoredSkin skin;
        test::StoreSkin(skin, Parts(""));
        data.SetDesigning(true);
        data.SetCompressedStoredSkin(&skin);
        EXPECT_TRUE(data.Empty()); // not loaded in design mode
        data.SetDesigning(false);
        data.SetCompressedStoredSkin(&skin);
        EXPECT_FALSE(data.Empty());
    }
    EXPECT_EQ(data.CompressedStoredSkin(), nullptr);
}

TEST(TvxSkinData, SkinListAndIndex)
{
    TvxSkinData data;
    data.SetSkinIndex(5);
    EXPECT_EQ(data.SkinIndex(), 5); // without a list the value is stored
    data.SetSkinIndex(0);

    TvxCompressedSkinList list;
    for (const char* name : { "first", "second", "third" })
        test::StoreSkin(
            list.Add().StoredSkin(), Parts("[VERSION]\r\nskinname=" + std::string(name) + "\r\n"));
    data.SetSkinList(&list);
    EXPECT_EQ(data.SkinName(), "first");
    data.SetSkinIndex(5);
    EXPECT_EQ(data.SkinIndex(), 0);
    EXPECT_EQ(data.SkinName(), "first");
    data.SetSkinIndex(-1);
    EXPECT_EQ(data.SkinIndex(), 0);
    data.SetSkinIndex(2);
    EXPECT_EQ(data.SkinIndex(), 2);
    EXPECT_EQ(data.SkinName(), "third");
}

TEST(TvxSkinData, FreedWithTheOwnerWhileFormsAreNotified)
{
    std::vector<Notice> log;
    auto owner = std::make_unique<RecordingForm>(nullptr, "owner", &log);
    auto& data = owner->Add<TvxSkinData>();
    auto& skin = owner->Add<TvxCompressedStoredSkin>();
    test::StoreSkin(skin, Parts("[SKINCONTROLS]\r\ncount=1\r\n0=p:panel\r\n"));
    data.SetCompressedStoredSkin(&skin);
    EXPECT_NE(dynamic_cast<TvxDataSkinPanelControl*>(data.ControlList(0)), nullptr);
    owner.reset(); // the store and the stored skin go with the form, in either order
    EXPECT_EQ(Messages(log, "owner").size(), 3u);
}
