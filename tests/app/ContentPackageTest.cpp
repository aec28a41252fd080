#include "app/content/TContentCleanup.h"
#include "app/content/TContentNames.h"
#include "app/content/TContentPackage.h"
#include "app/content/TPrivateFolder.h"
#include "tessel/framework/Exception.h"
#include "tests/support/TempDir.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mman.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tessel;

namespace {

struct Entry {
    std::string name;
    std::string bytes;
    int32_t size = -1; // -1: the bytes' length
};

// A package file: the header for the entries (with another count when given), then
// the contents.
std::string Package(const std::vector<Entry>& entries, std::optional<int32_t> count = {})
{
    TContentTable table;
    table.SetFileCount(count.value_or(static_cast<int32_t>(entries.size())));
    std::string contents;
    for (size_t i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        table.SetEntry(
            static_cast<int>(i), e.name, e.size == -1 ? static_cast<int32_t>(e.bytes.size()) : e.size);
        contents += e.bytes;
    }
    std::string bytes(reinterpret_cast<const char*>(table.Bytes()), TContentTable::kHeaderSize);
    return bytes + contents;
}

bool Exists(const std::string& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

// Unpacks the package bytes into a fresh private folder inside dir (named in folder
// also when unpacking raises).
std::string Unpack(
    const test::TempDir& dir, const std::string& package, TContentTable& table, std::string* made = nullptr)
{
    dir.Write("Data.bin", package);
    std::string folder = TPrivateFolder::Create(dir.Path());
    if (made)
        *made = folder;
    TContentPackage content(dir.File("Data.bin"));
    content.ReadHeader(table);
    content.UnpackEntries(table, folder);
    return folder;
}

std::string ReadFile(const std::string& path)
{
    std::string out;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
            out.append(buffer, n);
        std::fclose(f);
    }
    return out;
}

} // namespace

TEST(TContentNames, FileNamePartsAndAnsiNames)
{
    EXPECT_EQ(TContentNames::FileNamePart("C:\\Games\\Space\\one.swf"), "one.swf");
    EXPECT_EQ(TContentNames::FileNamePart("D:two.swf"), "two.swf");
    EXPECT_EQ(TContentNames::FileNamePart("dir/sub/three.swf"), "three.swf");
    EXPECT_EQ(TContentNames::FileNamePart("plain.swf"), "plain.swf");
    EXPECT_EQ(TContentNames::FileNamePart("a\\b:c"), "c");

    // Names that cannot name a file in the folder are skipped.
    for (const std::string& bad :
        std::vector<std::string> { "", "C:\\", "dir/", ".", "..", "x/..", "../..", std::string("a\0b", 3) })
        EXPECT_FALSE(TContentNames::TargetName(bad)) << bad;
    EXPECT_EQ(TContentNames::TargetName("../x"), "x");
    EXPECT_EQ(TContentNames::TargetName("/etc/x"), "x");
    EXPECT_EQ(TContentNames::TargetName("..."), "...");

    // Windows-1252 bytes become UTF-8 and back; C1 holes keep their code points.
    EXPECT_EQ(TContentNames::Windows1252ToUtf8("\x80 caf\xE9 \x9F\x81"), "\u20AC caf\u00E9 \u0178\u0081");
    EXPECT_EQ(TContentNames::Utf8ToWindows1252("\u20AC caf\u00E9 \u0178"), "\x80 caf\xE9 \x9F");
    EXPECT_FALSE(TContentNames::Utf8ToWindows1252("\u0100.swf"));
    EXPECT_FALSE(TContentNames::Utf8ToWindows1252("\xC3(.swf"));

    EXPECT_EQ(TContentNames::DropLastCharacters("caf\u00E9s.swf", 4), "caf\u00E9s");
    EXPECT_EQ(TContentNames::DropLastCharacters("\u00E9\u00E9\u00E9\u00E9\u00E9", 4), "\u00E9");
    EXPECT_EQ(TContentNames::DropLastCharacters(".swf", 4), "");
    EXPECT_EQ(TContentNames::DropLastCharacters("ab", 4), "");
}

