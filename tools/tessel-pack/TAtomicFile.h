#pragma once

#include <fstream>
#include <string>

namespace tessel {

// An output written to a temporary file beside it, which takes the output's name only
// when complete: a failure never leaves a half-written or truncated file, and a file
// that was there before stays as it was.
class TAtomicFile {
public:
    explicit TAtomicFile(const std::string& path);
    ~TAtomicFile();
    TAtomicFile(const TAtomicFile&) = delete;
    TAtomicFile& operator=(const TAtomicFile&) = delete;

    std::ostream& Out() { return m_out; }
    // The temporary file, for a program that writes the output itself.
    const std::string& TempPath() const { return m_temp; }
    bool Good() const { return !m_temp.empty() && m_out.good(); }
    // Puts the finished file in the output's place (mode 0644); false when it cannot.
    bool Commit();

private:
    std::string m_path;
    std::string m_temp;
    std::ofstream m_out;
};

} // namespace tessel
