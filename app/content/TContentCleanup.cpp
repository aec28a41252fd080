#include "app/content/TContentCleanup.h"

#include "app/content/TPrivateFolder.h"

#include <csignal>
#include <unistd.h>

namespace tessel {

namespace {

constexpr int kSignals[] = { SIGINT, SIGTERM, SIGHUP, SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL };
constexpr int kIgnored[] = { SIGUSR1, SIGUSR2, SIGPIPE };

// Written only while the signals are blocked, read only by the handler.
std::vector<std::string>& Files()
{
    static std::vector<std::string> files;
    return files;
}
std::string& Folder()
{
    static std::string folder;
    return folder;
}

void RemovePrepared()
{
    for (const std::string& file : Files())
        ::unlink(file.c_str());
    if (!Folder().empty())
        ::rmdir(Folder().c_str());
}

void OnSignal(int signal)
{
    RemovePrepared();
    // Ends the process by the same signal: a fault is raised again as it returns.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Blocks the handled signals while the paths change.
class TSignalBlock {
public:
    TSignalBlock()
    {
        sigset_t set;
        sigemptyset(&set);
        for (int s : kSignals)
            sigaddset(&set, s);
        sigprocmask(SIG_BLOCK, &set, &m_old);
    }
    ~TSignalBlock() { sigprocmask(SIG_SETMASK, &m_old, nullptr); }

private:
    sigset_t m_old;
};

} // namespace

void TContentCleanup::Arm(const std::string& folder, const std::vector<std::string>& names)
{
    static bool installed = false;
    TSignalBlock block;
    Folder() = folder;
    Files().clear();
    for (const std::string& name : names)
        Files().push_back(folder + name);
    if (!folder.empty())
        Files().push_back(folder + TPrivateFolder::kMarker);
    if (!installed) {
        struct sigaction action { };
        action.sa_handler = OnSignal;
        sigemptyset(&action.sa_mask);
        for (int s : kSignals)
            sigaddset(&action.sa_mask, s);
        // A fault in the handler itself ends the process at once.
        action.sa_flags = SA_RESETHAND;
        for (int s : kSignals)
            sigaction(s, &action, nullptr);
        // Caught and dropped rather than ignored: an ignored signal stays ignored in
        // the programs started from here (the web processes, the opener), which
        // expect their own.
        struct sigaction stray { };
        stray.sa_handler = [](int) {};
        sigemptyset(&stray.sa_mask);
        stray.sa_flags = SA_RESTART;
        for (int s : kIgnored)
            sigaction(s, &stray, nullptr);
        installed = true;
    }
}

void TContentCleanup::RemoveNow()
{
    TSignalBlock block;
    RemovePrepared();
}

void TContentCleanup::Disarm()
{
    TSignalBlock block;
    Files().clear();
    Folder().clear();
}

} // namespace tessel
