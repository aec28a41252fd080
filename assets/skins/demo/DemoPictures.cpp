#include "assets/skins/demo/DemoPictures.h"

#include "assets/skins/demo/DemoLayout.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace tessel::demo {

using namespace layout;
using Dir = Painter::Direction;

namespace {

enum class State { kNormal, kHot, kDown, kFocused, kDisabled };

struct Shades {
    Rgb line, top, bottom;
};

Shades FaceShades(State s)
{
    switch (s) {
    case State::kHot:
        return { kAccentLine, kHotTop, kHotBottom };
    case State::kDown:
        return { kAccent, kDownTop, kDownBottom };
    case State::kFocused:
        return { kAccent, kFaceTop, kFaceBottom };
    case State::kDisabled:
        return { kDisabledLine, kDisabledTop, kDisabledBottom };
    case State::kNormal:
        break;
    }
    return { kFaceLine, kFaceTop, kFaceBottom };
}

// The frame's outline: top corners rounded by 6, bottom corners by 3.
bool InsideFrame(int x, int y)
{
    TRect top = R(0, 0, kFrameW, kFrameH);
    if (y < kFrameH / 2)
        return Painter::InsideRounded(top, 6, x, y);
    return Painter::InsideRounded(top, 3, x, y);
}

Rgb CaptionAt(int y)
{
    return Mix(kCaptionTop, kCaptionBottom, std::clamp(y, 0, 21) / 21.0);
}

// The vertical face of the tool bar, which the flat tool buttons show through.
Rgb ToolFaceAt(int y, int height)
{
    return Mix(0xF7F9FB, 0xE2E7ED, std::clamp(y, 0, height - 1) / double(height - 1));
}

void PaintBackground(Painter& p, const TRect& r, Rgb (*shade)(int, int), int height, int offset)
{
    for (int y = r.top; y < r.bottom; ++y)
        p.HLine(r.left, r.right, y, shade(y - r.top + offset, height));
}

Rgb CaptionShade(int y, int)
{
    return CaptionAt(y);
}

void PaintGlyph(Painter& p, const TRect& r, Glyph g, Rgb c)
{
    int x = r.left, y = r.top;
    switch (g) {
    case kGlyphClose:
        p.Line(x + 3, y + 3, x + 9, y + 9, c);
        p.Line(x + 4, y + 3, x + 9, y + 8, c);
        p.Line(x + 9, y + 3, x + 3, y + 9, c);
        p.Line(x + 8, y + 3, x + 3, y + 8, c);
        break;
    case kGlyphMax:
        p.Frame(R(x + 3, y + 3, x + 10, y + 10), c);
        p.HLine(x + 3, x + 10, y + 4, c);
        break;
    case kGlyphRestore:
        // The back window shows only where the front one does not cover it.
        p.HLine(x + 5, x + 11, y + 2, c);
        p.HLine(x + 5, x + 11, y + 3, c);
        p.VLine(x + 10, y + 2, y + 8, c);
        p.VLine(x + 5, y + 2, y + 5, c);
        p.HLine(x + 9, x + 11, y + 7, c);
        p.Frame(R(x + 2, y + 5, x + 9, y + 11), c);
        p.HLine(x + 2, x + 9, y + 6, c);
        break;
    case kGlyphMin:
        p.Fill(R(x + 3, y + 8, x + 10, y + 10), c);
        break;
    case kGlyphRollUp:
        p.Arrow(R(x, y, x + 13, y + 13), Dir::kUp, 4, c);
        break;
    case kGlyphTray:
        p.Fill(R(x + 7, y + 8, x + 11, y + 10), c);
        p.Line(x + 3, y + 3, x + 7, y + 7, c);
        p.Line(x + 4, y + 3, x + 7, y + 6, c);
        p.HLine(x + 5, x + 8, y + 7, c);
        p.VLine(x + 7, y + 4, y + 8, c);
        break;
    case kGlyphSysMenu: {
        // Four tiles, the player's mark.
        const Rgb tiles[4] = { 0x3B78D8, 0x62A8EA, 0xF2A33A, 0x2A5DB0 };
        for (int i = 0; i < 4; ++i) {
            int tx = x + 2 + (i % 2) * 5, ty = y + 2 + (i / 2) * 5;
            p.RoundBox(R(tx, ty, tx + 4, ty + 4), 0, Mix(tiles[i], 0, 0.15), tiles[i],
                Mix(tiles[i], 0xFFFFFF, 0.2), kKeep);
        }
        break;
    }
    }
}

void PaintCaptionButton(Painter& p, const TRect& r, Glyph g, Look look)
{
    PaintBackground(p, r, CaptionShade, 22, kCaptionRect.top);
    Rgb glyph = kText;
    if (look != kLookNormal && g != kGlyphSysMenu) {
        bool close = g == kGlyphClose;
        Rgb fill = close ? kClose : kAccent;
        Rgb dark = close ? kCloseDark : kAccentDark;
        if (look == kLookActive)
            p.RoundBox(r, 3, dark, Mix(fill, 0xFFFFFF, 0.15), fill, kKeep);
        else
            p.RoundBox(r, 3, Mix(dark, 0, 0.2), dark, Mix(dark, fill, 0.5), kKeep);
        glyph = kWhite;
    } else if (g == kGlyphSysMenu && look != kLookNormal) {
        p.RoundBox(r, 3, kAccentLine, look == kLookActive ? kHotTop : kDownTop,
            look == kLookActive ? kHotBottom : kDownBottom, kKeep);
    }
    TRect glyph_box = look == kLookDown ? Shift(r, 0, 1) : r;
    PaintGlyph(p, glyph_box, g, glyph);
}

void PaintTick(Painter& p, int x, int y, Rgb c)
{
    // A check mark in a 9 x 9 cell.
    p.Line(x + 1, y + 4, x + 3, y + 6, c);
    p.Line(x + 1, y + 5, x + 3, y + 7, c);
    p.Line(x + 3, y + 6, x + 7, y + 2, c);
    p.Line(x + 3, y + 7, x + 7, y + 3, c);
}

TBitmap MainPicture()
{
    TBitmap bmp(kFrameW, kFrameH, TPixelFormat::pf24bit);
    Painter p(bmp);
    p.Fill(R(0, 0, kFrameW, kFrameH), kBorderFace);
    p.VGradient(R(0, 0, kFrameW, 22), kCaptionTop, kCaptionBottom);
    p.HLine(0, kFrameW, 21, Mix(kFaceLine, kCaptionBottom, 0.35));
    // The client piece tiles; its pattern repeats every 7 pixels, which divides
    // both of its sides (98 x 35), so the tiles join without a seam.
    p.Fill(kFrameClient, kClient);
    for (int y = kFrameClient.top; y < kFrameClient.bottom; ++y)
        for (int x = kFrameClient.left; x < kFrameClient.right; ++x) {
            int u = (x - kFrameClient.left) % 7, v = (y - kFrameClient.top) % 7;
            if (u == 3 && v == 3)
                p.Put(x, y, kClientDot);
            else if (std::abs(u - 3) + std::abs(v - 3) == 1)
                p.Put(x, y, Mix(kClient, kClientDot, 0.45));
        }
    // Inner edge of the border around the client.
    p.VLine(kFrameClient.left - 1, kFrameClient.top, kFrameClient.bottom, Mix(kBorderFace, kFaceLine, 0.5));
    p.VLine(kFrameClient.right, kFrameClient.top, kFrameClient.bottom, Mix(kBorderFace, kFaceLine, 0.5));
    p.HLine(
        kFrameClient.left - 1, kFrameClient.right + 1, kFrameClient.bottom, Mix(kBorderFace, kFaceLine, 0.5));
    // Outline and the highlight just inside it.
    for (int y = 0; y < kFrameH; ++y)
        for (int x = 0; x < kFrameW; ++x) {
            if (!InsideFrame(x, y)) {
                p.Put(x, y, kWhite);
                continue;
            }
            bool edge = !InsideFrame(x - 1, y) || !InsideFrame(x + 1, y) || !InsideFrame(x, y - 1)
                || !InsideFrame(x, y + 1) || x == 0 || y == 0 || x == kFrameW - 1 || y == kFrameH - 1;
            if (edge)
                p.Put(x, y, kFrameLine);
        }
    p.HLine(6, kFrameW - 6, 1, kWhite);
    return bmp;
}

TBitmap FrameMask()
{
    TBitmap bmp(kFrameW, kFrameH, TPixelFormat::pf1bit);
    bmp.SetPalette({ 0x000000, 0xFFFFFF });
    for (int y = 0; y < kFrameH; ++y)
        for (int x = 0; x < kFrameW; ++x)
            bmp.SetPixel(x, y, InsideFrame(x, y) ? 0x000000 : 0xFFFFFF);
    return bmp;
}

TBitmap CaptionButtons()
{
    TBitmap bmp(kButtonsW, kButtonsH, TPixelFormat::pf24bit);
    Painter p(bmp);
    p.Fill(R(0, 0, kButtonsW, kButtonsH), kSheet);
    struct Entry {
        TRect r;
        Glyph g;
        Look look;
    };
    const Entry entries[] = {
        { kCloseNormal, kGlyphClose, kLookNormal },
        { kCloseActive, kGlyphClose, kLookActive },
        { kCloseDown, kGlyphClose, kLookDown },
        { kMaxNormal, kGlyphMax, kLookNormal },
        { kMaxActive, kGlyphMax, kLookActive },
        { kMaxDown, kGlyphMax, kLookDown },
        { kMinNormal, kGlyphMin, kLookNormal },
        { kMinActive, kGlyphMin, kLookActive },
        { kMinDown, kGlyphMin, kLookDown },
        { kRollUpNormal, kGlyphRollUp, kLookNormal },
        { kRollUpActive, kGlyphRollUp, kLookActive },
        { kRollUpDown, kGlyphRollUp, kLookDown },
        { kTrayNormal, kGlyphTray, kLookNormal },
        { kTrayActive, kGlyphTray, kLookActive },
        { kTrayDown, kGlyphTray, kLookDown },
        { kSysNormal, kGlyphSysMenu, kLookNormal },
        { kSysActive, kGlyphSysMenu, kLookActive },
        { kSysDown, kGlyphSysMenu, kLookDown },
        { kRestoreNormal, kGlyphRestore, kLookNormal },
        { kRestoreActive, kGlyphRestore, kLookActive },
        { kRestoreDown, kGlyphRestore, kLookDown },
    };
    for (const Entry& e : entries)
        PaintCaptionButton(p, e.r, e.g, e.look);
    PaintBackground(p, kCloseInactive, CaptionShade, 22, kCaptionRect.top);
    PaintGlyph(p, kCloseInactive, kGlyphClose, kMutedText);

    // Popup menu entries.
    p.Fill(kMenuItem, kWhite);
    p.Fill(kMenuItemActive, kWhite);
    p.RoundBox(R(kMenuItemActive.left + 2, kMenuItemActive.top + 1, kMenuItemActive.right - 2,
                   kMenuItemActive.bottom - 1),
        3, kAccentLine, 0xE8F0FC, kAccentLight, kWhite);
    p.Fill(kMenuDivider, kWhite);
    p.HLine(kMenuDivider.left + 4, kMenuDivider.right - 4, kMenuDivider.top + 2, kToolLine);
    auto glyph_cell = [&](const TRect& r, bool active) { p.Fill(r, active ? 0xE2ECFB : kWhite); };
    glyph_cell(kCheckGlyph, false);
    PaintTick(p, kCheckGlyph.left, kCheckGlyph.top, kText);
    glyph_cell(kCheckGlyphActive, true);
    PaintTick(p, kCheckGlyphActive.left, kCheckGlyphActive.top, kAccentDark);
    glyph_cell(kRadioGlyph, false);
    p.Disc(kRadioGlyph.left + 4.5, kRadioGlyph.top + 4.5, 2.6, kText);
    glyph_cell(kRadioGlyphActive, true);
    p.Disc(kRadioGlyphActive.left + 4.5, kRadioGlyphActive.top + 4.5, 2.6, kAccentDark);
    glyph_cell(kArrowGlyph, false);
    p.Arrow(kArrowGlyph, Dir::kRight, 4, kText);
    glyph_cell(kArrowGlyphActive, true);
    p.Arrow(kArrowGlyphActive, Dir::kRight, 4, kAccentDark);

    // Main menu bar entries.
    PaintBackground(p, kBarItem, ToolFaceAt, 20, 0);
    PaintBackground(p, kBarItemActive, ToolFaceAt, 20, 0);
    p.RoundBox(kBarItemActive, 3, kAccentLine, kHotTop, kHotBottom, kKeep);
    PaintBackground(p, kBarItemDown, ToolFaceAt, 20, 0);
    p.RoundBox(kBarItemDown, 3, kAccent, kDownTop, kDownBottom, kKeep);
    return bmp;
}

void PaintCheckBox(Painter& p, const TRect& r, bool checked, Rgb outside)
{
    p.RoundBox(r, 2, kSunkenLine, 0xF4F6F9, kWhite, outside);
    if (checked) {
        p.RoundBox(r, 2, kAccentDark, Mix(kAccent, kWhite, 0.15), kAccent, outside);
        PaintTick(p, r.left + 2, r.top + 2, kWhite);
    }
}

TBitmap CheckBoxes()
{
    TBitmap bmp(27, 17, TPixelFormat::pf24bit);
    Painter p(bmp);
    p.Fill(R(0, 0, 27, 17), kClient);
    PaintCheckBox(p, kCheckBoxOn, true, kClient);
    PaintCheckBox(p, kCheckBoxOff, false, kClient);
    return bmp;
}

// Gives a picture of few colours its palette and the 8-bit format.
void MakePalettised(TBitmap& bmp)
{
    std::map<uint32_t, int> seen;
    std::vector<uint32_t> palette;
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x) {
            uint32_t c = bmp.Pixel(x, y) & 0xFFFFFF;
            if (seen.emplace(c, static_cast<int>(palette.size())).second)
                palette.push_back(c);
        }
    palette.resize(std::min<size_t>(palette.size(), 256));
    bmp.SetPalette(palette);
    bmp.SetPixelFormat(TPixelFormat::pf8bit);
}

