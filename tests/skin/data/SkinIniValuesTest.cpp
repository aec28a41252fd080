#include "tessel/skin/data/SkinIniValues.h"

#include "tessel/framework/Exception.h"
#include "tessel/framework/TMemIniFile.h"
#include "tessel/skin/data/TvxEnumWords.h"
#include "tests/support/TestSkins.h"

#include <gtest/gtest.h>

using namespace tessel;

TEST(SkinIniValues, RectanglesAndPoints)
{
    TMemIniFile ini = test::IniFromText(
        "[s]\na=1, 2 ,3 , 4\nb=-5,6,7,8\nc=\nd=1,2,3\ne=1,,3,4\nf=9,8\ng=1,2,3,4,5\nh=x1y,2\n"
        "big=99999999999,0,0,0\n");
    EXPECT_EQ(ReadSkinRect(ini, "s", "a"), (TRect { 1, 2, 3, 4 }));
    EXPECT_EQ(ReadSkinRect(ini, "s", "b"), (TRect { 5, 6, 7, 8 })); // the sign is dropped
    EXPECT_EQ(ReadSkinRect(ini, "s", "missing"), TRect {});
    EXPECT_EQ(ReadSkinRect(ini, "nosection", "a"), TRect {});
    EXPECT_EQ(ReadSkinRect(ini, "s", "g"), (TRect { 1, 2, 3, 4 })); // extra fields are ignored
    EXPECT_EQ(ReadSkinPoint(ini, "s", "f"), (TPoint { 9, 8 }));
    EXPECT_EQ(ReadSkinPoint(ini, "s", "h"), (TPoint { 1, 2 }));
    EXPECT_EQ(ReadSkinPoint(ini, "s", "missing"), TPoint {});
    for (const char* key : { "c", "d", "e", "big" }) {
        try {
            ReadSkinRect(ini, "s", key);
            FAIL() << key;
        } catch (const EConvertError& e) {
            if (std::string(key) != "big") {
                EXPECT_STREQ(e.what(), "'' is not a valid integer value") << key;
            }
        }
    }
    EXPECT_THROW(ReadSkinPoint(ini, "s", "c"), EConvertError);
    EXPECT_THROW(ReadSkinPoint(test::IniFromText("[s]\np=5\n"), "s", "p"), EConvertError);
}

TEST(SkinIniValues, RectangleTextRoundTrips)
{
    TMemIniFile ini;
    WriteSkinRect(ini, "s", "r", TRect { 141, 4, 200, 56 });
    WriteSkinPoint(ini, "s", "p", TPoint { 53, 46 });
    EXPECT_EQ(ini.ReadString("s", "r", ""), "141,4,200,56");
    EXPECT_EQ(ini.ReadString("s", "p", ""), "53,46");
    EXPECT_EQ(ReadSkinRect(ini, "s", "r"), (TRect { 141, 4, 200, 56 }));
    EXPECT_EQ(SkinRectText(ParseSkinRect("43,3,56,16")), "43,3,56,16");
}

TEST(SkinIniValues, IntegersColoursAndBooleans)
{
    TMemIniFile ini = test::IniFromText(
        "[s]\ni=$10\nj=junk\nc=16777215\nt=true\none=1\nzero1=01\ntwo=2\nhex1=$1\nneg=-1\n");
    EXPECT_EQ(ReadSkinInteger(ini, "s", "i", 0), 16);
    EXPECT_EQ(ReadSkinInteger(ini, "s", "j", 14), 14);
    EXPECT_EQ(ReadSkinColor(ini, "s", "c", 0), 0xFFFFFFu);
    EXPECT_EQ(ReadSkinColor(ini, "s", "missing", 16711935), 16711935u);
    EXPECT_FALSE(ReadSkinBool(ini, "s", "t"));
    EXPECT_TRUE(ReadSkinBool(ini, "s", "one"));
    EXPECT_TRUE(ReadSkinBool(ini, "s", "zero1"));
    EXPECT_TRUE(ReadSkinBool(ini, "s", "hex1"));
    EXPECT_FALSE(ReadSkinBool(ini, "s", "two")); // only exactly 1 is true
    EXPECT_FALSE(ReadSkinBool(ini, "s", "neg"));
    EXPECT_FALSE(ReadSkinBool(ini, "s", "missing"));
}

TEST(SkinIniValues, FontStylesAreSubstringTests)
{
    EXPECT_EQ(ParseSkinFontStyles("fsbold,fsitalic"), fsBold | fsItalic);
    EXPECT_EQ(ParseSkinFontStyles("fsitalicfsbold"), fsBold | fsItalic);
    EXPECT_EQ(ParseSkinFontStyles("[fsunderline fsstrikeout]"), fsUnderline | fsStrikeOut);
    EXPECT_EQ(ParseSkinFontStyles("FSBOLD"), 0);
    EXPECT_EQ(ParseSkinFontStyles(""), 0);
    EXPECT_EQ(SkinFontStylesText(fsStrikeOut | fsBold | fsItalic), "fsbold,fsitalic,fsstrikeout");
    EXPECT_EQ(SkinFontStylesText(0), "");
}

