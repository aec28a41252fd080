#include "tessel/framework/TFileStream.h"

#include "tessel/framework/Exception.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessel {

TFileStream::TFileStream(const std::string& file_name, TFileMode mode)
    : m_file_name(file_name)
{
    if (mode == TFileMode::fmCreateNew) {
        if (::unlink(file_name.c_str()) != 0 && errno != ENOENT)
            throw EFCreateError(file_name, std::strerror(errno));
        m_fd = ::open(file_name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (m_fd < 0)
            throw EFCreateError(file_name, std::strerror(errno));
        return;
    }
    if (mode == TFileMode::fmCreate) {
        m_fd = ::open(file_name.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (m_fd < 0)
            throw EFCreateError(file_name, std::strerror(errno));
        return;
    }
    int flags = (mode == TFileMode::fmOpenRead ? O_RDONLY : O_RDWR) | O_CLOEXEC;
    m_fd = ::open(file_name.c_str(), flags);
    if (m_fd >= 0) {
        struct stat st;
        if (::fstat(m_fd, &st) == 0 && S_ISDIR(st.st_mode)) {
            ::close(m_fd);
            m_fd = -1;
            errno = EISDIR;
        }
    }
    if (m_fd < 0)
        throw EFOpenError(file_name, std::strerror(errno));
}

TFileStream::~TFileStream()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

size_t TFileStream::Read(void* buffer, size_t count)
{
    size_t done = 0;
    auto* out = static_cast<uint8_t*>(buffer);
    while (done < count) {
        ssize_t n = ::read(m_fd, out + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    return done;
}

size_t TFileStream::Write(const void* buffer, size_t count)
{
    size_t done = 0;
    auto* in = static_cast<const uint8_t*>(buffer);
    while (done < count) {
        ssize_t n = ::write(m_fd, in + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    return done;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin)
{
    int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET
        : origin == TSeekOrigin::soCurrent          ? SEEK_CUR
                                                    : SEEK_END;
    off_t r = ::lseek(m_fd, static_cast<off_t>(offset), whence);
    return r < 0 ? -1 : static_cast<int64_t>(r);
}

} // namespace tessel