// A white window with a grey outline and rounded corners, which its mask cuts off.
constexpr int kPopupRadius = 4;

TBitmap PopupWindow()
{
    TBitmap bmp(kPopupW, kPopupH, TPixelFormat::pf24bit);
    Painter p(bmp);
    p.RoundBox(R(0, 0, kPopupW, kPopupH), kPopupRadius, 0x9AA5B2, kWhite, kWhite, 0x9AA5B2);
    MakePalettised(bmp);
    return bmp;
}

TBitmap PopupMask()
{
    TBitmap bmp(kPopupW, kPopupH, TPixelFormat::pf1bit);
    bmp.SetPalette({ 0x000000, 0xFFFFFF });
    TRect r = R(0, 0, kPopupW, kPopupH);
    for (int y = 0; y < r.bottom; ++y)
        for (int x = 0; x < r.right; ++x)
            bmp.SetPixel(x, y, Painter::InsideRounded(r, kPopupRadius, x, y) ? 0x000000 : 0xFFFFFF);
    return bmp;
}

TBitmap ResizeButton()
{
    TBitmap bmp(25, 42, TPixelFormat::pf24bit);
    Painter p(bmp);
    const std::pair<TRect, State> looks[] = { { kResizeNormal, State::kNormal },
        { kResizeActive, State::kHot }, { kResizeDown, State::kDown } };
    for (auto [r, s] : looks) {
        Shades sh = FaceShades(s);
        p.RoundBox(r, 3, sh.line, sh.top, sh.bottom, kClient);
    }
    return bmp;
}

