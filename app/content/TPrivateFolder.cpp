#include "app/content/TPrivateFolder.h"

#include "framework/Exception.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
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

} // namespace

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
    return std::string(buffer.data()) + "/";
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
