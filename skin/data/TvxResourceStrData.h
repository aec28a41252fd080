#pragma once

#include "tessel/framework/TColor.h"
#include "tessel/framework/TComponent.h"
#include "tessel/framework/TStringList.h"

namespace tessel {

// The replaceable user-interface strings (lines NAME=text) and their character set.
// It starts with the 120 built-in lines.
class TvxResourceStrData : public TComponent {
public:
    explicit TvxResourceStrData(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TvxResourceStrData"; }

    const TStringList& ResStrings() const { return m_strings; }
    void SetResStrings(TStringList strings) { m_strings = std::move(strings); }
    int CharSet() const { return m_charset; }
    void SetCharSet(int charset) { m_charset = charset; }

    // The text after the first "=" of the first line whose name matches, letter case
    // ignored; empty when none.
    std::string GetResStr(std::string_view name) const { return m_strings.Values(name); }

    static const TStringList& BuiltInStrings();

private:
    TStringList m_strings;
    int m_charset = DEFAULT_CHARSET;
};

} // namespace tessel
