#include "tessel/framework/Exception.h"
#include "tessel/framework/TFileStream.h"
#include "tessel/framework/TMemoryStream.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace tessel;

TEST(TMemoryStream, ReadsWritesAndSeeks)
{
    TMemoryStream s;
    s.WriteInt32(-2);
    s.WriteByte(7);
    EXPECT_EQ(s.Size(), 5);
    s.SetPosition(0);
    EXPECT_EQ(s.ReadInt32(), -2);
    EXPECT_EQ(s.ReadByte(), 7);
    EXPECT_EQ(s.Remaining(), 0);
    uint8_t b;
    EXPECT_EQ(s.Read(&b, 1), 0u);
    try {
        s.ReadByte();
        FAIL();
    } catch (const EReadError& e) {
        EXPECT_STREQ(e.what(), "Stream read error");
    }
    s.Seek(-1, TSeekOrigin::soEnd);
    EXPECT_EQ(s.ReadByte(), 7);
    EXPECT_EQ(s.Bytes(), (std::vector<uint8_t> { 0xFE, 0xFF, 0xFF, 0xFF, 7 }));
}

TEST(TFileStream, ErrorsNameTheFileAndTheReason)
{
    test::TempDir dir;
    try {
        TFileStream f(dir.File("missing.bin"), TFileMode::fmOpenRead);
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(std::string(e.what()),
            "Cannot open file \"" + dir.File("missing.bin") + "\". No such file or directory");
    }
    try {
        TFileStream f(dir.File("no/such/dir.bin"), TFileMode::fmCreate);
        FAIL();
    } catch (const EFCreateError& e) {
        EXPECT_NE(std::string(e.what()).find("Cannot create file \""), std::string::npos);
    }
    EXPECT_THROW(TFileStream(dir.Path(), TFileMode::fmOpenRead), EFOpenError); // a folder is no file
}

TEST(TFileStream, CopyFromTakesTheWholeSourceForCountZero)
{
    test::TempDir dir;
    TMemoryStream source(std::vector<uint8_t> { 1, 2, 3 });
    source.SetPosition(2);
    {
        TFileStream f(dir.File("a.bin"), TFileMode::fmCreate);
        EXPECT_EQ(f.CopyFrom(source, 0), 3);
    }
    EXPECT_EQ(dir.Read("a.bin"), std::string("\x01\x02\x03", 3));
}
