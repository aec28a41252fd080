#include "tools/tessel-pack/TChildProcess.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tessel {

namespace {

// The exit code a child gives when exec fails, as shells do for a missing program.
constexpr int kExecFailed = 127;

void ClosePair(int pair[2])
{
    ::close(pair[0]);
    ::close(pair[1]);
}

} // namespace

TChildProcess::TResult TChildProcess::Run(const std::vector<std::string>& argv, const std::string& folder)
{
    TResult result;
    if (argv.empty())
        return result;
    // The third pipe closes unread when exec succeeds; a child that could not run the
    // program writes its errno there.
    int out[2], err[2], exec_error[2];
    if (::pipe2(out, O_CLOEXEC) != 0)
        return result;
    if (::pipe2(err, O_CLOEXEC) != 0) {
        ClosePair(out);
        return result;
    }
    if (::pipe2(exec_error, O_CLOEXEC) != 0) {
        ClosePair(out);
        ClosePair(err);
        return result;
    }
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t child = ::fork();
    if (child == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(err[1], STDERR_FILENO);
        if (folder.empty() || ::chdir(folder.c_str()) == 0)
            ::execvp(args[0], args.data());
        const int error = errno;
        [[maybe_unused]] ssize_t told = ::write(exec_error[1], &error, sizeof error);
        ::_exit(kExecFailed);
    }
    ::close(out[1]);
    ::close(err[1]);
    ::close(exec_error[1]);
    if (child < 0) {
        ::close(out[0]);
        ::close(err[0]);
        ::close(exec_error[0]);
        return result;
    }
    // Both pipes are read as they fill, so a child writing much to one never blocks.
    pollfd fds[2] = { { out[0], POLLIN, 0 }, { err[0], POLLIN, 0 } };
    std::string* sinks[2] = { &result.out, &result.err };
    int open_pipes = 2;
    while (open_pipes > 0) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            char buffer[4096];
            ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<size_t>(n));
            } else if (n == 0 || errno != EINTR) {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open_pipes;
            }
        }
    }
    for (pollfd& p : fds)
        if (p.fd >= 0)
            ::close(p.fd);
    int error = 0;
    const bool started = ::read(exec_error[0], &error, sizeof error) == 0;
    ::close(exec_error[0]);
    int wait_status = 0;
    while (::waitpid(child, &wait_status, 0) < 0 && errno == EINTR) { }
    if (started && WIFEXITED(wait_status))
        result.status = WEXITSTATUS(wait_status);
    return result;
}

} // namespace tessel
