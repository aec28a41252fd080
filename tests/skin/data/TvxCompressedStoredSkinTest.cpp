#include "tessel/skin/data/TvxCompressedStoredSkin.h"

#include "tessel/framework/Exception.h"
#include "tessel/framework/TMemIniFile.h"
#include "tessel/framework/TMemoryStream.h"
#include "tessel/framework/TZCompressionStream.h"
#include "tessel/skin/data/TvxCompressedSkinList.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestSkins.h"

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// A skin folder: INI plus the pictures it names.
void MakeFolder(const test::TempDir& dir, const std::string& ini)
{
    test::Pattern(8, 6, 1).SaveToFile(dir.File("main.bmp"));
    test::Pattern(5, 5, 2).SaveToFile(dir.File("a0.bmp"));
    test::Pattern(3, 7, 3).SaveToFile(dir.File("a1.bmp"));
    dir.Write("skin.ini", ini);
}

const std::string kPictures = "picture=main.bmp\r\nactivepicturescount=2\r\n0=a0.bmp\r\n1=a1.bmp\r\n";

std::string FolderIni(const std::string& pictures = kPictures)
{
    return "[VERSION]\r\n[PICTURES]\r\n" + pictures + "[FORMINFO]\r\n[SKINOBJECTS]\r\n[SKINCONTROLS]\r\n";
}

std::vector<uint8_t> Inflated(TvxCompressedStoredSkin& skin)
{
    TMemoryStream out;
    skin.DecompressTo(out);
    return out.Bytes();
}

} // namespace

TEST(TvxCompressedStoredSkin, ImportSkinFolderBuildsAVersionTwoPackage)
{
    test::TempDir dir;
    MakeFolder(dir, FolderIni());
    TvxCompressedStoredSkin skin;
    EXPECT_TRUE(skin.IsEmpty());
    skin.ImportSkinFolder(dir.File("skin.ini"));
    ASSERT_FALSE(skin.IsEmpty());
    EXPECT_EQ(skin.CompressedData()[0], 0x78);
    EXPECT_EQ(skin.CompressedData()[1], 0xDA);

    test::PackageParts expected;
    expected.picture = test::Pattern(8, 6, 1);
    expected.active = { test::Pattern(5, 5, 2), test::Pattern(3, 7, 3) };
    expected.ini = FolderIni();
    EXPECT_EQ(Inflated(skin), test::MakePackage(expected));
}

TEST(TvxCompressedStoredSkin, AFolderWithoutARequiredSectionKeepsTheOldSkin)
{
    test::TempDir dir;
    MakeFolder(dir, FolderIni());
    TvxCompressedStoredSkin skin;
    skin.ImportSkinFolder(dir.File("skin.ini"));
    std::vector<uint8_t> before = skin.CompressedData();

    dir.Write("partial.ini", "[VERSION]\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n");
    skin.ImportSkinFolder(dir.File("partial.ini"));
    EXPECT_EQ(skin.CompressedData(), before);
    std::string missing;
    TMemIniFile partial;
    partial.LoadFromFile(dir.File("partial.ini"));
    EXPECT_FALSE(TvxCompressedStoredSkin::HasRequiredSections(partial, &missing));
    EXPECT_EQ(missing, "SKINCONTROLS");
}

TEST(TvxCompressedStoredSkin, AMissingBitmapRaisesAfterClearing)
{
    test::TempDir dir;
    MakeFolder(dir, FolderIni());
    TvxCompressedStoredSkin skin;
    skin.ImportSkinFolder(dir.File("skin.ini"));
    dir.Write("broken.ini", FolderIni("picture=main.bmp\r\nactivepicturescount=1\r\n0=gone.bmp\r\n"));
    EXPECT_THROW(skin.ImportSkinFolder(dir.File("broken.ini")), EFOpenError);
    EXPECT_TRUE(skin.IsEmpty());
    dir.Write("noname.ini", FolderIni("activepicturescount=1\r\n"));
    EXPECT_THROW(skin.ImportSkinFolder(dir.File("noname.ini")), EFOpenError);
}

