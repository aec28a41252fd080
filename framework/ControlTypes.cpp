#include "tessel/framework/ControlTypes.h"

#include "tessel/platform/TWindowManager.h"

namespace tessel {

int CursorToIdc(TCursor cursor)
{
    switch (cursor) {
    case crCross:
        return IDC_CROSS;
    case crIBeam:
        return IDC_IBEAM;
    case crSizeNESW:
        return IDC_SIZENESW;
    case crSizeNS:
        return IDC_SIZENS;
    case crSizeNWSE:
        return IDC_SIZENWSE;
    case crSizeWE:
        return IDC_SIZEWE;
    case crHourGlass:
        return IDC_WAIT;
    case crHandPoint:
        return IDC_HAND;
    default:
        return IDC_ARROW;
    }
}

TShiftState KeyDataToShiftState(LPARAM key_data)
{
    TInput& input = TWindowManager::Instance().Input();
    TShiftState shift = 0;
    if (input.IsKeyDown(VK_SHIFT))
        shift |= ssShift;
    if (input.IsKeyDown(VK_CONTROL))
        shift |= ssCtrl;
    if (key_data & (1 << 29))
        shift |= ssAlt;
    return shift;
}

TShiftState MouseKeysToShiftState(WPARAM keys)
{
    TShiftState shift = 0;
    if (keys & MK_SHIFT)
        shift |= ssShift;
    if (keys & MK_CONTROL)
        shift |= ssCtrl;
    if (keys & MK_LBUTTON)
        shift |= ssLeft;
    if (keys & MK_RBUTTON)
        shift |= ssRight;
    if (keys & MK_MBUTTON)
        shift |= ssMiddle;
    if (TWindowManager::Instance().Input().IsKeyDown(VK_MENU))
        shift |= ssAlt;
    return shift;
}

} // namespace tessel
