#include "tessel/skin/data/TvxResourceStrData.h"

#include <gtest/gtest.h>

using namespace tessel;

TEST(TvxResourceStrData, StartsWithTheBuiltInLines)
{
    TvxResourceStrData strings;
    ASSERT_EQ(strings.ResStrings().Count(), 120);
    EXPECT_EQ(strings.CharSet(), 1);
    EXPECT_EQ(strings.ResStrings().Names(0), "MI_MINCAPTION");
    EXPECT_EQ(strings.ResStrings().Names(53), "ERROR");
    EXPECT_EQ(strings.ResStrings().Names(119), "CUSTOMCOLOR");
    const std::pair<const char*, const char*> frame[] = { { "MI_MINCAPTION", "Mi&nimize" },
        { "MI_MAXCAPTION", "Ma&ximize" }, { "MI_CLOSECAPTION", "&Close" },
        { "MI_RESTORECAPTION", "&Restore" }, { "MI_MINTOTRAYCAPTION", "Minimize to &Tray" },
        { "MI_ROLLUPCAPTION", "Ro&llUp" }, { "MINBUTTON_HINT", "Minimize" }, { "MAXBUTTON_HINT", "Maximize" },
        { "CLOSEBUTTON_HINT", "Close" }, { "TRAYBUTTON_HINT", "Minimize to Tray" },
        { "ROLLUPBUTTON_HINT", "Roll Up" }, { "MENUBUTTON_HINT", "System menu" } };
    for (auto [name, text] : frame)
        EXPECT_EQ(strings.GetResStr(name), text) << name;
    EXPECT_EQ(strings.GetResStr("closebutton_hint"), "Close"); // letter case ignored
    EXPECT_EQ(strings.GetResStr("NO_SUCH"), "");
    // Every name is distinct and every line has a text.
    for (int i = 0; i < 120; ++i) {
        EXPECT_EQ(strings.ResStrings().IndexOfName(strings.ResStrings().Names(i)), i);
        EXPECT_FALSE(strings.ResStrings().ValueFromIndex(i).empty());
    }
}

TEST(TvxResourceStrData, ReplacedLinesAreFoundFirstMatchFirst)
{
    TvxResourceStrData strings;
    strings.SetResStrings(TStringList { "CLOSEBUTTON_HINT=Schliessen", "closebutton_hint=later", "X=a=b" });
    EXPECT_EQ(strings.GetResStr("CLOSEBUTTON_HINT"), "Schliessen");
    EXPECT_EQ(strings.GetResStr("X"), "a=b");
}
