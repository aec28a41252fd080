#include "app/content/TPrivateFolder.h"

#include "tessel/framework/Exception.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tessel {

namespace {

// Empties the folder open as fd, depth first, and closes it.
void Empty(int fd)
{
    DIR* dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return;
    }
    std::vector<std::string> names;
    while (dirent* entry = ::readdir(dir))
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names.emplace_back(entry->d_name);
    for (const std::string& name : names) {
        if (::unlinkat(fd, name.c_str(), 0) == 0)
            continue;
        int sub = ::openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (sub >= 0) {
            Empty(sub);
            ::unlinkat(fd, name.c_str(), AT_REMOVEDIR);
        }
    }
    ::closedir(dir);
}

// The start time of a process in clock ticks since boot (field 22 of its stat
// line), or -1 when there is no such process.
long long StartTime(long pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(in, line))
        return -1;
    // The command name may hold spaces and ")": the fields follow the last ")".
    size_t close = line.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(line.substr(close + 1));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i)
        if (i == 22)
            return std::atoll(field.c_str());
    return -1;
}

// Whether the marker inside the folder names a run that no longer exists. A marker
// that is missing, not a regular file or not ours in form means "not ours".
bool IsStale(int folder)
{
    int fd = ::openat(folder, TPrivateFolder::kMarker, O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    char text[128] = {};
    bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::getuid();
    ssize_t n = regular ? ::read(fd, text, sizeof text - 1) : -1;
    ::close(fd);
    long pid = 0;
    long long start = 0;
    if (n <= 0 || std::sscanf(text, "tessel-run %ld %lld", &pid, &start) != 2 || pid <= 0)
        return false;
    return StartTime(pid) != start;
}

} // namespace

std::string TPrivateFolder::MarkerText(long pid)
{
    return "tessel-run " + std::to_string(pid) + " " + std::to_string(StartTime(pid)) + "\n";
}

int TPrivateFolder::RemoveStale(const std::string& temp_path, const std::string& prefix)
{
    std::string base = temp_path;
    if (base.empty() || base.back() != '/')
        base += '/';
    int temp = ::open(base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (temp < 0)
        return 0;
    DIR* dir = ::fdopendir(temp);
    if (!dir) {
        ::close(temp);
        return 0;
    }
    std::vector<std::string> stale;
    while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        int folder = ::openat(temp, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (folder < 0)
            continue;
        struct stat st;
        if (::fstat(folder, &st) == 0 && st.st_uid == ::getuid() && IsStale(folder))
            stale.push_back(base + name + "/");
        ::close(folder);
    }
    ::closedir(dir);
    for (const std::string& folder : stale)
        Remove(folder);
    return static_cast<int>(stale.size());
}

std::string TPrivateFolder::Create(const std::string& temp_path, const std::string& prefix)
{
    std::string base = temp_path;
    if (base.empty() || base.back() != '/')
        base += '/';
    std::string pattern = base + prefix + "XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    // mkdtemp makes the folder with mode 0700 under a name nobody else holds.
    if (!::mkdtemp(buffer.data()))
        throw EFCreateError(pattern, std::strerror(errno));
    std::string folder = std::string(buffer.data()) + "/";
    std::string marker = folder + kMarker;
    int fd = ::open(marker.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        int error = errno;
        ::rmdir(folder.c_str());
        throw EFCreateError(marker, std::strerror(error));
    }
    std::string text = MarkerText(::getpid());
    bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    if (!written) {
        Remove(folder);
        throw EFCreateError(marker, "the marker could not be written");
    }
    return folder;
}

void TPrivateFolder::Remove(const std::string& folder)
{
    if (folder.empty())
        return;
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return;
    Empty(fd);
    ::rmdir(folder.c_str());
}

} // namespace tessel
