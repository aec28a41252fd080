#include "tessel/platform/gtk/TGtkSessionBus.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tessel {

namespace {

bool DesktopHasBus()
{
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (address && *address)
        return true;
    // Where the desktop's bus lies when no address is given.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat st;
    return runtime && *runtime && ::stat((std::string(runtime) + "/bus").c_str(), &st) == 0
        && S_ISSOCK(st.st_mode);
}

// The keeper of the bus, a child of the program: it starts the daemon (which writes
// its address to the program) and, once the program has ended, gives the web
// processes a moment to end too before it ends the daemon; they tell the bus as
// they go.
// A bus for the program's processes alone: it starts no service (the desktop's
// services belong to the desktop's bus; the accessibility bus a web process asks for
// is refused at once, where starting it would hold the program up).
constexpr const char* kConfig
    = R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

[[noreturn]] void Keep(pid_t parent, int address_out)
{
    sigset_t wanted;
    sigemptyset(&wanted);
    sigaddset(&wanted, SIGTERM);
    sigaddset(&wanted, SIGCHLD);
    ::sigprocmask(SIG_BLOCK, &wanted, nullptr);
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() != parent)
        ::_exit(0);
    // Nothing of the program's stays open here (its display connection above all:
    // the display would keep the program's windows while the keeper waits).
    if (address_out > 3)
        ::close_range(3, static_cast<unsigned>(address_out) - 1, 0);
    ::close_range(static_cast<unsigned>(address_out) + 1, ~0U, 0);
    int null = ::open("/dev/null", O_RDWR);
    // The configuration as a file of no folder.
    int config = ::memfd_create("tessel-bus.conf", 0);
    if (config >= 0)
        (void)!::write(config, kConfig, std::strlen(kConfig));
    const pid_t daemon = config >= 0 ? ::fork() : -1;
    if (daemon == 0) {
        ::sigprocmask(SIG_UNBLOCK, &wanted, nullptr);
        // The daemon ends with its keeper too.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        // Standard streams to /dev/null (a message written into the address pipe
        // once the program has stopped reading would end the daemon), 3 for the
        // address, 4 for the configuration; each moved out of the way first, so that
        // none lands on another.
        const int quiet = ::fcntl(null, F_DUPFD, 10), address = ::fcntl(address_out, F_DUPFD, 10),
                  settings = ::fcntl(config, F_DUPFD, 10);
        for (int stream : { 0, 1, 2 })
            ::dup2(quiet, stream);
        ::dup2(address, 3);
        ::dup2(settings, 4);
        ::close_range(5, ~0U, 0);
        char* argv[] = { const_cast<char*>("dbus-daemon"), const_cast<char*>("--config-file=/proc/self/fd/4"),
            const_cast<char*>("--nofork"), const_cast<char*>("--nosyslog"),
            const_cast<char*>("--print-address=3"), nullptr };
        ::execvp(argv[0], argv);
        ::_exit(127);
    }
    ::close(address_out);
    int signal = 0;
    if (daemon > 0 && ::sigwait(&wanted, &signal) == 0 && signal == SIGTERM) {
        ::sleep(2);
        ::kill(daemon, SIGTERM);
    }
    if (daemon > 0)
        ::waitpid(daemon, nullptr, 0);
    ::_exit(0);
}

} // namespace

void TGtkSessionBus::Provide()
{
    if (DesktopHasBus())
        return;
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0)
        return;
    const pid_t parent = ::getpid();
    const pid_t keeper = ::fork();
    if (keeper < 0) {
        ::close(out[0]);
        ::close(out[1]);
        return;
    }
    if (keeper == 0) {
        ::close(out[0]);
        Keep(parent, out[1]);
    }
    ::close(out[1]);
    // The daemon writes its address and a line break once it listens.
    std::string address;
    pollfd wait { out[0], POLLIN, 0 };
    char buffer[512];
    while (address.find('\n') == std::string::npos && ::poll(&wait, 1, 3000) > 0) {
        ssize_t n = ::read(out[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        address.append(buffer, static_cast<size_t>(n));
    }
    ::close(out[0]);
    if (size_t end = address.find('\n'); end != std::string::npos && end > 0) {
        ::setenv("DBUS_SESSION_BUS_ADDRESS", address.substr(0, end).c_str(), 1);
        return;
    }
    // No daemon to run (or it failed): the web processes warn as before.
    ::kill(keeper, SIGTERM);
    while (::waitpid(keeper, nullptr, 0) < 0 && errno == EINTR) { }
}

} // namespace tessel
