// Tessel: the player of a packaged collection of Flash games.
#include "app/TForm3.h"
#include "app/Unit3.h"
#include "app/content/TContentCleanup.h"
#include "tessel/framework/TApplication.h"
#include "tessel/platform/DesktopBackend.h"
#include "tessel/platform/TWindowManager.h"

#include <cstdio>

int main()
{
    using namespace tessel;
    std::string error;
    std::unique_ptr<TBackend> backend = CreateDesktopBackend(error);
    if (!backend) {
        std::fprintf(stderr, "tessel: %s\n", error.c_str());
        return 1;
    }
    // A lost display ends the player cleanly: the unpacked content goes first.
    backend->SetDisplayLost([] { TContentCleanup::RemoveNow(); });
    TWindowManager::Instance().SetBackend(std::move(backend));
    Application().Initialize();
    Application().SetMainFormOnTaskBar(true);
    unit3::Form3 = &Application().CreateForm<TForm3>();
    int code = Application().Run();
    Application().Finalize();
    unit3::Finalize();
    return code;
}
