#pragma once

#include <cstdint>

namespace tessel {

// The enumerations of the skin INI, in the order of their words.

enum TvxStretchType : int32_t { stfull = 0, sthorz = 1, stvert = 2 };

enum TvxMorphKind : int32_t {
    mkdefault = 0,
    mkgradient,
    mkleftgradient,
    mkrightgradient,
    mkleftslide,
    mkrightslide,
    mkpush,
};

enum TvxInactiveEffect : int32_t {
    iebrightness = 0,
    iedarkness,
    iegrayscale,
    ienoise,
    iesplitblur,
    ieinvert
};

enum TvxFramesPlacement : int32_t { fphorizontal = 0, fpvertical = 1 };

enum TvxGaugeKind : int32_t { gkhorizontal = 0, gkvertical = 1 };

enum TvxRegulatorKind : int32_t { rkround = 0, rkhorizontal = 1, rkvertical = 2 };

enum TvxFrameCommand : int32_t {
    cmclose = 0,
    cmmaximize,
    cmminimize,
    cmsysmenu,
    cmdefault,
    cmrollup,
    cmminimizetotray,
};

} // namespace tessel
