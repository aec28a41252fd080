#include "assets/skins/demo/ObjectsSkin.h"

#include "assets/skins/demo/DemoIni.h"
#include "assets/skins/demo/DemoLayout.h"
#include "assets/skins/demo/IniText.h"
#include "assets/skins/demo/Painter.h"

#include <cmath>

namespace tessel::demo {

using namespace layout;

const char* const kObjectsFrameFile = "objectsframe.bmp";
const char* const kObjectsArtFile = "objects.bmp";

namespace {

constexpr int kWidth = 240, kHeight = 120, kClientBottom = 80;
// A row for the form's main menu under the caption, and its entries' looks in the art.
constexpr int kMenuTop = 22, kMenuBottom = 42;
constexpr TRect kEntry = At(0, 172, 40, 20), kEntryActive = At(40, 172, 40, 20),
                kEntryDown = At(80, 172, 40, 20);
// Where the objects stand in the frame's bottom band, and their frames in the art.
constexpr TRect kMeter = At(12, 88, 24, 24), kKnob = At(44, 88, 24, 24), kPower = At(76, 92, 24, 16),
                kSpinner = At(108, 90, 20, 20), kCounter = At(136, 94, 48, 12), kCustom = At(192, 88, 36, 24);
constexpr int kMeterFrames = 5, kKnobFrames = 8, kSpinnerFrames = 6, kCaptionFrames = 4;
// The caption's band and its animation: a light sweeping across it, one frame under
// the other.
constexpr TRect kCaption = R(4, 4, kWidth - 4, 19);
constexpr TRect kCaptionArt = At(0, 112, kCaption.right - kCaption.left, 15 * kCaptionFrames);
constexpr TRect kMeterArt = At(0, 0, 24 * kMeterFrames, 24), kKnobArt = At(0, 24, 24 * kKnobFrames, 24),
                kPowerOff = At(76, 92, 24, 16), kPowerOn = At(24, 48, 24, 16),
                kSpinnerArt = At(0, 64, 20 * kSpinnerFrames, 20), kDigits = At(0, 84, 60, 12);

// A recessed well in the bottom band around an object.
void Well(Painter& p, const TRect& r)
{
    TRect w { r.left - 2, r.top - 2, r.right + 2, r.bottom + 2 };
    p.Fill(w, kWhite);
    p.Frame(w, kFaceLine);
}

// Seven-segment digits, 6 x 12 each.
void Digit(Painter& p, int x, int y, int d, Rgb on)
{
    static const uint8_t kSegments[10] = { 0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F };
    uint8_t s = kSegments[d];
    if (s & 0x01)
        p.HLine(x + 1, x + 5, y + 1, on);
    if (s & 0x02)
        p.VLine(x + 4, y + 1, y + 6, on);
    if (s & 0x04)
        p.VLine(x + 4, y + 6, y + 11, on);
    if (s & 0x08)
        p.HLine(x + 1, x + 5, y + 10, on);
    if (s & 0x10)
        p.VLine(x + 1, y + 6, y + 11, on);
    if (s & 0x20)
        p.VLine(x + 1, y + 1, y + 6, on);
    if (s & 0x40)
        p.HLine(x + 1, x + 5, y + 5, on);
}

} // namespace

TBitmap ObjectsFrame()
{
    TBitmap bmp(kWidth, kHeight, TPixelFormat::pf24bit);
    Painter p(bmp);
    p.Fill({ 0, 0, kWidth, kHeight }, kBorderFace);
    p.VGradient({ 0, 0, kWidth, 22 }, kCaptionTop, kCaptionBottom);
    p.VGradient({ 0, kClientBottom, kWidth, kHeight }, kToolFace, kBorderFace);
    p.Fill({ 3, kMenuTop, kWidth - 3, kClientBottom }, kWhite);
    p.Fill({ 3, kMenuTop, kWidth - 3, kMenuBottom }, kToolFace);
    p.HLine(3, kWidth - 3, kMenuBottom - 1, kFaceLine);
    p.Frame({ 0, 0, kWidth, kHeight }, kFrameLine);
    p.HLine(3, kWidth - 3, kClientBottom, kFaceLine);
    for (const TRect& r : { kMeter, kKnob, kPower, kSpinner, kCounter, kCustom })
        Well(p, r);
    // The normal looks the frame itself shows: the meter and knob at rest, the switch
    // off, the spinner's first frame and an empty counter.
    return bmp;
}

TBitmap ObjectsArt()
{
    TBitmap bmp(240, 196, TPixelFormat::pf24bit);
    Painter p(bmp);
    p.Fill({ 0, 0, 240, 196 }, kWhite);
    // The main-menu entries: the row's face at rest, a light box when hot, the
    // accent when open (each with its last row the row's line).
    p.Fill(kEntry, kToolFace);
    p.RoundBox(kEntryActive, 3, kAccent, kAccentLight, kAccentLight, kToolFace);
    p.RoundBox(kEntryDown, 3, kAccentDark, kAccent, kAccent, kToolFace);
    for (const TRect& r : { kEntry, kEntryActive, kEntryDown })
        p.HLine(r.left, r.right, r.bottom - 1, kFaceLine);
    // The meter: a bar of five steps, filling as the value rises.
    for (int f = 0; f < kMeterFrames; ++f) {
        TRect cell = At(f * 24, 0, 24, 24);
        p.Frame({ cell.left + 3, cell.top + 3, cell.right - 3, cell.bottom - 3 }, kFaceLine);
        int fill = (cell.Height() - 8) * f / (kMeterFrames - 1);
        p.Fill({ cell.left + 4, cell.bottom - 4 - fill, cell.right - 4, cell.bottom - 4 }, kAccent);
    }
    // The knob: a dial whose mark turns a step per frame, from below round to the left.
    for (int f = 0; f < kKnobFrames; ++f) {
        TRect cell = At(f * 24, 24, 24, 24);
        p.Disc(cell.left + 11.5, cell.top + 11.5, 10.5, kFaceLine);
        p.Disc(cell.left + 11.5, cell.top + 11.5, 9.5, kToolFace);
        double a = f * 2 * M_PI / (kKnobFrames - 1);
        int x = cell.left + 12 + static_cast<int>(std::lround(-7 * std::sin(a)));
        int y = cell.top + 12 + static_cast<int>(std::lround(7 * std::cos(a)));
        p.Line(cell.left + 12, cell.top + 12, x, y, kAccentDark);
        p.Disc(x, y, 1.5, kAccentDark);
    }
    // The switch, off and on.
    p.RoundBox(kPowerOff, 7, kFaceLine, kToolFace, kBorderFace, kWhite);
    p.Disc(kPowerOff.left + 7.5, kPowerOff.top + 7.5, 5, kFaceLine);
    p.RoundBox(kPowerOn, 7, kAccentDark, kAccentLight, kAccent, kWhite);
    p.Disc(kPowerOn.left + 15.5, kPowerOn.top + 7.5, 5, kWhite);
    // The spinner: a dot going round.
    for (int f = 0; f < kSpinnerFrames; ++f) {
        TRect cell = At(f * 20, 64, 20, 20);
        p.Disc(cell.left + 9.5, cell.top + 9.5, 8, kAccentLight);
        double a = f * 2 * M_PI / kSpinnerFrames;
        p.Disc(cell.left + 9.5 + 5 * std::sin(a), cell.top + 9.5 - 5 * std::cos(a), 2.5, kAccentDark);
    }
    // The caption's sweep.
    int band = kCaptionArt.Width();
    for (int f = 0; f < kCaptionFrames; ++f) {
        TRect cell = At(0, kCaptionArt.top + f * 15, band, 15);
        p.VGradient(cell, kCaptionTop, kCaptionBottom);
        int x = (band - 60) * f / (kCaptionFrames - 1);
        p.HGradient({ x, cell.top, x + 30, cell.bottom }, kCaptionBottom, kAccentLight);
        p.HGradient({ x + 30, cell.top, x + 60, cell.bottom }, kAccentLight, kCaptionBottom);
    }
    // Digits 0 to 9 for the counter.
    for (int d = 0; d < 10; ++d)
        Digit(p, kDigits.left + d * 6, kDigits.top, d, kText);
    return bmp;
}

std::string ObjectsSkinIni()
{
    IniText ini;
    ini.Section("VERSION");
    ini.Key("ver", 1);
    ini.Key("skinname", "Tessel Slate: frame objects");
    ini.Key("skinauthor", "Tessel developers");
    ini.Section("PICTURES");
    ini.Key("picture", kObjectsFrameFile);
    ini.Key("activepicturescount", 2);
    ini.Key("0", kActivePictureFiles[0]);
    ini.Key("1", kObjectsArtFile);
    ini.Section("FORMINFO");
    ini.Key("lefttoppoint", TPoint { 10, kMenuBottom + 3 });
    ini.Key("righttoppoint", TPoint { kWidth - 10, kMenuBottom + 3 });
    ini.Key("leftbottompoint", TPoint { kWidth - 8, kClientBottom });
    ini.Key("rightbottompoint", TPoint { kWidth - 4, kClientBottom });
    ini.Key("clientrect", R(3, kMenuBottom, kWidth - 3, kClientBottom));
    ini.Key("mainmenurect", R(3, kMenuTop, kWidth - 3, kMenuBottom));
    for (const char* k : { "leftstretch", "rightstretch", "topstretch", "bottomstretch" })
        ini.Flag(k, true);
    ini.Key("captionrect", R(4, 5, kWidth - 4, 18));
    ini.Key("buttonsoffset", 5);
    ini.Key("hittestlefttoppoint", TPoint { 6, 6 });
    ini.Key("hittestrighttoppoint", TPoint { kWidth - 6, 6 });
    ini.Key("hittestleftbottompoint", TPoint { 6, kHeight - 6 });
    ini.Key("hittestrightbottompoint", TPoint { kWidth - 6, kHeight - 6 });
    ini.Key("borderwidth", 3);
    ini.Key("formminwidth", kWidth);
    ini.Section("SKINOBJECTS");
    const char* objects[] = { "closebutton:stdbutton", "sysmenubutton:stdbutton", "caption:caption",
        "meter:framegauge", "knob:frameregulator", "power:switch", "spinner:animate", "counter:bitlabel",
        "custom:userobject", "mainmenuitem:mainmenuitem" };
    ini.Key("count", 10);
    for (int i = 0; i < 10; ++i)
        ini.Key(std::to_string(i), objects[i]);
    auto object
        = [&](const char* name, const TRect& skin, int picture, bool in_picture, const TRect& active) {
              ini.Section(name);
              ini.Key("activepictureindex", picture);
              ini.Flag("skinrectinapicture", in_picture);
              ini.Key("skinrect", skin);
              ini.Key("activeskinrect", active);
          };
    object("closebutton", kCloseNormal, 0, true, kCloseActive);
    ini.Flag("morphing", true);
    ini.Key("downrect", kCloseDown);
    ini.Key("command", "cmclose");
    object("sysmenubutton", kSysNormal, 0, true, kSysActive);
    ini.Key("downrect", kSysDown);
    ini.Key("command", "cmsysmenu");
    object("caption", kCaption, 1, false, R(0, 0, 0, 0));
    ini.Flag("defaultcaption", true);
    ini.Key("animateskinrect", kCaptionArt);
    ini.Key("framecount", kCaptionFrames);
    ini.Key("animateinterval", 100);
    ini.Flag("inactiveanimation", true);
    ini.Flag("stretcheffect", true);
    ini.Key("fontname", "Arial");
    ini.Key("fontheight", 16);
    ini.Key("fontstyle", "fsbold");
    ini.Key("fontcolor", 8421504);
    ini.Key("activefontcolor", 4737096);
    ini.Key("alignment", "taleftjustify");
    ini.Flag("shadow", true);
    ini.Key("shadowcolor", 14342874);
    ini.Key("activeshadowcolor", 12632256);
    object("meter", kMeter, 1, false, kMeterArt);
    ini.Key("minvalue", 0);
    ini.Key("maxvalue", 100);
    ini.Key("countframes", kMeterFrames);
    object("knob", kKnob, 1, false, kKnobArt);
    ini.Key("minvalue", 0);
    ini.Key("maxvalue", 70);
    ini.Key("countframes", kKnobFrames);
    ini.Key("kind", "rkround");
    // The switch's normal look lies in the art where the switch stands on the frame.
    object("power", kPowerOff, 1, true, kPowerOn);
    object("spinner", kSpinner, 1, false, kSpinnerArt);
    ini.Key("countframes", kSpinnerFrames);
    ini.Flag("buttonstyle", true);
    ini.Key("timerinterval", 75);
    object("counter", kCounter, 1, false, kDigits);
    ini.Key("textvalue", "2026");
    ini.Key("symbolwidth", 6);
    ini.Key("symbolheight", 12);
    ini.Key("symbolslinecount", 1);
    ini.Key("symbolsline0", "0123456789");
    object("custom", kCustom, -1, false, R(0, 0, 0, 0));
    MainMenuEntrySection(ini, "mainmenuitem", 1, kEntry, kEntryActive, kEntryDown, kWhite);
    ini.Section("SKINCONTROLS");
    ini.Key("count", 0);
    return ini.Text();
}

} // namespace tessel::demo
