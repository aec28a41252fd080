#pragma once

#include "tessel/framework/ControlTypes.h"

#include <cstdint>
#include <string>

namespace tessel {

// A shortcut: a key code with the modifier flags above it.
using TShortCut = uint16_t;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0;

TShortCut ShortCut(uint16_t key, TShiftState shift);
// "Ctrl+S", "Shift+F5", "Alt+Enter" …; empty for none.
std::string ShortCutToText(TShortCut shortcut);
// The reverse of ShortCutToText; scNone when the text names no shortcut.
TShortCut TextToShortCut(const std::string& text);
// The caption without its "&" markers ("&&" stays one "&").
std::string StripHotkey(const std::string& caption);
// The accelerator character of a caption (upper-cased), or 0.
char GetHotkey(const std::string& caption);
// Whether ch is the caption's accelerator, regardless of case.
bool IsAccel(char32_t ch, const std::string& caption);

} // namespace tessel
