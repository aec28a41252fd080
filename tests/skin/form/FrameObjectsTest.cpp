#include "tessel/framework/TBitmap.h"
#include "tessel/framework/TCanvas.h"
#include "tessel/skin/data/TvxCompressedStoredSkin.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/form/objects/TvxFrameObjectFactory.h"
#include "tessel/skin/form/objects/TvxFrameObjectHost.h"
#include "tessel/skin/form/objects/TvxSkinAnimateObject.h"
#include "tessel/skin/form/objects/TvxSkinBitLabelObject.h"
#include "tessel/skin/form/objects/TvxSkinCaptionObject.h"
#include "tessel/skin/form/objects/TvxSkinFrameGaugeObject.h"
#include "tessel/skin/form/objects/TvxSkinFrameRegulatorObject.h"
#include "tessel/skin/form/objects/TvxSkinGaugeObject.h"
#include "tessel/skin/form/objects/TvxSkinLabelObject.h"
#include "tessel/skin/form/objects/TvxSkinSwitchObject.h"
#include "tessel/skin/form/objects/TvxSkinTrackBarObject.h"
#include "tests/framework/HeadlessApplication.h"
#include "tests/support/TestSkins.h"

#include <memory>
#include <string>
#include <vector>

using namespace tessel;

namespace {

// A skin of one frame picture (60 x 40) and one active picture (120 x 60), with
// the objects the tests make; each object draws onto a 100 x 60 window image.
const char* kObjects
    = "[SKINOBJECTS]\r\ncount=9\r\n0=power:switch\r\n1=level:gauge\r\n2=score:bitlabel\r\n"
      "3=meter:framegauge\r\n4=knob:frameregulator\r\n5=volume:trackbar\r\n6=note:label\r\n7=spin:"
      "animate\r\n8=title:caption\r\n"
      "[power]\r\nactivepictureindex=0\r\nskinrect=0,0,10,10\r\nactiveskinrect=0,0,10,10\r\n"
      "[level]\r\nactivepictureindex=0\r\nskinrect=0,10,5,15\r\nactiveskinrect=20,0,25,5\r\n"
      "minvalue=0\r\nmaxvalue=2\r\n"
      "[score]\r\nactivepictureindex=0\r\nskinrect=0,20,14,24\r\nactiveskinrect=40,0,52,8\r\n"
      "textvalue=ABZC\r\nsymbolwidth=4\r\nsymbolheight=4\r\nsymbolslinecount=2\r\n"
      "symbolsline0=ABC\r\nsymbolsline1=DEF\r\n"
      "[meter]\r\nactivepictureindex=0\r\nskinrect=0,30,10,40\r\nactiveskinrect=60,0,110,10\r\n"
      "minvalue=0\r\nmaxvalue=100\r\ncountframes=5\r\n"
      "[knob]\r\nactivepictureindex=0\r\nskinrect=20,20,41,41\r\nactiveskinrect=0,40,105,61\r\n"
      "minvalue=0\r\nmaxvalue=40\r\ncountframes=5\r\nkind=rkround\r\n"
      "[volume]\r\nactivepictureindex=0\r\nskinrect=30,0,50,6\r\nactiveskinrect=0,30,20,36\r\n"
      "buttonrect=100,0,104,6\r\nbeginpoint=2,3\r\nendpoint=18,3\r\nminvalue=0\r\nmaxvalue=8\r\n"
      "mousedownchangevalue=1\r\n"
      "[note]\r\nskinrect=40,30,60,40\r\nfontcolor=255\r\nactivefontcolor=255\r\n"
      "[spin]\r\nactivepictureindex=0\r\nskinrect=0,0,4,4\r\nactiveskinrect=0,50,16,54\r\ncountframes=4\r\n"
      "buttonstyle=1\r\ntimerinterval=25\r\n"
      "[title]\r\nactivepictureindex=0\r\nskinrect=0,0,12,4\r\nanimateskinrect=60,10,96,14\r\n"
      "framecount=3\r\nanimateinterval=50\r\ninactiveanimation=1\r\n";

class Host : public TvxFrameObjectHost {
public:
    const TvxSkinData* LoadedSkin() const override { return data; }
    bool SkinEffects() const override { return effects; }
    bool IsFormActive() const override { return active; }
    bool ClientMode() const override { return false; }
    TvxFrameState FrameState() const override { return TvxFrameState::Normal; }
    bool RolledUp() const override { return false; }
    bool ShowIcon() const override { return false; }
    const TBitmap& SmallIcon() override { return window; }
    std::string FormCaption() const override { return {}; }
    void StartMorphTimer() override { }
    void StartAnimationTimer() override { animation = true; }
    void DrawObjectNow(TvxActiveSkinObject& object) override
    {
        ++draws;
        object.Draw(window.Canvas(), true);
    }
    void RunCommand(TvxFrameCommand) override { }
    const TvxFrameObjectEvents& Events() const override { return events; }

