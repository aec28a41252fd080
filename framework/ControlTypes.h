#pragma once

#include "tessel/platform/Messages.h"

#include <cstdint>
#include <functional>
#include <string>

// The types the framework's controls share: alignment, anchors, state and style
// flags, shift states, events and the framework's own control messages.
namespace tessel {

class TComponent;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

enum TAnchorKind : uint8_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = uint8_t;
constexpr TAnchors kDefaultAnchors = akLeft | akTop;

// What a control is doing at the moment.
enum TControlStateFlag : uint32_t {
    csLButtonDown = 1 << 0,
    csClicked = 1 << 1,
    csPalette = 1 << 2,
    csReadingState = 1 << 3,
    csAlignmentNeeded = 1 << 4,
    csFocusing = 1 << 5,
    csCreating = 1 << 6,
    // The control paints a copy of itself (for a child's background) rather than the screen.
    csPaintCopy = 1 << 7,
    csCustomPaint = 1 << 8,
};

// What kind of control it is.
enum TControlStyleFlag : uint32_t {
    csAcceptsControls = 1 << 0,
    csCaptureMouse = 1 << 1,
    csDesignInteractive = 1 << 2,
    csClickEvents = 1 << 3,
    csFramed = 1 << 4,
    csSetCaption = 1 << 5,
    csOpaque = 1 << 6,
    csDoubleClicks = 1 << 7,
    csFixedWidth = 1 << 8,
    csFixedHeight = 1 << 9,
    csNoDesignVisible = 1 << 10,
    csReplicatable = 1 << 11,
    csNoStdEvents = 1 << 12,
    csDisplayDragImage = 1 << 13,
    csReflector = 1 << 14,
    csActionClient = 1 << 15,
    csMenuEvents = 1 << 16,
};

enum TMouseButtonKind { mbLeft = 0, mbRight = 1, mbMiddle = 2 };

enum TShiftStateFlag : uint8_t {
    ssShift = 1 << 0,
    ssAlt = 1 << 1,
    ssCtrl = 1 << 2,
    ssLeft = 1 << 3,
    ssRight = 1 << 4,
    ssMiddle = 1 << 5,
    ssDouble = 1 << 6,
};
using TShiftState = uint8_t;

// Cursor numbers of the framework: 0 is the default (the window class's arrow).
enum TCursorKind : int {
    crDefault = 0,
    crNone = -1,
    crArrow = -2,
    crCross = -3,
    crIBeam = -4,
    crSizeNESW = -6,
    crSizeNS = -7,
    crSizeNWSE = -8,
    crSizeWE = -9,
    crHourGlass = -11,
    crHandPoint = -21,
};
using TCursor = int;
// The platform cursor (IDC_*) a framework cursor number stands for.
int CursorToIdc(TCursor cursor);

using TNotifyEvent = std::function<void(TComponent* sender)>;
using TMouseEvent = std::function<void(TComponent* sender, TMouseButtonKind, TShiftState, int x, int y)>;
using TMouseMoveEvent = std::function<void(TComponent* sender, TShiftState, int x, int y)>;
using TKeyEvent = std::function<void(TComponent* sender, uint16_t& key, TShiftState)>;
using TKeyPressEvent = std::function<void(TComponent* sender, char32_t& key)>;

// A key message as shortcut handlers see it.
struct TWMKey {
    uint32_t Msg = 0;
    uint16_t CharCode = 0;
    LPARAM KeyData = 0;
    LRESULT Result = 0;
};

// Which way an up-down control's two buttons lie.
enum TUDOrientation { udHorizontal, udVertical };

// The framework's control messages.
constexpr uint32_t CM_BASE = 0xB000;
constexpr uint32_t CM_ACTIVATE = CM_BASE + 0, CM_DEACTIVATE = CM_BASE + 1, CM_CANCELMODE = CM_BASE + 4,
                   CM_DIALOGKEY = CM_BASE + 5, CM_DIALOGCHAR = CM_BASE + 6, CM_FOCUSCHANGED = CM_BASE + 7,
                   CM_PARENTFONTCHANGED = CM_BASE + 8, CM_PARENTCOLORCHANGED = CM_BASE + 9,
                   CM_VISIBLECHANGED = CM_BASE + 11, CM_ENABLEDCHANGED = CM_BASE + 12,
                   CM_COLORCHANGED = CM_BASE + 13, CM_FONTCHANGED = CM_BASE + 14,
                   CM_CURSORCHANGED = CM_BASE + 15, CM_TEXTCHANGED = CM_BASE + 18,
                   CM_MOUSEENTER = CM_BASE + 19, CM_MOUSELEAVE = CM_BASE + 20, CM_ENTER = CM_BASE + 26,
                   CM_EXIT = CM_BASE + 27, CM_RELEASE = CM_BASE + 33, CM_SHOWHINTCHANGED = CM_BASE + 34,
                   CM_HINTSHOW = CM_BASE + 48,
                   // To an MDI form's controls: a child was shown, hidden, renamed or brought
                   // forward (LParam: the child).
    CM_MDICHILDCHANGED = CM_BASE + 50,
                   // To a control that hosts an embedded view: the view was double-clicked (WParam:
                   // the shift state of the modifier keys held).
    CM_VIEWDBLCLICK = CM_BASE + 51,
                   // To a control that hosts an embedded view: its page asked for full screen
                   // (WParam 1) or left it (0).
    CM_VIEWFULLSCREEN = CM_BASE + 52;

// The shift state of a key message's key data, with the modifier keys down now.
TShiftState KeyDataToShiftState(LPARAM key_data);
// The shift state of a mouse message's MK_* flags.
TShiftState MouseKeysToShiftState(WPARAM keys);

} // namespace tessel
