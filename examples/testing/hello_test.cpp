// A test of a skinned window on the library's virtual desktop (TTestDesktop): the
// window is made as the program makes it, then clicked, typed at and timed as a
// person would, and its pixels read. It needs no display. Each check that fails says
// so on stderr; the exit code is the number of failures.
#include <tessel/framework/TApplication.h>
#include <tessel/framework/TForm.h>
#include <tessel/framework/TTestDesktop.h>
#include <tessel/framework/TTimer.h>
#include <tessel/skin/controls/TvxSkinButton.h>
#include <tessel/skin/controls/TvxSkinPanel.h>
#include <tessel/skin/data/TvxCompressedStoredSkin.h>
#include <tessel/skin/data/TvxSkinData.h>
#include <tessel/skin/form/TvxVeneer.h>

#include <cstdio>
#include <string>

using namespace tessel;

// The window under test: a skinned frame, a button that answers, a clock that ticks.
class HelloForm : public TForm {
public:
    explicit HelloForm(TComponent* owner)
        : TForm(owner)
    {
        SetCaption("Hello");
        SetBounds(100, 100, 420, 240);
        auto& store = Add<TvxSkinData>();
        auto& file = Add<TvxCompressedStoredSkin>();
        file.ImportCompressedFile(HELLO_TEST_SKIN);
        store.SetCompressedStoredSkin(&file);
        Add<TvxVeneer>().SetSkinData(&store);

        panel = &Add<TvxSkinPanel>();
        panel->SetParent(this);
        panel->SetAlign(alClient);
        panel->SetSkinData(&store);
        button = &Add<TvxSkinButton>();
        button->SetParent(panel);
        button->SetBounds(20, 20, 120, 25);
        button->SetCaption("&Say hello");
        button->SetSkinData(&store);
        button->OnClick = [this](TComponent*) { ++hellos; };

        auto& clock = Add<TTimer>();
        clock.SetInterval(250);
        clock.SetOnTimer([this](TComponent*) { ++ticks; });
    }

    TvxSkinPanel* panel = nullptr;
    TvxSkinButton* button = nullptr;
    int hellos = 0;
    int ticks = 0;
};

namespace {

int failures = 0;

void Check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "hello-test: failed: %s\n", what);
        ++failures;
    }
}

} // namespace

int main()
{
    {
        TTestDesktop desktop;
        HelloForm& form = Application().CreateForm<HelloForm>();
        form.Show();
        desktop.Process();

        // A click in the middle of the button, found from where the form put it.
        TPoint middle = form.button->ClientToScreen({ 60, 12 });
        desktop.Click(middle);
        Check(form.hellos == 1, "a click on the button says hello");

        // Alt+S is the button's accelerator: the key goes down, types its character
        // (which the accelerator needs), comes up.
        desktop.Type('S', ssAlt);
        Check(form.hellos == 2, "Alt+S says hello");

        // Two seconds: the 250 ms clock ticks eight times, each at its moment.
        desktop.Advance(2000);
        Check(form.ticks == 8, "the clock ticks eight times in two seconds");

        // The skin paints the button unlike the panel around it.
        TPoint beside = form.panel->ClientToScreen({ 200, 100 });
        Check(desktop.Pixel(middle) != desktop.Pixel(beside), "the button is painted on the panel");
    }
    if (failures == 0)
        std::printf("hello-test: all checks passed\n");
    return failures;
}