    TvxSkinData* data = nullptr;
    TvxFrameObjectEvents events;
    TBitmap window { 100, 60 };
    int draws = 0;
    bool animation = false;
    bool effects = false;
    bool active = true;
};

class FrameObjectsTest : public test::HeadlessApplication {
protected:
    void SetUp() override
    {
        test::PackageParts parts;
        parts.picture = test::Pattern(60, 40, 1);
        parts.active = { test::Pattern(120, 61, 2) };
        parts.ini = std::string("[VERSION]\r\nskinname=Objects\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINCONTROLS]"
                                "\r\ncount=0\r\n")
            + kObjects;
        test::StoreSkin(stored, parts);
        data.LoadCompressedSkin(&stored);
        host.data = &data;
        for (int i = 0; i < data.ObjectCount(); ++i)
            objects.push_back(TvxFrameObjectFactory::Create(host, *data.ObjectList(i)));
        for (auto& object : objects)
            object->SetObjectRect({ 0, 0, object->SkinRect().Width(), object->SkinRect().Height() });
    }
    template<class T> T& Object(int i) { return dynamic_cast<T&>(*objects.at(static_cast<size_t>(i))); }
    // Whether the window shows rect of picture at (x, y).
    bool Shows(const TBitmap& picture, const TRect& rect, int x, int y) const
    {
        for (int j = 0; j < rect.Height(); ++j)
            for (int i = 0; i < rect.Width(); ++i)
                if ((host.window.Pixel(x + i, y + j) ^ picture.Pixel(rect.left + i, rect.top + j)) & 0xFFFFFF)
                    return false;
        return true;
    }
    const TBitmap& Frame() const { return data.Picture(); }
    const TBitmap& Active() const { return *data.ActivePicture(0); }

    TvxCompressedStoredSkin stored;
    TvxSkinData data;
    Host host;
    std::vector<std::unique_ptr<TvxActiveSkinObject>> objects;
};

} // namespace

TEST_F(FrameObjectsTest, ASwitchTurnsOnAndOffAndShowsItsActiveImageWhileOn)
{
    auto& power = Object<TvxSkinSwitchObject>(0);
    std::vector<TSwitchState> told;
    host.events.OnSwitchChangeStateEvent = [&](const std::string& name, TSwitchState state) {
        EXPECT_EQ(name, "power");
        told.push_back(state);
    };
    EXPECT_EQ(power.State(), swsOff);
    power.MouseDown(5, 5, mbLeft);
    EXPECT_EQ(power.State(), swsOn);
    EXPECT_TRUE(power.Active());
    EXPECT_TRUE(Shows(Active(), { 0, 0, 10, 10 }, 0, 0));
    power.MouseDown(5, 5, mbRight);
    EXPECT_EQ(power.State(), swsOn) << "only the left button switches";
    power.MouseDown(5, 5, mbLeft);
    EXPECT_FALSE(power.Active());
    EXPECT_EQ(told, (std::vector<TSwitchState> { swsOn, swsOff }));
    // Entering and leaving change nothing of the look.
    power.MouseEnter();
    EXPECT_FALSE(power.Active());
}

// The reached part of a gauge shows the active image; halves round to the even
// neighbour.
TEST_F(FrameObjectsTest, AGaugeShowsTheReachedPartActive)
{
    auto& level = Object<TvxSkinGaugeObject>(1);
    host.window.Canvas().Brush().SetColor(0);
    host.window.Canvas().FillRect({ 0, 0, 100, 60 });
    level.Draw(host.window.Canvas(), false);
    EXPECT_EQ(host.window.Pixel(0, 0) & 0xFFFFFF, 0u) << "at its minimum, within the frame image: nothing";
    level.SetValue(1);
    EXPECT_EQ(level.Progress(), 2) << "5 x 0.5 = 2.5 goes to 2";
    EXPECT_TRUE(Shows(Active(), { 20, 0, 22, 5 }, 0, 0));
    EXPECT_TRUE(Shows(Frame(), { 2, 10, 5, 15 }, 2, 0));
    level.SetValue(7);
    EXPECT_EQ(level.Value(), 2) << "kept at the range's end";
    EXPECT_EQ(level.Progress(), 5);
    EXPECT_TRUE(Shows(Active(), { 20, 0, 25, 5 }, 0, 0));
}