void RaisedBox(Painter& p, const TRect& r, State s, Rgb outside, int radius = 3)
{
    Shades sh = FaceShades(s);
    p.RoundBox(r, radius, sh.line, sh.top, sh.bottom, outside);
}

void SunkenBox(Painter& p, const TRect& r, bool active, Rgb fill = kWhite)
{
    p.RoundBox(r, 2, active ? kAccent : kSunkenLine, fill, fill, kSheet);
    if (!active)
        p.HLine(r.left + 2, r.right - 2, r.top + 1, Mix(fill, kSunkenLine, 0.25));
}

// A flat tool button: the tool bar's face, with a box for the hot and pressed looks.
void ToolButton(Painter& p, const TRect& r, State s, int bar_height, int offset)
{
    PaintBackground(p, r, ToolFaceAt, bar_height, offset);
    if (s == State::kHot || s == State::kDown)
        RaisedBox(p, r, s, kKeep);
}

void ToolBarFace(Painter& p, const TRect& r, int left_end, int right_end)
{
    PaintBackground(p, r, ToolFaceAt, r.Height(), 0);
    p.HLine(r.left, r.right, r.top, kWhite);
    p.HLine(r.left, r.right, r.bottom - 1, kToolLine);
    p.VLine(r.left + left_end - 1, r.top + 1, r.bottom - 1, kWhite);
    p.VLine(r.right - right_end, r.top + 1, r.bottom - 1, kToolLine);
}

