#include "app/content/TContentPackage.h"

#include "app/content/TContentNames.h"
#include "tessel/framework/Exception.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <set>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace tessel {

namespace {

// A descriptor closed when it goes out of scope.
class TFd {
public:
    explicit TFd(int fd)
        : m_fd(fd)
    { }
    ~TFd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

int OpenFolder(const std::string& folder)
{
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        throw EFCreateError(folder, std::strerror(errno));
    return fd;
}

// The target made anew: whatever had the name (a file, or a link planted there) is
// removed first, and the new file is created exclusively, so no link is followed.
int CreateTarget(int folder, const std::string& name, const std::string& path)
{
    if (::unlinkat(folder, name.c_str(), 0) != 0 && errno != ENOENT)
        throw EFCreateError(path, std::strerror(errno));
    int fd = ::openat(folder, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        throw EFCreateError(path, std::strerror(errno));
    return fd;
}

// Writes every byte; false with errno set when the file system refuses one.
bool WriteAll(int fd, const uint8_t* data, size_t count)
{
    while (count > 0) {
        ssize_t n = ::write(fd, data, count);
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            errno = ENOSPC;
        if (n <= 0)
            return false;
        data += n;
        count -= static_cast<size_t>(n);
    }
    return true;
}

// Only a regular file is opened: a pipe would never end, a device never stop.
const std::string& RegularFile(const std::string& path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        throw EFOpenError(path, "It is not a regular file.");
    return path;
}

} // namespace

TContentPackage::TContentPackage(const std::string& path)
    : m_stream(RegularFile(path), TFileMode::fmOpenRead)
{ }

void TContentPackage::ReadHeader(TContentTable& table)
{
    table.Read(m_stream);
}

bool TContentPackage::CopyInto(int fd, int64_t size)
{
    uint8_t buffer[65536];
    while (size > 0) {
        size_t want = static_cast<size_t>(std::min<int64_t>(size, sizeof buffer));
        size_t got = m_stream.Read(buffer, want);
        if (fd >= 0 && !WriteAll(fd, buffer, got))
            return false;
        if (got != want)
            throw EReadError();
        size -= static_cast<int64_t>(got);
    }
    return true;
}

void TContentPackage::UnpackEntries(const TContentTable& table, const std::string& folder)
{
    TFd dir(OpenFolder(folder));
    std::vector<std::optional<std::string>> targets = EntryTargets(table);
    for (int i = 0; i < table.Entries(); ++i) {
        int64_t size = table.FileSize(i);
        if (size < 0)
            throw EReadError();
        const std::optional<std::string>& name = targets[static_cast<size_t>(i)];
        if (!name) {
            CopyInto(-1, size);
            continue;
        }
        TFd target(CreateTarget(dir.Get(), *name, folder + *name));
        if (!CopyInto(target.Get(), size))
            WriteFailed(table, targets, dir.Get(), i, folder, size);
    }
}

int64_t TContentPackage::EntryOffset(const TContentTable& table, int index)
{
    int64_t offset = TContentTable::kHeaderSize;
    for (int i = 0; i < index; ++i)
        offset += std::max(0, table.FileSize(i));
    return offset;
}

bool TContentPackage::UnpackEntryPart(
    const TContentTable& table, int index, const std::string& folder, int64_t& done, int64_t budget)
{
    const int64_t size = table.FileSize(index);
    if (size < 0)
        throw EReadError();
    std::vector<std::optional<std::string>> targets = EntryTargets(table);
    const std::optional<std::string>& name = targets[static_cast<size_t>(index)];
    if (!name)
        return true;
    TFd dir(OpenFolder(folder));
    const std::string path = folder + *name;
    // The first part makes the file anew; later ones go on with the file this made
    // (never through a link put in its place).
    TFd target(done == 0 ? CreateTarget(dir.Get(), *name, path)
                         : ::openat(dir.Get(), name->c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC));
    if (target.Get() < 0)
        throw EFCreateError(path, std::strerror(errno));
    m_stream.SetPosition(EntryOffset(table, index) + done);
    const int64_t part = std::min(budget, size - done);
    try {
        if (!CopyInto(target.Get(), part))
            WriteFailed(table, targets, dir.Get(), index, folder, size - done);
    } catch (const EReadError&) {
        ::unlinkat(dir.Get(), name->c_str(), 0);
        throw;
    }
    done += part;
    return done == size;
}

void TContentPackage::WriteFailed(const TContentTable& table,
    const std::vector<std::optional<std::string>>& targets, int dir, int index, const std::string& folder,
    int64_t left)
{
    // A file the device would not take whole is no file: it goes, and the message
    // says what the rest of the package needs.
    const int error = errno;
    const std::string& name = *targets[static_cast<size_t>(index)];
    ::unlinkat(dir, name.c_str(), 0);
    std::string reason = std::strerror(error);
    if (error == ENOSPC || error == EDQUOT) {
        int64_t needed = left;
        for (int j = index + 1; j < table.Entries(); ++j)
            if (targets[static_cast<size_t>(j)])
                needed += std::max(0, table.FileSize(j));
        struct statvfs room;
        const int64_t free_bytes = ::fstatvfs(dir, &room) == 0
            ? static_cast<int64_t>(room.f_bavail) * static_cast<int64_t>(room.f_frsize)
            : 0;
        reason += "; the package's files need " + std::to_string(needed) + " bytes from here on, "
            + std::to_string(free_bytes) + " are free";
    }
    throw EFCreateError(folder + name, reason);
}

std::vector<std::optional<std::string>> TContentPackage::EntryTargets(const TContentTable& table)
{
    std::vector<std::optional<std::string>> targets;
    std::set<std::string> taken;
    for (int i = 0; i < table.Entries(); ++i) {
        targets.push_back(TContentNames::TargetName(table.StoredName(i)));
        if (targets.back() && targets.back()->size() <= TContentNames::kMaxNameBytes)
            taken.insert(*targets.back());
    }
    std::map<std::string, std::string> fitted;
    for (std::optional<std::string>& target : targets) {
        if (!target || target->size() <= TContentNames::kMaxNameBytes)
            continue;
        auto [it, added] = fitted.emplace(*target, std::string());
        for (int serial = 1; added && it->second.empty(); ++serial)
            if (std::string name = TContentNames::FitName(*target, serial); taken.insert(name).second)
                it->second = name;
        target = it->second;
    }
    return targets;
}

std::vector<std::string> TContentPackage::TargetNames(const TContentTable& table)
{
    std::vector<std::string> names;
    for (const std::optional<std::string>& name : EntryTargets(table))
        if (name && std::find(names.begin(), names.end(), *name) == names.end())
            names.push_back(*name);
    return names;
}

void TContentPackage::RemoveEntries(const TContentTable& table, const std::string& folder)
{
    int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dir < 0)
        return;
    TFd closer(dir);
    for (const std::string& name : TargetNames(table))
        ::unlinkat(dir, name.c_str(), 0);
}

} // namespace tessel