TEST(TContentPackage, UnpacksEveryEntryInsideTheFolderOnly)
{
    test::TempDir dir;
    TContentTable table;
    std::string folder = Unpack(dir,
        Package({ { "C:\\Games\\one.swf", "first" }, { "settings1.ini", "[Links]\nnr=0\n" }, { "..", "dots" },
            { "", "empty" }, { "../x", "up" }, { "/etc/x", "root" }, { "a\\b:c", "drive" },
            { "games/one.swf", "second" }, { "\xE9t\xE9.swf", "accent" }, { "zero.swf", "" } }),
        table);
    EXPECT_EQ(table.FileCount(), 10);
    EXPECT_EQ(ReadFile(folder + "one.swf"), "second") << "the later entry with the same target wins";
    EXPECT_EQ(ReadFile(folder + "settings1.ini"), "[Links]\nnr=0\n");
    EXPECT_EQ(ReadFile(folder + "x"), "root");
    EXPECT_EQ(ReadFile(folder + "c"), "drive");
    EXPECT_EQ(ReadFile(folder + "\u00E9t\u00E9.swf"), "accent");
    EXPECT_TRUE(Exists(folder + "zero.swf"));
    EXPECT_EQ(ReadFile(folder + "zero.swf"), "");
    EXPECT_FALSE(Exists(dir.File("x")));
    EXPECT_FALSE(Exists(dir.File("dots")));

    struct stat st;
    ASSERT_EQ(::stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(TContentPackage::TargetNames(table),
        (std::vector<std::string> { "one.swf", "settings1.ini", "x", "c", "\u00E9t\u00E9.swf", "zero.swf" }));

    TContentPackage::RemoveEntries(table, folder);
    for (const char* name : { "one.swf", "settings1.ini", "x", "c", "zero.swf" })
        EXPECT_FALSE(Exists(folder + name)) << name;
    TPrivateFolder::Remove(folder);
    EXPECT_FALSE(Exists(folder));
    EXPECT_TRUE(Exists(dir.File("Data.bin"))) << "nothing outside the folder is touched";
}

TEST(TContentPackage, NeverFollowsALinkPlantedInTheFolder)
{
    test::TempDir dir;
    dir.Write("outside.txt", "keep me");
    dir.Write("Data.bin", Package({ { "game.swf", "movie" } }));
    std::string folder = TPrivateFolder::Create(dir.Path());
    ASSERT_EQ(::symlink(dir.File("outside.txt").c_str(), (folder + "game.swf").c_str()), 0);
    TContentTable table;
    TContentPackage content(dir.File("Data.bin"));
    content.ReadHeader(table);
    content.UnpackEntries(table, folder);
    EXPECT_EQ(dir.Read("outside.txt"), "keep me");
    struct stat st;
    ASSERT_EQ(::lstat((folder + "game.swf").c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(ReadFile(folder + "game.swf"), "movie");

    // Removing the folder removes a link inside it, not what it points to.
    ASSERT_EQ(::symlink(dir.File("outside.txt").c_str(), (folder + "link").c_str()), 0);
    TPrivateFolder::Remove(folder);
    EXPECT_FALSE(Exists(folder));
    EXPECT_EQ(dir.Read("outside.txt"), "keep me");
}

TEST(TContentPackage, ReadErrorsStopWhereTheyHappen)
{
    test::TempDir dir;
    TContentTable table;
    // Contents ending inside the second entry: the first stays, the third is not written.
    std::string package = Package({ { "a.swf", "aaaa" }, { "b.swf", "bbbb" }, { "c.swf", "cccc" } });
    std::string folder;
    EXPECT_THROW(Unpack(dir, package.substr(0, TContentTable::kHeaderSize + 6), table, &folder), EReadError);
    EXPECT_EQ(ReadFile(folder + "a.swf"), "aaaa");
    EXPECT_EQ(ReadFile(folder + "b.swf"), "bb");
    EXPECT_FALSE(Exists(folder + "c.swf"));

    // A negative size is a read error at its entry.
    TContentTable negative;
    try {
        Unpack(dir, Package({ { "a.swf", "aaaa" }, { "b.swf", "", -5 }, { "c.swf", "cccc" } }), negative,
            &folder);
        ADD_FAILURE() << "no error";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Stream read error");
    }
    EXPECT_TRUE(Exists(folder + "a.swf"));
    EXPECT_FALSE(Exists(folder + "b.swf"));
    EXPECT_FALSE(Exists(folder + "c.swf"));

    // A header cut short raises and keeps the bytes that arrived.
    TContentTable short_table;
    dir.Write("Data.bin", Package({ { "a.swf", "aaaa" } }).substr(0, 100));
    TContentPackage cut(dir.File("Data.bin"));
    EXPECT_THROW(cut.ReadHeader(short_table), EReadError);
    EXPECT_EQ(short_table.FileCount(), 1);

    // A missing package: the open error with the name and the reason.
    try {
        TContentPackage missing(dir.File("none.bin"));
        ADD_FAILURE() << "no error";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(
            e.Message(), "Cannot open file \"" + dir.File("none.bin") + "\". No such file or directory");
    }
}

TEST(TContentPackage, APackageThatIsNoFileIsRefusedBeforeItIsRead)
{
    test::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("pipe.bin").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", dir.File("zero.bin").c_str()), 0);
    ::mkdir(dir.File("folder.bin").c_str(), 0700);
    // A pipe without a writer would block the open; a device would never end.
    for (const char* name : { "pipe.bin", "zero.bin", "folder.bin" }) {
        try {
            TContentPackage package(dir.File(name));
            ADD_FAILURE() << name << ": no error";
        } catch (const EFOpenError& e) {
            EXPECT_EQ(e.Message(), "Cannot open file \"" + dir.File(name) + "\". It is not a regular file.");
        }
    }
}

// A device that fills up: the file cut short goes, the ones before stay, and the
// message names the target, the room the rest of the package needs and the room free.
// The device is a small tmpfs in a mount namespace of a child process's own.
TEST(TContentPackage, AFullDeviceLeavesNoHalfFileAndSaysTheRoomNeeded)
{
    test::TempDir dir;
    dir.Write("Data.bin",
        Package({ { "small.swf", std::string(20000, 's') }, { "large.swf", std::string(300000, 'l') },
            { "after.swf", std::string(1000, 'a') } }));
    ::mkdir(dir.File("device").c_str(), 0700);
    int report[2];
    ASSERT_EQ(::pipe(report), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(report[0]);
        std::string out;
        TContentPackage package(dir.File("Data.bin"));
        TContentTable table;
        package.ReadHeader(table);
        const std::string device = dir.File("device");
        if ((::unshare(CLONE_NEWNS) != 0 && ::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
            || ::mount("tmpfs", device.c_str(), "tmpfs", 0, "size=128k") != 0) {
            out = std::string("no mount namespace: ") + std::strerror(errno);
        } else {
            try {
                package.UnpackEntries(table, device + "/");
                out = "no error";
            } catch (const EFCreateError& e) {
                out = e.Message();
            }
            for (const char* name : { "small.swf", "large.swf", "after.swf" })
                out += std::string("\n") + name + (Exists(device + "/" + name) ? " stays" : " gone");
        }
        (void)!::write(report[1], out.data(), out.size());
        ::_exit(0);
    }
    ::close(report[1]);
    std::string said;
    char buffer[512];
    for (ssize_t n; (n = ::read(report[0], buffer, sizeof buffer)) > 0;)
        said.append(buffer, static_cast<size_t>(n));
    ::close(report[0]);
    ::waitpid(child, nullptr, 0);
    const std::string target = dir.File("device") + "/large.swf";
    const std::string head = "Cannot create file \"" + target
        + "\". No space left on device; the package's files need 301000 bytes from here on, ";
    ASSERT_EQ(said.substr(0, head.size()), head) << said;
    const long free_bytes = std::strtol(said.c_str() + head.size(), nullptr, 10);
    EXPECT_LT(free_bytes, 128 * 1024) << said;
    EXPECT_EQ(said.substr(said.find(" are free"), 9), " are free") << said;
    EXPECT_NE(said.find("small.swf stays\nlarge.swf gone\nafter.swf gone"), std::string::npos) << said;
}

TEST(TContentPackage, EntryCountsOutsideTheTable)
{
    test::TempDir dir;
    std::vector<Entry> entries;
    for (int i = 0; i < 100; ++i)
        entries.push_back({ "m" + std::to_string(i) + ".swf", std::to_string(i) });
    TContentTable table;
    std::string folder = Unpack(dir, Package(entries, 150), table);
    EXPECT_EQ(table.FileCount(), 150);
    EXPECT_EQ(table.Entries(), 100);
    EXPECT_EQ(ReadFile(folder + "m99.swf"), "99");

    TContentTable none;
    std::string empty = Unpack(dir, Package({ { "a.swf", "aaaa" } }, -3), none);
    EXPECT_EQ(none.Entries(), 0);
    EXPECT_FALSE(Exists(empty + "a.swf"));
    EXPECT_TRUE(TContentPackage::TargetNames(none).empty());
}

TEST(TContentCleanup, AnEndingOrFatalSignalRemovesTheContentAndEndsByItsSignal)
{
    for (int signal : { SIGTERM, SIGINT, SIGHUP, SIGSEGV, SIGABRT }) {
        test::TempDir dir;
        TContentTable table;
        std::string folder = Unpack(dir, Package({ { "a.swf", "aaaa" }, { "settings1.ini", "x" } }), table);
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            TContentCleanup::Arm(folder, TContentPackage::TargetNames(table));
            if (signal == SIGSEGV) {
                // A real fault, not a sent signal: a write to a page that allows none.
                void* page = ::mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
                *static_cast<volatile int*>(page) = 1;
            }
            ::raise(signal);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status)) << signal;
        EXPECT_EQ(WTERMSIG(status), signal);
        EXPECT_FALSE(Exists(folder + "a.swf")) << signal;
        EXPECT_FALSE(Exists(folder)) << signal;
    }
}

TEST(TContentCleanup, StraySignalsAreIgnored)
{
    test::TempDir dir;
    TContentTable table;
    std::string folder = Unpack(dir, Package({ { "a.swf", "aaaa" } }), table);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        TContentCleanup::Arm(folder, TContentPackage::TargetNames(table));
        for (int signal : { SIGUSR1, SIGUSR2, SIGPIPE })
            ::raise(signal);
        // A program started from here is not made to ignore them (WebKit's web
        // processes take SIGUSR1 for their own).
        int shell = std::system("kill -USR1 $$; exit 3");
        ::_exit(WIFSIGNALED(shell) && WTERMSIG(shell) == SIGUSR1 ? 7 : 8);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 7);
    EXPECT_TRUE(Exists(folder + "a.swf"));
}

TEST(TPrivateFolder, OnlyFoldersOfGoneRunsAreRemoved)
{
    test::TempDir temp;
    std::string mine = TPrivateFolder::Create(temp.Path());
    // A run whose process has ended: a child that made its folder and left.
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        TPrivateFolder::Create(temp.Path());
        ::_exit(0);
    }
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    // A folder whose process id lives on in another process (its start time differs).
    std::string reused = TPrivateFolder::Create(temp.Path());
    {
        FILE* f = std::fopen((reused + TPrivateFolder::kMarker).c_str(), "w");
        std::fprintf(f, "tessel-run %d 1\n", ::getpid());
        std::fclose(f);
    }
    // Look-alikes that are not ours: no marker, a foreign marker, a link, a file.
    ::mkdir(temp.File("tessel-nomark").c_str(), 0700);
    ::mkdir(temp.File("tessel-foreig").c_str(), 0700);
    temp.Write("tessel-foreig/.tessel-run", "something else");
    test::TempDir outside;
    ::mkdir(outside.File("tessel-victim").c_str(), 0700);
    outside.Write("tessel-victim/.tessel-run", "tessel-run 999999999 5\n");
    ASSERT_EQ(::symlink(outside.File("tessel-victim").c_str(), temp.File("tessel-linked").c_str()), 0);
    temp.Write("tessel-afile", "x");
    temp.Write("unrelated.txt", "x");

    EXPECT_EQ(TPrivateFolder::RemoveStale(temp.Path()), 2);
    EXPECT_TRUE(Exists(mine + TPrivateFolder::kMarker)) << "the running one stays";
    EXPECT_FALSE(Exists(reused));
    for (const char* kept :
        { "tessel-nomark", "tessel-foreig", "tessel-linked", "tessel-afile", "unrelated.txt" })
        EXPECT_TRUE(Exists(temp.File(kept))) << kept;
    EXPECT_TRUE(Exists(outside.File("tessel-victim/.tessel-run")));
    EXPECT_EQ(ReadFile(mine + TPrivateFolder::kMarker), TPrivateFolder::MarkerText(::getpid()));
}