void GripDots(Painter& p, const TRect& r)
{
    for (int y = r.top + 1; y < r.bottom - 1; y += 3)
        for (int x = r.left + 1; x < r.right - 1; x += 3) {
            p.Put(x, y, kSunkenLine);
            p.Put(x + 1, y + 1, kWhite);
        }
}

// An up-down control with both buttons in one state; the hot and pressed copies
// give each button's hot and pressed look.
void UpDownLook(Painter& p, const TRect& r, bool horizontal, State state)
{
    p.Fill(r, kClient);
    RaisedBox(p, r, State::kNormal, kClient);
    for (int part = 0; part < 2; ++part) {
        TRect b = Shift(part == 0 ? (horizontal ? kHUpDownFirst : kVUpDownFirst)
                                  : (horizontal ? kHUpDownSecond : kVUpDownSecond),
            r.left, r.top);
        if (state != State::kNormal)
            RaisedBox(p, b, state, kKeep, 2);
        Dir d = horizontal ? (part == 0 ? Dir::kLeft : Dir::kRight) : (part == 0 ? Dir::kUp : Dir::kDown);
        p.Arrow(b, d, 3, kText);
    }
}

void ScrollButton(Painter& p, const TRect& r, Dir d, State s)
{
    p.Fill(r, 0xEEF1F4);
    if (s != State::kNormal)
        RaisedBox(p, r, s, kKeep, 2);
    p.Arrow(r, d, 3, s == State::kNormal ? kMutedText : kText);
}

