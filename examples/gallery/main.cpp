// The skinned controls on one window: tessel-gallery [SKIN.vxs]. Without an argument
// it shows the demo skin that the build puts beside it; a second window shows the
// frame objects on the demo skin's second form look, a third the skinned menus and hints,
// a fourth the window behaviours and the tray icon, a fifth the skinned buttons.
#include "examples/gallery/BehavioursForm.h"
#include "examples/gallery/ButtonsForm.h"
#include "examples/gallery/GalleryForm.h"
#include "examples/gallery/MenusForm.h"
#include "examples/gallery/ObjectsForm.h"
#include "framework/SysUtils.h"
#include "framework/TApplication.h"
#include "platform/DesktopBackend.h"
#include "platform/TShell.h"
#include "platform/TWindowManager.h"

#include <cstdio>

int main(int argc, char** argv)
{
    using namespace tessel;
    if (argc > 2) {
        std::fprintf(stderr, "usage: tessel-gallery [SKIN.vxs]\n");
        return 2;
    }
    std::string skin = argc == 2 ? argv[1] : ExtractFilePath(TShell::ProgramPath()) + "demo.vxs";
    std::string error;
    std::unique_ptr<TBackend> backend = CreateDesktopBackend(error);
    if (!backend) {
        std::fprintf(stderr, "tessel-gallery: %s\n", error.c_str());
        return 1;
    }
    TWindowManager::Instance().SetBackend(std::move(backend));
    Application().Initialize();
    Application().SetMainFormOnTaskBar(true);
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
    int code = Application().Run();
    Application().Finalize();
    return code;
}