TEST(SkinIniValues, EnumerationWordsAreCaseSensitive)
{
    TMemIniFile ini = test::IniFromText(
        "[s]\nst=Stfull\nsv=stvert\nie=bogus\nmk=mkpush\nmk2=MKPUSH\nal=tacenter\nal2=TaCenter\n"
        "cm=cmclose\ncm2=close\nfp=x\ngk=x\nrk=x\nempty=\n");
    const auto& st = TvxEnumWords::StretchType();
    EXPECT_EQ(ReadSkinEnum(ini, "s", "st", st), 1); // capital S: sthorz
    EXPECT_EQ(ReadSkinEnum(ini, "s", "ST", st), 1); // the key itself ignores case
    EXPECT_EQ(ReadSkinEnum(ini, "s", "sv", st), 2);
    EXPECT_EQ(ReadSkinEnum(ini, "s", "missing", st), 0);
    EXPECT_EQ(ReadSkinEnum(ini, "s", "ie", TvxEnumWords::InactiveEffect()), 2);
    EXPECT_EQ(ReadSkinEnum(ini, "s", "missing", TvxEnumWords::InactiveEffect()), 0);
    EXPECT_EQ(ReadSkinEnum(ini, "s", "mk", TvxEnumWords::MorphKind()), 6);
    EXPECT_EQ(ReadSkinEnum(ini, "s", "mk2", TvxEnumWords::MorphKind()), 0);
    EXPECT_EQ(ReadSkinEnum(ini, "s", "al", TvxEnumWords::Alignment()), taCenter);
    EXPECT_EQ(ReadSkinEnum(ini, "s", "al2", TvxEnumWords::Alignment()), taRightJustify);
    EXPECT_EQ(ReadSkinEnum(ini, "s", "missing", TvxEnumWords::Alignment()), taCenter);
    EXPECT_EQ(ReadSkinEnum(ini, "s", "empty", TvxEnumWords::Alignment()), taRightJustify);
    EXPECT_EQ(ReadSkinEnum(ini, "s", "cm", TvxEnumWords::FrameCommand()), 0);
    EXPECT_EQ(ReadSkinEnum(ini, "s", "cm2", TvxEnumWords::FrameCommand()), 6);
    EXPECT_EQ(ReadSkinEnum(ini, "s", "missing", TvxEnumWords::FrameCommand()), 4);
    EXPECT_EQ(ReadSkinEnum(ini, "s", "fp", TvxEnumWords::FramesPlacement()), 1);
    EXPECT_EQ(ReadSkinEnum(ini, "s", "gk", TvxEnumWords::GaugeKind()), 1);
    EXPECT_EQ(ReadSkinEnum(ini, "s", "rk", TvxEnumWords::RegulatorKind()), 2);

    TMemIniFile out;
    WriteSkinEnum(out, "s", "k", 5, TvxEnumWords::FrameCommand());
    EXPECT_EQ(out.ReadString("s", "k", ""), "cmrollup");
}

TEST(SkinIniValues, CountedAndLineLists)
{
    TMemIniFile ini
        = test::IniFromText("[PICTURES]\nactivepicturescount=3\n0=a.bmp\n2=c.bmp\n[L]\nsymbolslinecount=2\n"
                            "symbolsline0=ABC\nsymbolsline1=DEF\n[H]\ncount=2000000000\n199999=x:y\n7=z:w\n");
    EXPECT_EQ(ReadSkinCountedList(ini, "PICTURES", "activepictures"),
        (std::vector<std::string> { "a.bmp", "", "c.bmp" }));
    TStringList lines;
    ReadSkinLineList(ini, "L", "symbols", lines);
    EXPECT_EQ(lines.Lines(), (std::vector<std::string> { "ABC", "DEF" }));
    // A huge count reads up to the highest entry present, quickly.
    std::vector<std::string> huge = ReadSkinCountedList(ini, "H", "");
    ASSERT_EQ(huge.size(), 200000u);
    EXPECT_EQ(huge[7], "z:w");
    EXPECT_EQ(huge.back(), "x:y");
    EXPECT_TRUE(ReadSkinCountedList(test::IniFromText("[H]\ncount=-4\n"), "H", "").empty());

    TMemIniFile out;
    WriteSkinLineList(out, "L", "symbols", lines);
    TStringList back;
    ReadSkinLineList(out, "L", "symbols", back);
    EXPECT_EQ(back.Lines(), lines.Lines());
}
