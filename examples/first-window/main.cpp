// Your first skinned window: a form whose frame, panel and buttons are drawn from a
// skin file. Copy this folder, build it against the installed library (see
// CMakeLists.txt) and run: first-window [SKIN.vxs].
#include <tessel/framework/Exception.h>
#include <tessel/framework/TApplication.h>
#include <tessel/framework/TForm.h>
#include <tessel/platform/DesktopBackend.h>
#include <tessel/platform/TWindowManager.h>
#include <tessel/skin/controls/TvxSkinButton.h>
#include <tessel/skin/controls/TvxSkinMenuButton.h>
#include <tessel/skin/controls/TvxSkinPanel.h>
#include <tessel/skin/data/TvxCompressedStoredSkin.h>
#include <tessel/skin/data/TvxSkinData.h>
#include <tessel/skin/form/TvxVeneer.h>
#include <tessel/skin/menus/TvxSkinPopupMenu.h>

#include <cstdio>

#ifndef FIRST_WINDOW_SKIN
#define FIRST_WINDOW_SKIN "demo.vxs"
#endif

using namespace tessel;

class FirstForm : public TForm {
public:
    FirstForm(TComponent* owner, const std::string& skin_file)
        : TForm(owner)
    {
        SetCaption("My first skinned window");
        SetBounds(100, 100, 420, 240);
        // The skin: a store that every skinned part of the window reads.
        auto& store = Add<TvxSkinData>();
        auto& file = Add<TvxCompressedStoredSkin>();
        try {
            file.ImportCompressedFile(skin_file);
            store.SetCompressedStoredSkin(&file);
        } catch (const Exception& e) {
            std::fprintf(stderr, "first-window: %s (the built-in look shows)\n", e.Message().c_str());
        }
        // The frame, caption and caption buttons come from the skin controller.
        Add<TvxVeneer>().SetSkinData(&store);

        auto& panel = Add<TvxSkinPanel>();
        panel.SetParent(this);
        panel.SetAlign(alClient);
        panel.SetSkinData(&store);

        auto& hello = Add<TvxSkinButton>();
        hello.SetParent(&panel);
        hello.SetBounds(20, 20, 120, 25);
        hello.SetCaption("&Say hello");
        hello.SetSkinData(&store);
        hello.OnClick = [&hello](TComponent*) { hello.SetCaption("Hello!"); };

        auto& menu = Add<TvxSkinPopupMenu>();
        menu.SetSkinData(&store);
        menu.Items().Add("&Close", [this](TComponent*) { Close(); });
        auto& drop = Add<TvxSkinMenuButton>();
        drop.SetParent(&panel);
        drop.SetBounds(160, 20, 90, 26);
        drop.SetCaption("&Window");
        drop.SetSkinPopupMenu(&menu);
        drop.SetSkinData(&store);
    }
};

int main(int argc, char** argv)
{
    std::string error;
    std::unique_ptr<TBackend> backend = CreateDesktopBackend(error);
    if (!backend) {
        std::fprintf(stderr, "first-window: %s\n", error.c_str());
        return 1;
    }
    TWindowManager::Instance().SetBackend(std::move(backend));
    Application().Initialize();
    Application().CreateForm<FirstForm>(argc > 1 ? argv[1] : FIRST_WINDOW_SKIN);
    int code = Application().Run();
    Application().Finalize();
    return code;
}