TEST(TContentPackage, NamesAsPackagesFromWindowsCarryThem)
{
    test::TempDir dir;
    // 255 letters of Windows-1252 (two bytes each in UTF-8): past the file system's
    // 255 bytes. Two such names must not meet; the same name twice is one file.
    std::string long_a = std::string(251, '\xE9') + ".swf", long_b = std::string(250, '\xE9') + "x.swf";
    TContentTable table;
    std::string folder = Unpack(dir,
        Package({ { long_a, "A" }, { "GAME.SWF", "G" }, { long_b, "B" }, { long_a, "A2" },
            { ".tessel-run", "no" }, { "after.txt", "after" } }),
        table);
    std::vector<std::optional<std::string>> targets = TContentPackage::EntryTargets(table);
    ASSERT_EQ(targets.size(), 6u);
    for (int i : { 0, 2 }) {
        ASSERT_TRUE(targets[i]);
        EXPECT_LE(targets[i]->size(), 255u);
        EXPECT_EQ(targets[i]->substr(targets[i]->size() - 4), ".swf");
    }
    EXPECT_NE(targets[0], targets[2]);
    EXPECT_EQ(targets[0], targets[3]);
    EXPECT_EQ(targets[1], "GAME.SWF");
    EXPECT_EQ(targets[4], std::nullopt) << "the marker's name is not for entries";
    EXPECT_EQ(ReadFile(folder + *targets[0]), "A2");
    EXPECT_EQ(ReadFile(folder + *targets[2]), "B");
    EXPECT_EQ(ReadFile(folder + "after.txt"), "after") << "unpacking goes on after a long name";
    EXPECT_NE(ReadFile(folder + TPrivateFolder::kMarker), "no");
}
