#pragma once

#include "tessel/skin/data/SkinEnums.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

// The words of one skin INI enumeration: value i is words[i]. A missing key reads
// as the default word; a word outside the list (compared case-sensitively) reads
// as the fallback value.
class TvxEnumWords {
public:
    TvxEnumWords(std::initializer_list<const char*> words, int32_t default_value, int32_t fallback_value)
        : m_words(words)
        , m_default(default_value)
        , m_fallback(fallback_value)
    { }

    int32_t Parse(std::string_view word) const;
    const char* Word(int32_t value) const;
    const char* DefaultWord() const { return m_words[static_cast<size_t>(m_default)]; }
    int32_t DefaultValue() const { return m_default; }

    static const TvxEnumWords& Alignment();
    static const TvxEnumWords& StretchType();
    static const TvxEnumWords& MorphKind();
    static const TvxEnumWords& InactiveEffect();
    static const TvxEnumWords& FramesPlacement();
    static const TvxEnumWords& GaugeKind();
    static const TvxEnumWords& RegulatorKind();
    static const TvxEnumWords& FrameCommand();

private:
    std::vector<const char*> m_words;
    int32_t m_default;
    int32_t m_fallback;
};

} // namespace tessel
