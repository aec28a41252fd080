#pragma once

#include "tessel/framework/TStream.h"

namespace tessel {

// fmCreateNew makes the file anew: whatever has the name (a file, or a link planted
// there) is removed first and the file is created exclusively, so no link is ever
// followed.
enum class TFileMode { fmOpenRead, fmOpenReadWrite, fmCreate, fmCreateNew };

// A stream over a file. Opening raises EFOpenError, creating EFCreateError,
// each with the system's reason.
class TFileStream : public TStream {
public:
    TFileStream(const std::string& file_name, TFileMode mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;

    const std::string& FileName() const { return m_file_name; }

private:
    std::string m_file_name;
    int m_fd = -1;
};

} // namespace tessel