TEST(TvxCompressedStoredSkin, CompressedFileLayout)
{
    TvxCompressedStoredSkin skin;
    skin.SetCompressedData({ 0x78, 0xDA, 1, 2, 3 });
    TMemoryStream file;
    skin.SaveToCompressedStream(file);
    EXPECT_EQ(file.Bytes(), (std::vector<uint8_t> { 2, 0, 0, 0, 5, 0, 0, 0, 0x78, 0xDA, 1, 2, 3 }));

    TvxCompressedStoredSkin copy;
    copy.LoadFromCompressedStream(file); // reads from the stream's start
    EXPECT_EQ(copy.CompressedData(), skin.CompressedData());

    // A version above 3 leaves the skin empty; up to 3 is accepted.
    TMemoryStream v4(std::vector<uint8_t> { 4, 0, 0, 0, 1, 0, 0, 0, 9 });
    copy.LoadFromCompressedStream(v4);
    EXPECT_TRUE(copy.IsEmpty());
    TMemoryStream v3(std::vector<uint8_t> { 3, 0, 0, 0, 1, 0, 0, 0, 9 });
    copy.LoadFromCompressedStream(v3);
    EXPECT_EQ(copy.CompressedData(), std::vector<uint8_t> { 9 });
    // A size beyond the bytes present is a read error, not a huge allocation.
    TMemoryStream lying(std::vector<uint8_t> { 2, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 9 });
    EXPECT_THROW(copy.LoadFromCompressedStream(lying), EReadError);

    test::TempDir dir;
    dir.Write("v4.vxs", std::string("\x04\0\0\0\x01\0\0\0\x09", 9));
    copy.SetCompressedData({ 1 });
    copy.ImportCompressedFile(dir.File("v4.vxs"));
    EXPECT_TRUE(copy.IsEmpty());
}

TEST(TvxCompressedStoredSkin, FileNameSettersImportOnlyInDesignMode)
{
    test::TempDir dir;
    MakeFolder(dir, FolderIni());
    TvxCompressedStoredSkin skin;
    skin.SetFileName(dir.File("skin.ini"));
    EXPECT_EQ(skin.FileName(), "skin.ini");
    EXPECT_TRUE(skin.IsEmpty()); // at run time only the name is stored

    skin.SetDesigning(true);
    skin.BeginLoading();
    skin.SetFileName(dir.File("skin.ini"));
    EXPECT_TRUE(skin.IsEmpty()); // nor while the form description is read
    skin.Loaded();
    skin.SetFileName(dir.File("skin.ini"));
    EXPECT_FALSE(skin.IsEmpty());

    TMemoryStream file;
    skin.SaveToCompressedStream(file);
    std::string bytes(file.Bytes().begin(), file.Bytes().end());
    dir.Write("skin.vxs", bytes);
    TvxCompressedStoredSkin other;
    other.SetDesigning(true);
    other.SetCompressedFileName(dir.File("skin.vxs"));
    EXPECT_EQ(other.CompressedFileName(), "skin.vxs");
    EXPECT_EQ(other.CompressedData(), skin.CompressedData());
}

TEST(TvxCompressedStoredSkin, DecompressionErrorsAndTheSizeLimit)
{
    TvxCompressedStoredSkin skin;
    skin.SetCompressedData({ 0x78, 0xDA, 0xFF, 0xFF, 0xFF });
    TMemoryStream out;
    EXPECT_THROW(skin.DecompressTo(out), EZDecompressionError);

    // A compressed bomb: 257 MiB of zeros in about a quarter of a megabyte.
    TMemoryStream bomb;
    {
        TZCompressionStream z(bomb, 1);
        std::vector<uint8_t> zeros(1 << 20, 0);
        for (int i = 0; i < 257; ++i)
            z.WriteBuffer(zeros.data(), zeros.size());
    }
    ASSERT_LT(bomb.Size(), 2 << 20);
    skin.SetCompressedData(bomb.Bytes());
    TMemoryStream sink;
    EXPECT_THROW(skin.DecompressTo(sink), EZDecompressionError);
    EXPECT_LE(sink.Size(), TvxCompressedStoredSkin::kMaxInflatedSize);
}

TEST(TvxCompressedSkinList, ItemsAreNamedByIndexAndImportInTheListsDesignMode)
{
    TvxCompressedSkinList list;
    TvxSkinListItem& first = list.Add();
    TvxSkinListItem& second = list.Add();
    EXPECT_EQ(first.Name(), "vxSkin0");
    EXPECT_EQ(second.DisplayName(), "vxSkin1");

    test::TempDir dir;
    MakeFolder(dir, FolderIni());
    first.SetFileName(dir.File("skin.ini"));
    EXPECT_TRUE(first.StoredSkin().IsEmpty());
    list.SetDesigning(true);
    first.SetFileName(dir.File("skin.ini"));
    EXPECT_FALSE(first.StoredSkin().IsEmpty());
    EXPECT_EQ(first.FileName(), "skin.ini");

    // The byte-block property "Skin" holds the compressed skin file layout.
    TMemoryStream block;
    first.WriteSkinData(block);
    second.ReadSkinData(block);
    EXPECT_EQ(second.StoredSkin().CompressedData(), first.StoredSkin().CompressedData());
}
