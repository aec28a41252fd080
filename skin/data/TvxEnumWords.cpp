#include "tessel/skin/data/TvxEnumWords.h"

#include "tessel/framework/TColor.h"
#include "tessel/skin/data/SkinEnums.h"

namespace tessel {

int32_t TvxEnumWords::Parse(std::string_view word) const
{
    for (size_t i = 0; i < m_words.size(); ++i)
        if (word == m_words[i])
            return static_cast<int32_t>(i);
    return m_fallback;
}

const char* TvxEnumWords::Word(int32_t value) const
{
    if (value < 0 || static_cast<size_t>(value) >= m_words.size())
        return m_words[static_cast<size_t>(m_fallback)];
    return m_words[static_cast<size_t>(value)];
}

const TvxEnumWords& TvxEnumWords::Alignment()
{
    static const TvxEnumWords words(
        { "taleftjustify", "tarightjustify", "tacenter" }, taCenter, taRightJustify);
    return words;
}

const TvxEnumWords& TvxEnumWords::StretchType()
{
    static const TvxEnumWords words({ "stfull", "sthorz", "stvert" }, stfull, sthorz);
    return words;
}

const TvxEnumWords& TvxEnumWords::MorphKind()
{
    static const TvxEnumWords words({ "mkdefault", "mkgradient", "mkleftgradient", "mkrightgradient",
                                        "mkleftslide", "mkrightslide", "mkpush" },
        mkdefault, mkdefault);
    return words;
}

const TvxEnumWords& TvxEnumWords::InactiveEffect()
{
    static const TvxEnumWords words(
        { "iebrightness", "iedarkness", "iegrayscale", "ienoise", "iesplitblur", "ieinvert" }, iebrightness,
        iegrayscale);
    return words;
}

const TvxEnumWords& TvxEnumWords::FramesPlacement()
{
    static const TvxEnumWords words({ "fphorizontal", "fpvertical" }, fphorizontal, fpvertical);
    return words;
}

const TvxEnumWords& TvxEnumWords::GaugeKind()
{
    static const TvxEnumWords words({ "gkhorizontal", "gkvertical" }, gkhorizontal, gkvertical);
    return words;
}

const TvxEnumWords& TvxEnumWords::RegulatorKind()
{
    static const TvxEnumWords words({ "rkround", "rkhorizontal", "rkvertical" }, rkround, rkvertical);
    return words;
}

const TvxEnumWords& TvxEnumWords::FrameCommand()
{
    static const TvxEnumWords words(
        { "cmclose", "cmmaximize", "cmminimize", "cmsysmenu", "cmdefault", "cmrollup", "cmminimizetotray" },
        cmdefault, cmminimizetotray);
    return words;
}

} // namespace tessel