void Thumb(Painter& p, const TRect& r, State s)
{
    p.Fill(r, 0xEEF1F4);
    TRect inner = R(r.left + 2, r.top + 2, r.right - 2, r.bottom - 2);
    p.RoundBox(inner, 3, s == State::kHot ? kAccentLine : 0xB9C2CD, s == State::kHot ? 0xC8D9F4 : 0xD5DBE3,
        s == State::kHot ? 0xB6CCEF : 0xC9D0DA, kKeep);
}

TBitmap ControlAtlas()
{
    TBitmap bmp(kAtlasW, kAtlasH, TPixelFormat::pf24bit);
    Painter p(bmp);
    p.Fill(R(0, 0, kAtlasW, kAtlasH), kSheet);

    // Tool bars and the status bar.
    ToolBarFace(p, kToolPanel, 2, 3);
    ToolBarFace(p, kBigToolPanel, 2, 3);
    p.VGradient(kStatusBar, 0xECEFF3, 0xDDE2E8);
    p.HLine(kStatusBar.left, kStatusBar.right, kStatusBar.top, kToolLine);
    p.Fill(kGripper, 0xE4E8ED);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            if (i + j >= 3) {
                p.Put(kGripper.left + 1 + 3 * j, kGripper.top + 1 + 3 * i, kSunkenLine);
                p.Put(kGripper.left + 2 + 3 * j, kGripper.top + 2 + 3 * i, kWhite);
            }

    // Panels: a card with a light edge; its client piece is one colour so it tiles.
    auto card = [&](const TRect& r) {
        p.Fill(r, 0xF4F6F9);
        p.Frame(r, 0xB4BDC8);
        p.HLine(r.left + 1, r.right - 1, r.top + 1, kWhite);
        p.VLine(r.left + 1, r.top + 1, r.bottom - 1, kWhite);
        p.HLine(r.left + 1, r.right - 1, r.bottom - 2, 0xE6EAEF);
        p.VLine(r.right - 2, r.top + 1, r.bottom - 1, 0xE6EAEF);
    };
    card(kPanel);
    card(kGroupBox);
    // The group box's caption band, 15 pixels under the top edge; it repeats across.
    p.VGradient(
        R(kGroupBox.left + 2, kGroupBox.top + 2, kGroupBox.right - 2, kGroupBox.top + 16), kWhite, 0xE9EDF2);
    p.HLine(kGroupBox.left + 2, kGroupBox.right - 2, kGroupBox.top + 16, 0xD3DAE2);
    card(kExPanel);
    // Drawn transparent by their bottom-left colour: magenta outside the rounding.
    PaintCheckBox(p, kPanelCheckOn, true, 0xFF00FF);
    PaintCheckBox(p, kPanelCheckOff, false, 0xFF00FF);
    p.RoundBox(kPanelMarkFrame, 2, 0xB4BDC8, kWhite, 0xE6EAEF, 0xFF00FF);
    p.VGradient(R(kExPanel.left + 2, kExPanel.top + 2, kExPanel.right - 2, kExPanel.top + 16), kCaptionTop,
        kCaptionBottom);

    // Up-down controls: the normal look, then the hot and the pressed copies.
    UpDownLook(p, kHUpDown, true, State::kNormal);
    UpDownLook(p, Shift(kHUpDown, kHUpDownStep, 0), true, State::kHot);
    UpDownLook(p, Shift(kHUpDown, 2 * kHUpDownStep, 0), true, State::kDown);
    UpDownLook(p, kVUpDown, false, State::kNormal);
    UpDownLook(p, Shift(kVUpDown, kVUpDownStep, 0), false, State::kHot);
    UpDownLook(p, Shift(kVUpDown, 2 * kVUpDownStep, 0), false, State::kDown);

    // Scroll bars.
    p.Fill(kHScroll, 0xEEF1F4);
    ScrollButton(p, At(kHScroll.left, kHScroll.top, 16, 16), Dir::kLeft, State::kNormal);
    ScrollButton(p, At(kHScroll.right - 16, kHScroll.top, 16, 16), Dir::kRight, State::kNormal);
    p.Fill(kVScroll, 0xEEF1F4);
    ScrollButton(p, At(kVScroll.left, kVScroll.top, 16, 16), Dir::kUp, State::kNormal);
    ScrollButton(p, At(kVScroll.left, kVScroll.bottom - 16, 16, 16), Dir::kDown, State::kNormal);
    ScrollButton(p, kScrollLeftHot, Dir::kLeft, State::kHot);
    ScrollButton(p, kScrollRightHot, Dir::kRight, State::kHot);
    ScrollButton(p, kScrollUpHot, Dir::kUp, State::kHot);
    ScrollButton(p, kScrollDownHot, Dir::kDown, State::kHot);
    Thumb(p, kHThumb, State::kNormal);
    Thumb(p, kHThumbHot, State::kHot);
    Thumb(p, kVThumb, State::kNormal);
    Thumb(p, kVThumbHot, State::kHot);

    // Push buttons: normal, hot, pressed, focused, disabled.
    const State states[] = { State::kNormal, State::kHot, State::kDown, State::kFocused, State::kDisabled };
    for (int i = 0; i < 5; ++i)
        RaisedBox(p, Shift(kButton, i * kButtonStep, 0), states[i], kClient, 6);
    for (int i = 0; i < 4; ++i) {
        ToolButton(p, Shift(kToolButton, i * kToolButtonStep, 0), states[i == 3 ? 4 : i], 29, 2);
        ToolButton(p, Shift(kBigToolButton, i * kBigToolButtonStep, 0), states[i == 3 ? 4 : i], 40, 0);
    }
    for (int i = 0; i < 3; ++i)
        ToolButton(p, Shift(kBigMenuButton, i * kBigToolButtonStep, 0), states[i], 40, 0);

    // The tool bar's drop-down buttons and their markers.
    ToolButton(p, kToolMenuButton, State::kNormal, 29, 2);
    ToolButton(p, kToolMenuButtonActive, State::kHot, 29, 2);
    ToolButton(p, kToolMenuButtonDown, State::kDown, 29, 2);
    ToolButton(p, kToolMenuTrack, State::kNormal, 29, 2);
    ToolButton(p, kToolMenuTrackActive, State::kHot, 29, 2);
    p.VLine(kToolMenuTrackActive.left + 31, kToolMenuTrackActive.top + 3, kToolMenuTrackActive.bottom - 3,
        kAccentLine);
    ToolButton(p, kToolMenuTrackDown, State::kDown, 29, 2);
    p.VLine(kToolMenuTrackDown.left + 31, kToolMenuTrackDown.top + 3, kToolMenuTrackDown.bottom - 3, kAccent);
    // Each look's drop arrow in its right 15 pixels, moved as the look goes down.
    const std::pair<TRect, State> drop_looks[]
        = { { kToolMenuButton, State::kNormal }, { kToolMenuButtonActive, State::kHot },
              { kToolMenuButtonDown, State::kDown }, { kToolMenuTrack, State::kNormal },
              { kToolMenuTrackActive, State::kHot }, { kToolMenuTrackDown, State::kDown } };
    for (auto [r, s] : drop_looks) {
        TRect box { r.right - 15, r.top, r.right, r.bottom };
        if (s == State::kDown)
            box = box.Offset(1, 1);
        p.Arrow(box, Dir::kDown, 4, s == State::kNormal ? kText : kAccentDark);
    }
    const std::pair<TRect, Rgb> markers[]
        = { { kMenuMarker, kText }, { kMenuMarkerActive, kAccentDark }, { kMenuMarkerDown, kAccentDark } };
    for (auto [r, c] : markers) {
        p.Fill(r, kKey);
        p.Arrow(r, Dir::kDown, 4, c);
    }

    // Edits, list boxes and combo boxes.
    SunkenBox(p, kEdit, false);
    SunkenBox(p, kEditActive, true);
    const std::pair<TRect, State> edit_buttons[] = { { kEditButton, State::kNormal },
        { kEditButtonActive, State::kHot }, { kEditButtonDown, State::kDown } };
    for (auto [r, s] : edit_buttons) {
        RaisedBox(p, r, s, kWhite, 2);
        for (int i = 0; i < 3; ++i)
            p.Put(r.left + 5 + 3 * i, r.top + 10, kText);
    }
    SunkenBox(p, kListBox, false);
    p.Fill(kListItem, kWhite);
    p.Fill(kListItemActive, kWhite);
    p.RoundBox(kListItemActive, 2, kAccentLine, 0xEDF3FD, 0xE3ECFB, kWhite);
    p.Fill(kListItemFocus, kWhite);
    p.RoundBox(kListItemFocus, 2, kAccentDark, Mix(kAccent, kWhite, 0.1), kAccent, kWhite);
    PaintCheckBox(p, kListCheck, true, kWhite);
    PaintCheckBox(p, kListUncheck, false, kWhite);
    SunkenBox(p, kComboBox, false);
    SunkenBox(p, kComboBoxActive, true);
    const std::pair<TRect, State> combo_buttons[] = { { kComboButton, State::kNormal },
        { kComboButtonActive, State::kHot }, { kComboButtonDown, State::kDown } };
    for (auto [r, s] : combo_buttons) {
        RaisedBox(p, r, s, kWhite, 2);
        p.Arrow(r, Dir::kDown, 3, kText);
    }

    // Gauges and track bars.
    p.RoundBox(kGauge, 3, 0xB9C2CD, 0xE9EDF1, 0xF6F8FA, kClient);
    p.VGradient(kGaugeProgress, 0x69A0EC, 0x2F6AC8);
    p.RoundBox(kVGauge, 3, 0xB9C2CD, 0xE9EDF1, 0xF6F8FA, kClient);
    p.HGradient(kVGaugeProgress, 0x69A0EC, 0x2F6AC8);
    p.Fill(kTrackBar, kClient);
    p.RoundBox(R(kTrackBar.left + 6, kTrackBar.top + 8, kTrackBar.right - 6, kTrackBar.top + 12), 1,
        kSunkenLine, 0xD8DEE5, 0xE8ECF0, kClient);
    RaisedBox(p, kTrackThumb, State::kNormal, kClient, 3);
    RaisedBox(p, kTrackThumbHot, State::kHot, kClient, 3);
    p.Fill(kStatusPanel, 0xE6EAEF);
    p.Frame(kStatusPanel, kToolLine);
    p.HLine(kStatusPanel.left + 1, kStatusPanel.right - 1, kStatusPanel.bottom - 2, 0xF2F4F7);
    const std::tuple<TRect, State, Dir> spins[]
        = { { kSpinUp, State::kNormal, Dir::kUp }, { kSpinUpHot, State::kHot, Dir::kUp },
              { kSpinUpDown, State::kDown, Dir::kUp }, { kSpinDown, State::kNormal, Dir::kDown },
              { kSpinDownHot, State::kHot, Dir::kDown }, { kSpinDownDown, State::kDown, Dir::kDown } };
    for (auto [r, s, d] : spins) {
        RaisedBox(p, r, s, kWhite, 1);
        p.Arrow(r, d, 3, kText);
    }

    // Grid cells.
    p.VGradient(kGridFixed, kFaceTop, kFaceBottom);
    p.HLine(kGridFixed.left, kGridFixed.right, kGridFixed.bottom - 1, kFaceLine);
    p.VLine(kGridFixed.right - 1, kGridFixed.top, kGridFixed.bottom, kFaceLine);
    p.Fill(kGridSelect, kAccentLight);
    p.Fill(kGridFocus, kAccentLight);
    p.Frame(kGridFocus, kAccent);

    // Tabs and the tab page.
    auto tab = [&](const TRect& r, Rgb line, Rgb top, Rgb bottom) {
        p.Fill(r, kClient);
        p.RoundBox(R(r.left, r.top, r.right, r.bottom + 4), 4, line, top, bottom, kKeep);
        p.Fill(R(r.left, r.bottom, r.right, r.bottom + 4), kSheet);
    };
    tab(kTab, kFaceLine, kFaceTop, kFaceBottom);
    tab(kTabActive, kFaceLine, kWhite, kWhite);
    p.HLine(kTabActive.left + 3, kTabActive.right - 3, kTabActive.top + 1, kAccent);
    tab(kTabHot, kAccentLine, kHotTop, kHotBottom);
    const std::pair<TRect, Rgb> tab_closes[]
        = { { kTabClose, kMutedText }, { kTabCloseHot, kClose }, { kTabCloseDown, kCloseDark } };
    for (auto [r, c] : tab_closes) {
        p.Fill(r, kKey);
        p.Line(r.left + 1, r.top + 1, r.right - 2, r.bottom - 2, c);
        p.Line(r.right - 2, r.top + 1, r.left + 1, r.bottom - 2, c);
    }
    p.Fill(kTabPage, kWhite);
    p.Frame(kTabPage, kFaceLine);

    // Control bar, main menu bar, splitters, scroll box, slider, radio buttons.
    p.VGradient(kControlBar, 0xF3F5F8, 0xE3E8EE);
    p.Frame(kControlBar, kToolLine);
    RaisedBox(p, kControlBarItem, State::kNormal, kSheet, 2);
    GripDots(p, kHGrip);
    GripDots(p, kVGrip);
    ToolBarFace(p, kMenuBar, 2, 2);
    p.Fill(kVSplitter, kBorderFace);
    p.Fill(kVSplitGrip, kBorderFace);
    GripDots(p, kVSplitGrip);
    p.Fill(kHSplitter, kBorderFace);
    p.Fill(kHSplitGrip, kBorderFace);
    GripDots(p, kHSplitGrip);
    SunkenBox(p, kScrollBox, false, kClient);
    p.RoundBox(kSliderHRuler, 2, kSunkenLine, 0xD8DEE5, 0xE8ECF0, kSheet);
    RaisedBox(p, kSliderHThumb, State::kNormal, kSheet, 3);
    p.RoundBox(kSliderVRuler, 2, kSunkenLine, 0xD8DEE5, 0xE8ECF0, kSheet);
    RaisedBox(p, kSliderVThumb, State::kNormal, kSheet, 3);
    p.Fill(kRadioOn, kClient);
    p.Disc(kRadioOn.left + 6.5, kRadioOn.top + 6.5, 6.4, kAccentDark);
    p.Disc(kRadioOn.left + 6.5, kRadioOn.top + 6.5, 5.4, kAccent);
    p.Disc(kRadioOn.left + 6.5, kRadioOn.top + 6.5, 2.4, kWhite);
    p.Fill(kRadioOff, kClient);
    p.Disc(kRadioOff.left + 6.5, kRadioOff.top + 6.5, 6.4, kSunkenLine);
    p.Disc(kRadioOff.left + 6.5, kRadioOff.top + 6.5, 5.4, kWhite);
    return bmp;
}

