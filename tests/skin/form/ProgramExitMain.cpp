// A program as a library user writes it: a skinned form with windowed controls, a
// menu, a hint and a tray icon, shown by Application().Run() until a timer ends it.
// How it ends is the argument:
//   return           returns from main without Finalize
//   finalize-twice   calls Finalize twice, then returns
//   exit             calls exit() after Run
//   no-run           never runs the loop: creates the form and returns
// on the headless backend, or with a second argument "--desktop" on the desktop's.
// Each must end with 0 and, under the sanitizers, without a report.
#include "tessel/framework/TApplication.h"
#include "tessel/framework/TForm.h"
#include "tessel/framework/TTimer.h"
#include "tessel/platform/DesktopBackend.h"
#include "tessel/platform/TWindowManager.h"
#include "tessel/platform/headless/THeadlessBackend.h"
#include "tessel/skin/controls/TvxSkinButton.h"
#include "tessel/skin/controls/TvxSkinPanel.h"
#include "tessel/skin/data/TvxCompressedStoredSkin.h"
#include "tessel/skin/data/TvxSkinData.h"
#include "tessel/skin/form/TvxVeneer.h"
#include "tessel/skin/hint/TvxSkinHint.h"
#include "tessel/skin/menus/TvxSkinPopupMenu.h"
#include "tessel/skin/tray/TvxTrayIcon.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

using namespace tessel;

namespace {

class SkinnedForm : public TForm {
public:
    explicit SkinnedForm(TComponent* owner)
        : TForm(owner)
    {
        SetCaption("Ends well");
        SetBounds(100, 100, 420, 240);
        auto& store = Add<TvxSkinData>();
        auto& file = Add<TvxCompressedStoredSkin>();
        file.ImportCompressedFile(TESSEL_DEMO_SKIN_FILE);
        store.SetCompressedStoredSkin(&file);
        Add<TvxVeneer>().SetSkinData(&store);
        Add<TvxSkinHint>().SetSkinData(&store);

        auto& panel = Add<TvxSkinPanel>();
        panel.SetParent(this);
        panel.SetAlign(alClient);
        panel.SetSkinData(&store);
        auto& button = Add<TvxSkinButton>();
        button.SetParent(&panel);
        button.SetBounds(20, 20, 120, 25);
        button.SetCaption("&Hello");
        button.SetHint("Says hello");
        button.SetShowHint(true);
        button.SetSkinData(&store);

        auto& menu = Add<TvxSkinPopupMenu>();
        menu.SetSkinData(&store);
        menu.Items().Add("&Close", [this](TComponent*) { Close(); });
        auto& tray = Add<TvxTrayIcon>();
        tray.SetPopupMenu(&menu);
        tray.SetIconVisible(true);

        auto& timer = Add<TTimer>();
        timer.SetInterval(200);
        timer.SetOnTimer([](TComponent*) { Application().Terminate(); });
    }
};

} // namespace

int main(int argc, char** argv)
{
    const char* how = argc > 1 ? argv[1] : "return";
    std::unique_ptr<TBackend> backend = std::make_unique<THeadlessBackend>();
    if (argc > 2 && std::strcmp(argv[2], "--desktop") == 0) {
        std::string error;
        backend = CreateDesktopBackend(error);
        if (!backend) {
            std::fprintf(stderr, "program-exit: %s\n", error.c_str());
            return 2;
        }
    }
    TWindowManager::Instance().SetBackend(std::move(backend));
    Application().Initialize();
    Application().CreateForm<SkinnedForm>();
    if (std::strcmp(how, "no-run") == 0)
        return 0;
    int code = Application().Run();
    if (std::strcmp(how, "finalize-twice") == 0) {
        Application().Finalize();
        Application().Finalize();
    } else if (std::strcmp(how, "exit") == 0) {
        std::exit(code);
    } else if (std::strcmp(how, "return") != 0) {
        std::fprintf(stderr, "program-exit: unknown way to end: %s\n", how);
        return 2;
    }
    return code;
}