// Each character's glyph comes from its row and column of symbols; one not found
// leaves its cell as background, and the glyph past the right edge is cut and ends
// the text.
TEST_F(FrameObjectsTest, ABitLabelSetsItsTextInTheSkinsGlyphs)
{
    auto& score = Object<TvxSkinBitLabelObject>(2);
    score.SetText("AFZB");
    EXPECT_TRUE(Shows(Active(), { 40, 0, 44, 4 }, 0, 0)) << "A: row 0, column 0";
    EXPECT_TRUE(Shows(Active(), { 48, 4, 52, 8 }, 4, 0)) << "F: row 1, column 2";
    EXPECT_TRUE(Shows(Frame(), { 8, 20, 12, 24 }, 8, 0)) << "Z: not a symbol";
    EXPECT_TRUE(Shows(Active(), { 44, 0, 46, 4 }, 12, 0)) << "B, cut at the 14-pixel edge";
    score.SetText("ABCAAA");
    EXPECT_TRUE(Shows(Active(), { 40, 0, 42, 4 }, 12, 0)) << "the fourth glyph cut, nothing after it";
}

TEST_F(FrameObjectsTest, FrameObjectsShowTheFrameOfTheirValue)
{
    auto& meter = Object<TvxSkinFrameGaugeObject>(3);
    EXPECT_EQ(meter.FrameWidth(), 10);
    EXPECT_EQ(meter.CurrentFrame(), 1);
    meter.SetValue(60);
    EXPECT_EQ(meter.CurrentFrame(), 3) << "60 div 25 + 1";
    EXPECT_TRUE(Shows(Active(), { 80, 0, 90, 10 }, 0, 0));
    meter.SetValue(1000);
    EXPECT_EQ(meter.Value(), 100);
    EXPECT_EQ(meter.CurrentFrame(), 5);
}

// The knob's angles: 0 below its centre, 90 left, 180 above, 270 right. Turning it
// by a quarter (90 degrees, four frames over 360) moves the value by one step of 10,
// and a turn across the bottom, where the angle wraps from 359 to 0, goes on the
// same way.
TEST_F(FrameObjectsTest, ARegulatorTurnsByItsSteps)
{
    auto& knob = Object<TvxSkinFrameRegulatorObject>(4);
    EXPECT_EQ(knob.Angle(10, 20), 0);
    EXPECT_EQ(knob.Angle(0, 10), 90);
    EXPECT_EQ(knob.Angle(10, 0), 180);
    EXPECT_EQ(knob.Angle(20, 10), 270);
    EXPECT_EQ(knob.Angle(10, 10), 0) << "the centre counts as below";
    std::vector<int> told;
    host.events.OnFrameRegulatorChangeValueEvent
        = [&](const std::string&, int value) { told.push_back(value); };
    knob.MouseDown(0, 10, mbLeft); // 90
    knob.MouseMove(10, 0); // 180: up by a step
    knob.MouseMove(20, 10); // 270: up again
    EXPECT_EQ(knob.Value(), 20);
    // Back down through 180 and 90 to below (0), then across the bottom to 350 or so.
    knob.MouseMove(10, 0);
    knob.MouseMove(0, 10);
    knob.MouseMove(10, 20);
    EXPECT_EQ(knob.Value(), 0);
    knob.MouseUp(10, 20, mbLeft);
    knob.MouseDown(0, 10, mbLeft); // 90
    knob.MouseMove(10, 0); // 180
    knob.MouseMove(20, 10); // 270
    knob.MouseMove(12, 20); // 349: less than a step past 270
    EXPECT_EQ(knob.Value(), 20);
    knob.MouseMove(8, 20); // 11: wrapped across the bottom, counts as a step up
    EXPECT_EQ(knob.Value(), 30);
    knob.MouseMove(10, 0); // 180: a step further on
    EXPECT_EQ(knob.Value(), 40);
    EXPECT_EQ(told.back(), 40);
}

TEST_F(FrameObjectsTest, ATrackBarButtonFollowsTheDragBetweenItsEnds)
{
    auto& volume = Object<TvxSkinTrackBarObject>(5);
    EXPECT_FALSE(volume.Vertical());
    EXPECT_EQ(volume.ButtonPosition().x, 2);
    std::vector<int> told;
    host.events.OnTrackBarChangeValueEvent = [&](const std::string&, int value) { told.push_back(value); };
    // A press beside the button makes it jump there, kept between the ends.
    volume.MouseDown(10, 3, mbLeft);
    EXPECT_EQ(volume.ButtonPosition().x, 10);
    EXPECT_EQ(volume.Value(), 4);
    volume.MouseUp(10, 3, mbLeft);
    // Dragging the button moves it with the pointer, never past an end.
    volume.MouseDown(10, 3, mbLeft);
    volume.MouseMove(14, 3);
    EXPECT_EQ(volume.Value(), 6);
    volume.MouseMove(30, 3);
    EXPECT_EQ(volume.ButtonPosition().x, 14) << "a step past the end is not taken";
    volume.MouseMove(32, 3);
    volume.MouseMove(34, 3);
    EXPECT_EQ(volume.ButtonPosition().x, 18);
    EXPECT_EQ(volume.Value(), 8);
    volume.MouseUp(34, 3, mbLeft);
    EXPECT_EQ(told, (std::vector<int> { 4, 6, 7, 8 }));
    // The passed part shows the active image, the button sits centred on its place.
    EXPECT_TRUE(Shows(Active(), { 0, 30, 16, 36 }, 0, 0));
    EXPECT_TRUE(Shows(Active(), { 100, 0, 104, 6 }, 16, 0));
}

