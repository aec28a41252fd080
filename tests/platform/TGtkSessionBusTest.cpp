#include "tessel/platform/gtk/TGtkSessionBus.h"

#include "tests/support/TempDir.h"

#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace tessel;

namespace {

// Whether a bus answers at the address.
bool Answers(const std::string& address)
{
    const std::string call = "gdbus call --address '" + address
        + "' --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus --method "
          "org.freedesktop.DBus.GetId"
          " >/dev/null 2>&1";
    return std::system(call.c_str()) == 0;
}

} // namespace

TEST(TGtkSessionBus, APrivateBusLastsAsLongAsTheProgramAndHoldsNothingOfIt)
{
    test::TempDir runtime;
    int address_pipe[2], go_pipe[2], marker[2];
    ASSERT_EQ(::pipe(address_pipe), 0);
    ASSERT_EQ(::pipe(go_pipe), 0);
    // Held open by the program; no one else may keep it.
    ASSERT_EQ(::pipe(marker), 0);
    const pid_t program = ::fork();
    ASSERT_GE(program, 0);
    if (program == 0) {
        ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
        ::setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
        TGtkSessionBus::Provide();
        const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
        const std::string told = address ? address : "";
        (void)!::write(address_pipe[1], told.data(), told.size());
        ::close(address_pipe[1]);
        char go;
        (void)!::read(go_pipe[0], &go, 1);
        ::_exit(0);
    }
    ::close(address_pipe[1]);
    ::close(go_pipe[0]);
    ::close(marker[1]);
    std::string address;
    char buffer[256];
    for (ssize_t n; (n = ::read(address_pipe[0], buffer, sizeof buffer)) > 0;)
        address.append(buffer, static_cast<size_t>(n));
    ::close(address_pipe[0]);
    ASSERT_EQ(address.rfind("unix:", 0), 0u) << address;
    EXPECT_TRUE(Answers(address));
    // It goes on answering once the program has stopped listening to it.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_TRUE(Answers(address));

    (void)!::write(go_pipe[1], "x", 1);
    ::close(go_pipe[1]);
    int status = 0;
    ASSERT_EQ(::waitpid(program, &status, 0), program);
    // The program's descriptors went with it: nothing the bus left holds them.
    pollfd closed { marker[0], POLLIN, 0 };
    ASSERT_EQ(::poll(&closed, 1, 1000), 1) << "the bus's keeper holds the program's descriptors";
    EXPECT_EQ(::read(marker[0], buffer, 1), 0);
    ::close(marker[0]);
    // The bus ends a moment after the program.
    bool gone = false;
    for (int i = 0; i < 50 && !gone; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        gone = !Answers(address);
    }
    EXPECT_TRUE(gone) << "the bus outlives the program";
}

TEST(TGtkSessionBus, TheDesktopsBusIsKept)
{
    const char* before = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    const std::string kept = before ? before : "";
    ::setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/run/user/1000/bus", 1);
    TGtkSessionBus::Provide();
    EXPECT_STREQ(std::getenv("DBUS_SESSION_BUS_ADDRESS"), "unix:path=/run/user/1000/bus");
    if (before)
        ::setenv("DBUS_SESSION_BUS_ADDRESS", kept.c_str(), 1);
    else
        ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
}
