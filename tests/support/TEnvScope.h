#pragma once

#include <cstddef>
#include <cstdlib>
#include <optional>
#include <string>

namespace tessel::test {

// Sets (or unsets) an environment variable for as long as it lives, and puts back
// what was there (or its absence) when it goes.
class TEnvScope {
public:
    TEnvScope(const char* name, const std::string& value)
        : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        ::setenv(name, value.c_str(), 1);
    }
    // Unsets it for as long as it lives.
    TEnvScope(const char* name, std::nullptr_t)
        : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        ::unsetenv(name);
    }
    ~TEnvScope()
    {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }
    TEnvScope(const TEnvScope&) = delete;
    TEnvScope& operator=(const TEnvScope&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

} // namespace tessel::test