// A label whose active colour is its normal one and that has no active image does not
// change under the mouse.
TEST_F(FrameObjectsTest, ALabelWithoutAnActiveLookKeepsItsLook)
{
    auto& note = Object<TvxSkinLabelObject>(6);
    note.SetText("Hi");
    TBitmap before = host.window;
    int draws = host.draws;
    note.MouseEnter();
    EXPECT_EQ(host.draws, draws) << "nothing to redraw";
    note.Draw(host.window.Canvas(), true);
    EXPECT_EQ(host.window, before);
}

// Without cycle, a button-style animation runs to its last frame while the mouse is
// over it and stops there, then runs back to frame 1 when the mouse leaves.
TEST_F(FrameObjectsTest, AnAnimationRunsToItsLastFrameAndBack)
{
    auto& spin = Object<TvxSkinAnimateObject>(7);
    EXPECT_EQ(spin.CurrentFrame(), 1);
    spin.MouseEnter();
    EXPECT_TRUE(host.animation);
    std::vector<int> frames;
    while (spin.AnimationStep())
        frames.push_back(spin.CurrentFrame());
    frames.push_back(spin.CurrentFrame());
    EXPECT_EQ(frames, (std::vector<int> { 2, 3, 4 }));
    EXPECT_TRUE(Shows(Active(), { 12, 50, 16, 54 }, 0, 0)) << "the last frame";
    EXPECT_FALSE(spin.AnimationStep()) << "stopped";
    spin.MouseLeave();
    frames.clear();
    while (spin.AnimationStep())
        frames.push_back(spin.CurrentFrame());
    frames.push_back(spin.CurrentFrame());
    EXPECT_EQ(frames, (std::vector<int> { 3, 2, 1 }));
    EXPECT_TRUE(Shows(Active(), { 0, 50, 4, 54 }, 0, 0));
}

// A caption animation plays its frames (cut side by side, one per interval) forward
// when the form becomes active and back when it leaves, then shows the caption's
// own look again; it needs the store's skin effects.
TEST_F(FrameObjectsTest, ACaptionAnimationPlaysForwardWhenActiveAndBackWhenNot)
{
    auto& title = Object<TvxSkinCaptionObject>(8);
    EXPECT_FALSE(title.HasAnimation()) << "skin effects off";
    host.effects = true;
    ASSERT_TRUE(title.HasAnimation());
    auto play = [&] {
        std::vector<int> frames;
        int ticks = 0;
        while (title.AnimationStep() && ++ticks < 100)
            if (frames.empty() || frames.back() != title.Animation().CurrentFrame())
                frames.push_back(title.Animation().CurrentFrame());
        return std::pair { frames, ticks };
    };
    title.StartAnimation(true);
    host.DrawObjectNow(title);
    EXPECT_TRUE(Shows(Active(), { 60, 10, 72, 14 }, 0, 0)) << "frame 1";
    auto [forward, forward_ticks] = play();
    EXPECT_EQ(forward, (std::vector<int> { 1, 2, 3, 4 }));
    EXPECT_EQ(forward_ticks, 6) << "a frame every other 25 ms tick";
    EXPECT_TRUE(Shows(Frame(), { 0, 0, 12, 4 }, 0, 0)) << "the caption's own look after the last frame";

    host.active = false;
    title.StartAnimation(false);
    host.DrawObjectNow(title);
    EXPECT_TRUE(Shows(Active(), { 84, 10, 96, 14 }, 0, 0)) << "backwards from the last frame";
    auto [backward, backward_ticks] = play();
    EXPECT_EQ(backward, (std::vector<int> { 3, 2, 1, 0 }));
    EXPECT_TRUE(Shows(Frame(), { 0, 0, 12, 4 }, 0, 0));

    // Frames run down a tall rectangle; a count that cuts frames of no size (or none)
    // gives no animation rather than a division by zero.
    TvxFrameAnimation tall({ 0, 0, 10, 30 }, 3, 25, false, 10);
    EXPECT_EQ(tall.FrameRect(2), TRect(0, 10, 10, 20));
    EXPECT_FALSE(TvxFrameAnimation({ 0, 0, 10, 30 }, 0, 25, false, 10).Exists());
    EXPECT_FALSE(TvxFrameAnimation({ 0, 0, 2, 4 }, 3, 25, false, 10).Exists());
}
