#include "tools/tessel-pack/TPackTool.h"

#include "app/content/TCollectionSettings.h"
#include "app/content/TContentNames.h"
#include "app/content/TContentPackage.h"
#include "tessel/framework/Exception.h"
#include "tools/tessel-pack/TAtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace tessel {

namespace {

std::string BaseName(const std::string& path)
{
    size_t cut = path.find_last_of('/');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

} // namespace

std::string TPackTool::Printable(std::string_view text)
{
    static const char* hex = "0123456789abcdef";
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<unsigned char>(text[i]);
        // C0 controls, DEL, and the C1 controls (U+0080 .. U+009F as C2 80 .. C2 9F).
        bool c1 = c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80
            && static_cast<unsigned char>(text[i + 1]) <= 0x9F;
        if (c < 0x20 || c == 0x7F || c1) {
            unsigned char shown = c1 ? static_cast<unsigned char>(text[++i]) : c;
            out += std::string("\\x") + hex[shown >> 4] + hex[shown & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

int TPackTool::Create(const std::string& output, const std::vector<std::string>& files, std::ostream& err)
{
    if (files.size() > static_cast<size_t>(TContentTable::kSlots)) {
        err << "tessel-pack: " << files.size() << " files given; a package holds at most "
            << TContentTable::kSlots << "\n";
        return 1;
    }
    TContentTable table;
    table.SetFileCount(static_cast<int32_t>(files.size()));
    std::map<std::string, std::string> targets;
    for (size_t i = 0; i < files.size(); ++i) {
        const std::string& file = files[i];
        struct stat st;
        if (::stat(file.c_str(), &st) != 0) {
            err << "tessel-pack: " << Printable(file) << ": " << std::strerror(errno) << "\n";
            return 1;
        }
        if (!S_ISREG(st.st_mode)) {
            err << "tessel-pack: " << Printable(file) << ": not a regular file\n";
            return 1;
        }
        struct stat target;
        if (::stat(output.c_str(), &target) == 0 && target.st_dev == st.st_dev
            && target.st_ino == st.st_ino) {
            err << "tessel-pack: " << Printable(file) << " is also the output; nothing was written\n";
            return 1;
        }
        if (st.st_size > kMaxFileSize) {
            err << "tessel-pack: " << Printable(file) << ": " << st.st_size
                << " bytes; an entry holds at most 2 GiB - 1 (2147483647 bytes)\n";
            return 1;
        }
        std::string name = BaseName(file);
        std::optional<std::string> ansi = TContentNames::Utf8ToWindows1252(name);
        if (!ansi) {
            err << "tessel-pack: " << Printable(file) << ": the name \"" << Printable(name)
                << "\" cannot be written in Windows-1252\n";
            return 1;
        }
        if (ansi->size() > TContentTable::kNameSlot - 1) {
            err << "tessel-pack: " << Printable(file) << ": the name is " << ansi->size()
                << " bytes in Windows-1252; at most 255 fit\n";
            return 1;
        }
        // Two entries of one name unpack to one file: the second would stand for both.
        if (std::optional<std::string> target = TContentNames::TargetName(*ansi)) {
            auto [it, added] = targets.emplace(*target, file);
            if (!added) {
                err << "tessel-pack: " << Printable(it->second) << " and " << Printable(file)
                    << " have the same name \"" << Printable(*target) << "\"; nothing was written\n";
                return 1;
            }
        }
        table.SetEntry(static_cast<int>(i), *ansi, static_cast<int32_t>(st.st_size));
    }
    TAtomicFile file(output);
    if (!file.Good()) {
        err << "tessel-pack: cannot create " << Printable(output) << ": " << std::strerror(errno) << "\n";
        return 1;
    }
    std::ostream& out = file.Out();
    out.write(reinterpret_cast<const char*>(table.Bytes()), TContentTable::kHeaderSize);
    for (size_t i = 0; i < files.size(); ++i) {
        std::ifstream in(files[i], std::ios::binary);
        int64_t expected = table.FileSize(static_cast<int>(i)), copied = 0;
        char buffer[65536];
        while (in && copied < expected) {
            in.read(
                buffer, static_cast<std::streamsize>(std::min<int64_t>(sizeof buffer, expected - copied)));
            out.write(buffer, in.gcount());
            copied += in.gcount();
        }
        if (copied != expected) {
            err << "tessel-pack: " << Printable(files[i]) << " changed while it was packed\n";
            return 1;
        }
    }
    out.flush();
    if (!out || !file.Commit()) {
        err << "tessel-pack: writing " << Printable(output) << " failed; it is as it was\n";
        return 1;
    }
    return 0;
}

int TPackTool::CreateFromFolder(const std::string& output, const std::string& folder, std::ostream& err)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (it->is_directory()) {
            err << "tessel-pack: " << Printable(it->path().string())
                << " is a folder; a package holds the files of one folder; nothing was written\n";
            return 1;
        }
        names.push_back(it->path().filename().string());
    }
    if (error) {
        err << "tessel-pack: " << Printable(folder) << ": " << error.message() << "\n";
        return 1;
    }
    std::sort(names.begin(), names.end());
    if (names.size() > static_cast<size_t>(TContentTable::kSlots)) {
        err << "tessel-pack: " << Printable(folder) << " holds " << names.size()
            << " files; a package holds at most " << TContentTable::kSlots << "; nothing was written\n";
        return 1;
    }
    const fs::path settings = fs::path(folder) / TCollectionSettings::kFileName;
    bool refused = false;
    if (std::find(names.begin(), names.end(), TCollectionSettings::kFileName) == names.end()) {
        err << "tessel-pack: warning: " << Printable(folder) << " has no " << TCollectionSettings::kFileName
            << "; the player opens the collection with its defaults and no Links\n";
    } else {
        for (const TCollectionSettings::TProblem& problem :
            TCollectionSettings::Check(settings.string(), names)) {
            err << "tessel-pack: " << (problem.fatal ? "" : "warning: ") << Printable(settings.string())
                << ": " << Printable(problem.message) << "\n";
            refused = refused || problem.fatal;
        }
    }
    if (refused) {
        err << "tessel-pack: nothing was written\n";
        return 1;
    }
    std::vector<std::string> files;
    for (const std::string& name : names)
        files.push_back((fs::path(folder) / name).string());
    return Create(output, files, err);
}

int TPackTool::List(const std::string& package, std::ostream& out, std::ostream& err)
{
    struct stat st;
    if (::stat(package.c_str(), &st) != 0) {
        err << "tessel-pack: " << Printable(package) << ": " << std::strerror(errno) << "\n";
        return 1;
    }
    if (S_ISDIR(st.st_mode)) {
        err << "tessel-pack: " << Printable(package) << " is a folder, not a package\n";
        return 1;
    }
    TContentTable table;
    try {
        TContentPackage(package).ReadHeader(table);
    } catch (const EReadError& e) {
        err << "tessel-pack: " << Printable(package) << ": " << st.st_size << " bytes, shorter than the "
            << TContentTable::kHeaderSize << "-byte header (" << e.Message() << ")\n";
        return 1;
    } catch (const Exception& e) {
        err << "tessel-pack: " << Printable(e.Message()) << "\n";
        return 1;
    }
    out << "entries: " << table.FileCount();
    if (table.FileCount() > TContentTable::kSlots)
        out << " (only the first " << TContentTable::kSlots << " are read)";
    out << "\n";
    int64_t offset = static_cast<int64_t>(TContentTable::kHeaderSize);
    bool negative = false;
    for (int i = 0; i < table.Entries(); ++i) {
        int32_t size = table.FileSize(i);
        std::optional<std::string> target = TContentNames::TargetName(table.StoredName(i));
        std::string stored = TContentNames::Windows1252ToUtf8(table.StoredName(i));
        out << i << "\t" << size << "\t" << offset << "\t" << Printable(stored);
        if (!target)
            out << "\t(skipped: no usable file name)";
        else if (*target != stored)
            out << "\t-> " << Printable(*target);
        if (size < 0) {
            out << "\t(negative size: unpacking stops here)";
            negative = true;
        }
        out << "\n";
        offset += std::max(0, size);
    }
    int64_t actual = st.st_size;
    if (actual < offset) {
        out << "the file is " << (offset - actual) << " bytes shorter than its header promises (" << offset
            << ")\n";
        return 1;
    }
    if (actual > offset)
        out << "the file is " << (actual - offset) << " bytes longer than its header promises (" << offset
            << ")\n";
    return negative ? 1 : 0;
}

int TPackTool::Extract(
    const std::string& package, const std::string& folder, std::ostream& out, std::ostream& err)
{
    std::string dir = folder.empty() ? "./" : folder;
    if (dir.back() != '/')
        dir += '/';
    TContentTable table;
    try {
        // The package is opened and its header read before the folder is made: a
        // missing or unreadable package leaves nothing behind.
        TContentPackage content(package);
        content.ReadHeader(table);
        // A package shorter than its header promises would leave a file cut short:
        // it is refused as list reports it, before anything is made.
        const int64_t promised = TContentPackage::EntryOffset(table, table.Entries());
        struct stat st;
        if (::stat(package.c_str(), &st) == 0 && st.st_size < promised) {
            err << "tessel-pack: " << Printable(package) << ": the file is " << (promised - st.st_size)
                << " bytes shorter than its header promises (" << promised << "); nothing was extracted\n";
            return 1;
        }
        ::mkdir(dir.c_str(), 0755);
        content.UnpackEntries(table, dir);
    } catch (const Exception& e) {
        err << "tessel-pack: " << Printable(e.Message()) << "\n";
        return 1;
    }
    for (const std::string& name : TContentPackage::TargetNames(table))
        out << Printable(dir + name) << "\n";
    return 0;
}

} // namespace tessel
