#include "tools/tessel-pack/TAtomicFile.h"

#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tessel {

namespace {

std::string BaseName(const std::string& path)
{
    size_t cut = path.find_last_of('/');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string FolderOf(const std::string& path)
{
    size_t cut = path.find_last_of('/');
    return cut == std::string::npos ? std::string(".") : path.substr(0, cut + 1);
}

} // namespace

TAtomicFile::TAtomicFile(const std::string& path)
    : m_path(path)
{
    std::string pattern = FolderOf(path) + "/." + BaseName(path) + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0)
        return;
    ::close(fd);
    m_temp = name.data();
    m_out.open(m_temp, std::ios::binary | std::ios::trunc);
}

TAtomicFile::~TAtomicFile()
{
    if (!m_temp.empty())
        ::unlink(m_temp.c_str());
}

bool TAtomicFile::Commit()
{
    if (m_out.is_open())
        m_out.close();
    if (!m_out || ::chmod(m_temp.c_str(), 0644) != 0 || ::rename(m_temp.c_str(), m_path.c_str()) != 0)
        return false;
    m_temp.clear();
    return true;
}

} // namespace tessel
