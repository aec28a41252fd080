// The skinned controls on one window: tessel-gallery [SKIN.vxs]. Without an argument
// it shows the demo skin that the build puts beside it; a second window shows the
// frame objects on the demo skin's second form look, a third the skinned menus and hints,
// a fourth the window behaviours and the tray icon, a fifth the skinned buttons.
// tessel-gallery --mdi [SKIN.vxs] shows an MDI window with tabs instead.
#include "examples/gallery/BehavioursForm.h"
#include "examples/gallery/ButtonsForm.h"
#include "examples/gallery/GalleryForm.h"
#include "examples/gallery/MdiForm.h"
#include "examples/gallery/MenusForm.h"
#include "examples/gallery/ObjectsForm.h"
#include <tessel/framework/SysUtils.h>
#include <tessel/framework/TApplication.h>
#include <tessel/platform/DesktopBackend.h>
#include <tessel/platform/TShell.h>
#include <tessel/platform/TWindowManager.h>

#include <cstdio>

int main(int argc, char** argv)
{
    using namespace tessel;
    const bool mdi = argc > 1 && std::string(argv[1]) == "--mdi";
    const int given = argc - (mdi ? 2 : 1);
    if (given > 1) {
        std::fprintf(stderr, "usage: tessel-gallery [--mdi] [SKIN.vxs]\n");
        return 2;
    }
    std::string skin = given == 1 ? argv[argc - 1] : ExtractFilePath(TShell::ProgramPath()) + "demo.vxs";
    std::string error;
    std::unique_ptr<TBackend> backend = CreateDesktopBackend(error);
    if (!backend) {
        std::fprintf(stderr, "tessel-gallery: %s\n", error.c_str());
        return 1;
    }
    TWindowManager::Instance().SetBackend(std::move(backend));
    Application().Initialize();
    Application().SetMainFormOnTaskBar(true);
    if (mdi) {
        // The MDI window is the main one; its children come once it is on the screen.
        auto& window = Application().CreateForm<gallery::MdiForm>(skin);
        window.Show();
        for (int i = 0; i < 3; ++i)
            window.AddChild();
    } else {
        Application().CreateForm<gallery::GalleryForm>(skin);
        // The frame objects on a window of their own, beside it.
        std::string objects = ExtractFilePath(TShell::ProgramPath()) + "demo-objects.vxs";
        Application().CreateForm<gallery::ObjectsForm>(objects).Show();
        // The skinned menus and hints on a third.
        Application().CreateForm<gallery::MenusForm>(skin).Show();
        // Moving, sizing, snapping, rolling up, fading, the system menu and the tray on a fourth.
        Application().CreateForm<gallery::BehavioursForm>(skin).Show();
        // The skinned push buttons below the first.
        Application().CreateForm<gallery::ButtonsForm>(skin).Show();
    }
    int code = Application().Run();
    Application().Finalize();
    return code;
}
