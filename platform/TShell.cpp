#include "tessel/platform/TShell.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tessel {

bool TShell::Open(const std::string& address, const std::string& opener)
{
    // A pipe closed on exec tells whether the opener was started: it carries the
    // errno of a failed exec, and nothing when the exec succeeded.
    int status_pipe[2];
    if (pipe2(status_pipe, O_CLOEXEC) != 0)
        return false;
    pid_t child = fork();
    if (child < 0) {
        close(status_pipe[0]);
        close(status_pipe[1]);
        return false;
    }
    if (child == 0) {
        // The intermediate child exits at once, so the opener is adopted by init and
        // no zombie is left behind.
        close(status_pipe[0]);
        setsid();
        if (fork() == 0) {
            char* argv[] = { const_cast<char*>(opener.c_str()), const_cast<char*>(address.c_str()), nullptr };
            execvp(argv[0], argv);
            int error = errno;
            (void)!write(status_pipe[1], &error, sizeof error);
            _exit(127);
        }
        _exit(0);
    }
    close(status_pipe[1]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) { }
    int error = 0;
    ssize_t n;
    while ((n = read(status_pipe[0], &error, sizeof error)) < 0 && errno == EINTR) { }
    close(status_pipe[0]);
    return n == 0;
}

std::string TShell::TempPath()
{
    const char* dir = std::getenv("TMPDIR");
    std::string path = dir && *dir ? dir : "/tmp";
    if (path.back() != '/')
        path += '/';
    return path;
}

std::string TShell::ProgramPath()
{
    char buffer[4096];
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

namespace {

// $variable, else $HOME/fallback, as a folder path with the program's name.
std::string UserFolder(const char* variable, const char* fallback, const std::string& program)
{
    const char* base = std::getenv(variable);
    std::string path;
    // XDG says a relative path is to be ignored.
    if (base && base[0] == '/')
        path = base;
    else {
        const char* home = std::getenv("HOME");
        path = std::string(home && *home ? home : "/tmp") + "/" + fallback;
    }
    if (path.back() != '/')
        path += '/';
    return path + program + "/";
}

} // namespace

bool TShell::MakeFolders(const std::string& path)
{
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        std::string part = path.substr(0, slash);
        if (!part.empty() && ::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            break;
    }
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string TShell::UserDataFolder(const std::string& program)
{
    return UserFolder("XDG_DATA_HOME", ".local/share", program);
}

std::string TShell::UserCacheFolder(const std::string& program)
{
    return UserFolder("XDG_CACHE_HOME", ".cache", program);
}

std::string TShell::UserStateFolder(const std::string& program)
{
    return UserFolder("XDG_STATE_HOME", ".local/state", program);
}

} // namespace tessel
