#pragma once

#include "assets/skins/demo/Painter.h"
#include "tessel/platform/TRect.h"

// Where everything of the demo skin lies in its pictures. The picture painters and
// the INI writer both read these, so a look and its rectangle cannot drift apart.
namespace tessel::demo::layout {

constexpr TRect R(int l, int t, int r, int b)
{
    return TRect { l, t, r, b };
}
constexpr TRect At(int x, int y, int w, int h)
{
    return TRect { x, y, x + w, y + h };
}
constexpr TRect Shift(TRect r, int dx, int dy)
{
    return TRect { r.left + dx, r.top + dy, r.right + dx, r.bottom + dy };
}

// Colours.
constexpr Rgb kFrameLine = 0x66727F;
constexpr Rgb kCaptionTop = 0xFCFDFE;
constexpr Rgb kCaptionBottom = 0xD5DDE7;
constexpr Rgb kBorderFace = 0xDCE2E9;
constexpr Rgb kClient = 0xEDF0F4;
constexpr Rgb kClientDot = 0xE1E6EC;
constexpr Rgb kText = 0x2A2F37;
constexpr Rgb kMutedText = 0x8A929C;
constexpr Rgb kAccent = 0x3B78D8;
constexpr Rgb kAccentDark = 0x2A5DB0;
constexpr Rgb kAccentLight = 0xDCE8FA;
constexpr Rgb kAccentLine = 0x8FB0E6;
constexpr Rgb kClose = 0xD9534F;
constexpr Rgb kCloseDark = 0xAE3733;
constexpr Rgb kFaceTop = 0xFFFFFF;
constexpr Rgb kFaceBottom = 0xE3E8EE;
constexpr Rgb kFaceLine = 0xA7B1BE;
constexpr Rgb kHotTop = 0xF4F8FF;
constexpr Rgb kHotBottom = 0xD3E2F9;
constexpr Rgb kDownTop = 0xBFD3F2;
constexpr Rgb kDownBottom = 0xDCE7F8;
constexpr Rgb kDisabledTop = 0xF4F5F7;
constexpr Rgb kDisabledBottom = 0xECEEF1;
constexpr Rgb kDisabledLine = 0xCBD1D8;
constexpr Rgb kSunkenLine = 0x98A4B3;
constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kToolFace = 0xE9EDF2;
constexpr Rgb kToolLine = 0xC3CBD5;
constexpr Rgb kKey = 0xFF00FF; // transparent key colour of marker and glyph images
constexpr Rgb kSheet = 0xF6F7F9; // unused atlas area

// Main picture (104 x 60) and the frame geometry.
constexpr int kFrameW = 104, kFrameH = 60;
constexpr TRect kFrameClient = R(3, 22, 101, 57);
constexpr TRect kCaptionRect = R(4, 5, 100, 18);
constexpr TRect kCaptionObject = R(24, 4, 80, 19);

// Active picture 0 (119 x 153): caption buttons, menu entries and their glyphs.
constexpr int kButtonsW = 119, kButtonsH = 153;
constexpr int kCaptionButton = 13;
enum Glyph { kGlyphClose, kGlyphMax, kGlyphMin, kGlyphRollUp, kGlyphTray, kGlyphSysMenu, kGlyphRestore };
enum Look { kLookNormal, kLookActive, kLookDown };
// Normal looks on row y = 3, active looks on row 22, pressed looks on row 41;
// the close button's active look sits at the end of the normal row.
constexpr TRect kCloseNormal = R(43, 3, 56, 16);
constexpr TRect kCloseActive = R(101, 3, 114, 16);
constexpr TRect kCloseDown = R(44, 41, 57, 54);
constexpr TRect kMaxNormal = At(3, 3, 13, 13), kMaxActive = At(3, 22, 13, 13), kMaxDown = At(4, 41, 13, 13);
constexpr TRect kMinNormal = At(23, 3, 13, 13), kMinActive = At(23, 22, 13, 13),
                kMinDown = At(24, 41, 13, 13);
constexpr TRect kRollUpNormal = At(62, 3, 13, 13), kRollUpActive = At(62, 22, 13, 13),
                kRollUpDown = At(63, 41, 13, 13);
constexpr TRect kTrayNormal = At(81, 3, 13, 13), kTrayActive = At(81, 22, 13, 13),
                kTrayDown = At(82, 41, 13, 13);
constexpr TRect kSysNormal = At(101, 22, 13, 13), kSysActive = At(101, 41, 13, 13),
                kSysDown = At(101, 60, 13, 13);
constexpr TRect kRestoreNormal = At(3, 60, 13, 13), kRestoreActive = At(23, 60, 13, 13),
                kRestoreDown = At(43, 60, 13, 13);
constexpr TRect kCloseInactive = At(62, 60, 13, 13);
// Popup menu entries (59 x 20) and their glyphs (9 x 9).
constexpr TRect kMenuItem = At(0, 80, 59, 20), kMenuItemActive = At(60, 80, 59, 20);
constexpr TRect kMenuDivider = At(0, 102, 59, 5);
constexpr TRect kCheckGlyph = At(0, 109, 9, 9), kCheckGlyphActive = At(10, 109, 9, 9);
constexpr TRect kRadioGlyph = At(20, 109, 9, 9), kRadioGlyphActive = At(30, 109, 9, 9);
constexpr TRect kArrowGlyph = At(40, 109, 9, 9), kArrowGlyphActive = At(50, 109, 9, 9);
// Main menu bar entries (39 x 20).
constexpr TRect kBarItem = At(0, 122, 39, 20), kBarItemActive = At(40, 122, 39, 20),
                kBarItemDown = At(80, 122, 39, 20);

// Active picture 1 (27 x 17): check box images.
constexpr TRect kCheckBoxOn = At(0, 2, 13, 13), kCheckBoxOff = At(14, 2, 13, 13);

// Active picture 2 (46 x 42, 8-bit): the popup menu window.
constexpr int kPopupW = 46, kPopupH = 42;

// Active picture 3 (25 x 42): the small sizeable button of three 25 x 14 looks.
constexpr TRect kResizeNormal = At(0, 0, 25, 14), kResizeActive = At(0, 14, 25, 14),
                kResizeDown = At(0, 28, 25, 14);

// Active picture 4 (535 x 384): the control looks.
constexpr int kAtlasW = 535, kAtlasH = 384;
constexpr TRect kToolPanel = At(4, 4, 42, 29);
constexpr TRect kBigToolPanel = At(50, 4, 42, 40);
constexpr TRect kStatusBar = At(96, 4, 42, 22);
constexpr TRect kGripper = At(96, 30, 12, 12);
constexpr TRect kPanel = R(141, 4, 200, 56);
constexpr TRect kGroupBox = At(204, 4, 59, 52);
constexpr TRect kExPanel = At(267, 4, 59, 52);
// The group box's check box images and the frame behind its roll-up mark.
constexpr TRect kPanelCheckOn = At(386, 24, 13, 13), kPanelCheckOff = At(401, 24, 13, 13),
                kPanelMarkFrame = At(416, 24, 11, 13);
// Up-down controls: the normal look, then a copy with both buttons hot and one with
// both pressed. The button rectangles are relative to the look.
constexpr TRect kHUpDown = At(330, 4, 30, 16);
constexpr int kHUpDownStep = 32;
constexpr TRect kHUpDownFirst = R(2, 2, 14, 14), kHUpDownSecond = R(15, 2, 29, 14); // down, up
constexpr TRect kVUpDown = At(330, 24, 16, 30);
constexpr int kVUpDownStep = 18;
constexpr TRect kVUpDownFirst = R(2, 2, 14, 14), kVUpDownSecond = R(2, 16, 14, 28); // up, down
constexpr TRect kHScroll = At(430, 4, 100, 16);
constexpr TRect kVScroll = At(430, 42, 16, 84);
constexpr TRect kScrollUpHot = At(448, 42, 16, 16), kScrollDownHot = At(448, 60, 16, 16);
constexpr TRect kScrollLeftHot = At(430, 22, 16, 16), kScrollRightHot = At(448, 22, 16, 16);
constexpr TRect kHThumb = At(466, 22, 30, 16), kHThumbHot = At(498, 22, 30, 16);
constexpr TRect kVThumb = At(466, 42, 16, 30), kVThumbHot = At(484, 42, 16, 30);
constexpr TRect kButton = At(4, 62, 70, 25);
constexpr int kButtonStep = 74; // active, pressed, focused and disabled looks follow to the right
constexpr TRect kToolButton = At(4, 92, 30, 26);
constexpr int kToolButtonStep = 32;
constexpr TRect kBigToolButton = At(134, 92, 40, 40);
constexpr int kBigToolButtonStep = 42;
constexpr TRect kBigMenuButton = At(304, 89, 40, 40);
constexpr TRect kToolMenuButton = R(414, 130, 445, 156);
constexpr TRect kToolMenuButtonActive = R(445, 130, 476, 156);
constexpr TRect kToolMenuButtonDown = R(476, 130, 507, 156);
constexpr TRect kMenuMarker = At(510, 130, 7, 4), kMenuMarkerActive = At(510, 136, 7, 4),
                kMenuMarkerDown = At(510, 142, 7, 4);
constexpr TRect kToolMenuTrack = At(422, 160, 45, 26), kToolMenuTrackActive = At(469, 160, 45, 26),
                kToolMenuTrackDown = At(422, 188, 45, 26);
constexpr TRect kEdit = At(4, 140, 60, 22), kEditActive = At(68, 140, 60, 22);
constexpr TRect kEditButton = At(132, 143, 16, 16), kEditButtonActive = At(150, 143, 16, 16),
                kEditButtonDown = At(168, 143, 16, 16);
constexpr TRect kListBox = At(4, 166, 60, 60);
constexpr TRect kListItem = At(68, 166, 60, 18), kListItemActive = At(68, 186, 60, 18),
                kListItemFocus = At(68, 206, 60, 18);
constexpr TRect kListCheck = At(132, 168, 13, 13), kListUncheck = At(147, 168, 13, 13);
constexpr TRect kComboBox = At(188, 140, 80, 22), kComboBoxActive = At(188, 164, 80, 22);
constexpr TRect kComboButton = At(272, 143, 16, 16), kComboButtonActive = At(290, 143, 16, 16),
                kComboButtonDown = At(308, 143, 16, 16);
constexpr TRect kGauge = At(4, 360, 100, 18), kGaugeProgress = At(110, 364, 100, 10);
constexpr TRect kVGauge = At(448, 262, 18, 90), kVGaugeProgress = At(468, 262, 10, 90);
constexpr TRect kTrackBar = At(188, 190, 100, 20), kTrackThumb = At(292, 190, 12, 20),
                kTrackThumbHot = At(306, 190, 12, 20);
constexpr TRect kStatusPanel = At(330, 174, 40, 20);
constexpr TRect kSpinUp = At(374, 174, 14, 9), kSpinUpHot = At(390, 174, 14, 9),
                kSpinUpDown = At(406, 174, 14, 9);
constexpr TRect kSpinDown = At(374, 185, 14, 9), kSpinDownHot = At(390, 185, 14, 9),
                kSpinDownDown = At(406, 185, 14, 9);
constexpr TRect kGridFixed = At(4, 232, 60, 20), kGridSelect = At(68, 232, 60, 20),
                kGridFocus = At(132, 232, 60, 20);
constexpr TRect kTab = At(196, 232, 60, 24), kTabActive = At(260, 232, 60, 24),
                kTabHot = At(324, 232, 60, 24);
constexpr TRect kTabClose = At(388, 232, 9, 9), kTabCloseHot = At(399, 232, 9, 9),
                kTabCloseDown = At(410, 232, 9, 9);
constexpr TRect kTabPage = At(4, 260, 120, 80);
constexpr TRect kControlBar = At(128, 260, 60, 40), kControlBarItem = At(192, 260, 60, 30);
constexpr TRect kHGrip = At(256, 262, 6, 26), kVGrip = At(264, 260, 26, 6);
constexpr TRect kMenuBar = At(128, 304, 120, 20);
constexpr TRect kVSplitter = At(300, 260, 6, 60), kVSplitGrip = At(300, 326, 6, 20);
constexpr TRect kHSplitter = At(312, 260, 60, 6), kHSplitGrip = At(312, 270, 20, 6);
constexpr TRect kScrollBox = At(380, 260, 60, 60);
constexpr TRect kSliderHRuler = At(448, 220, 80, 8), kSliderHThumb = At(448, 230, 12, 16),
                kSliderVRuler = At(498, 232, 8, 28), kSliderVThumb = At(462, 230, 16, 12);
constexpr TRect kRadioOn = At(262, 304, 13, 13), kRadioOff = At(277, 304, 13, 13);

// Active picture 5 (70 x 25, 1-bit): the mask of the button look.
// Active picture 6 (100 x 32, 8-bit): the hint window, which is its own mask (black is inside).
constexpr int kHintW = 100, kHintH = 32;

// Active picture 7 (32 x 32): a quiet texture that tiles, the background of the texture panel.
constexpr int kTextureSide = 32;

} // namespace tessel::demo::layout