TBitmap ButtonMask()
{
    TBitmap bmp(kButton.Width(), kButton.Height(), TPixelFormat::pf1bit);
    bmp.SetPalette({ 0x000000, 0xFFFFFF });
    TRect r = R(0, 0, kButton.Width(), kButton.Height());
    for (int y = 0; y < r.bottom; ++y)
        for (int x = 0; x < r.right; ++x)
            bmp.SetPixel(x, y, Painter::InsideRounded(r, 6, x, y) ? 0x000000 : 0xFFFFFF);
    return bmp;
}

TBitmap HintWindow()
{
    TBitmap bmp(kHintW, kHintH, TPixelFormat::pf24bit);
    Painter p(bmp);
    // Black is inside the window's shape, so the body is black; the corners are cut off.
    p.RoundBox(R(0, 0, kHintW, kHintH), 5, 0x000000, 0x000000, 0x000000, 0xF0F0F0);
    MakePalettised(bmp);
    return bmp;
}

// A woven texture whose rows and columns wrap, so tiles meet without a seam.
TBitmap Texture()
{
    TBitmap bmp(kTextureSide, kTextureSide, TPixelFormat::pf24bit);
    Painter p(bmp);
    for (int y = 0; y < kTextureSide; ++y)
        for (int x = 0; x < kTextureSide; ++x) {
            bool warp = ((x / 4 + y / 4) & 1) != 0;
            double shade = warp ? 0.10 + 0.02 * (y % 4) : 0.04 + 0.02 * (x % 4);
            p.Put(x, y, Mix(0xEEF2F6, 0x9FB3C8, shade));
        }
    return bmp;
}

} // namespace

DemoPictures PaintDemoPictures()
{
    DemoPictures pictures;
    pictures.picture = MainPicture();
    pictures.mask = FrameMask();
    pictures.active.push_back(CaptionButtons());
    pictures.active.push_back(CheckBoxes());
    pictures.active.push_back(PopupWindow());
    pictures.active.push_back(ResizeButton());
    pictures.active.push_back(ControlAtlas());
    pictures.active.push_back(ButtonMask());
    pictures.active.push_back(HintWindow());
    pictures.active.push_back(Texture());
    pictures.active.push_back(PopupMask());
    // The pictures in the look being made; the masks (black and white shapes) as they are.
    PaintInLook(pictures.picture);
    for (size_t i : { 0u, 1u, 2u, 3u, 4u, 6u, 7u })
        PaintInLook(pictures.active[i]);
    return pictures;
}

} // namespace tessel::demo
