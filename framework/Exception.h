#pragma once

#include <stdexcept>
#include <string>

namespace tessel {

// The framework's exception family. Each class carries its message text as the
// framework states it; callers catch by the class when they need to tell errors apart.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message)
        : std::runtime_error(message)
    { }
    std::string Message() const { return what(); }
};

class EStreamError : public Exception {
    using Exception::Exception;
};

// A stream could not deliver the bytes asked for: "Stream read error".
class EReadError : public EStreamError {
public:
    EReadError()
        : EStreamError("Stream read error")
    { }
};

class EWriteError : public EStreamError {
public:
    EWriteError()
        : EStreamError("Stream write error")
    { }
};

// "Cannot open file "%s". %s" with the file name and the system's reason.
class EFOpenError : public EStreamError {
public:
    EFOpenError(const std::string& file_name, const std::string& reason)
        : EStreamError("Cannot open file \"" + file_name + "\". " + reason)
    { }
};

// "Cannot create file "%s". %s" with the file name and the system's reason.
class EFCreateError : public EStreamError {
public:
    EFCreateError(const std::string& file_name, const std::string& reason)
        : EStreamError("Cannot create file \"" + file_name + "\". " + reason)
    { }
};

class EConvertError : public Exception {
    using Exception::Exception;
};

// The conversion error of a text that is no integer: "'%s' is not a valid integer value".
inline EConvertError InvalidInteger(const std::string& text)
{
    return EConvertError("'" + text + "' is not a valid integer value");
}

// A byte sequence that is no bitmap the reader understands.
class EInvalidGraphic : public Exception {
public:
    explicit EInvalidGraphic(const std::string& detail = {})
        : Exception(detail.empty() ? "Bitmap image is not valid" : "Bitmap image is not valid: " + detail)
    { }
};

// A zlib stream that cannot be inflated (corrupt, truncated or too large).
class EZDecompressionError : public Exception {
public:
    explicit EZDecompressionError(const std::string& detail = {})
        : Exception(detail.empty() ? "Decompression error" : "Decompression error: " + detail)
    { }
};

class EZCompressionError : public Exception {
public:
    explicit EZCompressionError(const std::string& detail = {})
        : Exception(detail.empty() ? "Compression error" : "Compression error: " + detail)
    { }
};

// An object that is not of the class a caller needs: "Invalid class typecast".
class EInvalidCast : public Exception {
public:
    EInvalidCast()
        : Exception("Invalid class typecast")
    { }
};

// A list index outside the list.
class EListError : public Exception {
    using Exception::Exception;
};

} // namespace tessel
