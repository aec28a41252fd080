// A small program of framework controls on the desktop backend: aligned panels,
// a button, a popup menu, a hint and a timer, in a window with a frame of its own.
#include "examples/controls/DemoForm.h"
#include <tessel/framework/TApplication.h>
#include <tessel/platform/DesktopBackend.h>
#include <tessel/platform/TWindowManager.h>

#include <cstdio>

int main()
{
    using namespace tessel;
    std::string error;
    std::unique_ptr<TBackend> backend = CreateDesktopBackend(error);
    if (!backend) {
        std::fprintf(stderr, "tessel-controls-demo: %s\n", error.c_str());
        return 1;
    }
    TWindowManager::Instance().SetBackend(std::move(backend));
    Application().Initialize();
    Application().SetMainFormOnTaskBar(true);
    Application().CreateForm<demo::DemoForm>();
    int code = Application().Run();
    Application().Finalize();
    return code;
}
