#include "HeadlessApplication.h"
#include "tessel/framework/TCustomControl.h"
#include "tessel/framework/TFormReader.h"
#include "tessel/framework/TGraphicControl.h"
#include "tessel/framework/TImageList.h"
#include "tessel/framework/TMainMenu.h"
#include "tessel/framework/TPopupMenu.h"

#include <string>
#include <vector>

namespace tessel::test {

namespace {

class ControlTest : public HeadlessApplication {
protected:
    void Watch(TControl& c, const std::string& name)
    {
        c.OnMouseEnter = [this, name](TComponent*) { events.push_back("enter " + name); };
        c.OnMouseLeave = [this, name](TComponent*) { events.push_back("leave " + name); };
    }
    std::vector<std::string> events;
};

} // namespace

// Moving over a panel, onto a window-less control on it, off it, and out of the
// window: each control hears its enter and its leave once, in order.
TEST_F(ControlTest, MouseEnterAndLeaveFollowTheMouseAcrossControls)
{
    TForm& form = NewForm({ 100, 100, 400, 300 });
    auto& panel = form.Add<TCustomControl>();
    panel.SetBoundsRect({ 10, 10, 210, 110 });
    panel.SetParent(&form);
    auto& label = form.Add<TGraphicControl>();
    label.SetBoundsRect({ 20, 20, 70, 40 });
    label.SetParent(&panel);
    form.Show();
    Watch(form, "form");
    Watch(panel, "panel");
    Watch(label, "label");

    auto move = [&](int x, int y) {
        wm.Input().MouseMove({ x, y });
        Pump();
    };
    move(105, 105); // form client
    move(115, 115); // panel
    move(135, 135); // label (20, 20 inside the panel at 110, 110)
    move(136, 136); // still the label: nothing new
    move(200, 200); // panel again
    move(350, 250); // form
    move(600, 600); // outside every window
    EXPECT_EQ(events,
        (std::vector<std::string> { "enter form", "leave form", "enter panel", "leave panel", "enter label",
            "leave label", "enter panel", "leave panel", "enter form", "leave form" }));
    EXPECT_FALSE(label.MouseInControl());

    // A control freed while the mouse is over it is forgotten, not told.
    move(135, 135);
    events.clear();
    form.FreeComponent(&label);
    move(200, 200);
    EXPECT_EQ(events, (std::vector<std::string> { "enter panel" }));
}

TEST_F(ControlTest, ClicksReachWindowlessControlsThroughTheirParent)
{
    TForm& form = NewForm({ 0, 0, 300, 200 });
    auto& button = form.Add<TGraphicControl>();
    button.SetBoundsRect({ 50, 50, 100, 80 });
    button.SetParent(&form);
    form.Show();
    int clicks = 0;
    TPoint down;
    button.OnClick = [&](TComponent*) { ++clicks; };
    button.OnMouseDown = [&](TComponent*, TMouseButtonKind, TShiftState, int x, int y) { down = { x, y }; };
    wm.Input().Click(TMouseButton::Left, { 60, 55 });
    Pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(down, (TPoint { 10, 5 }));
    // Pressed on the control, released off it: no click, and the release still comes to it.
    bool released = false;
    button.OnMouseUp = [&](TComponent*, TMouseButtonKind, TShiftState, int, int) { released = true; };
    wm.Input().MouseDown(TMouseButton::Left, { 60, 55 });
    wm.Input().MouseMove({ 200, 150 });
    wm.Input().MouseUp(TMouseButton::Left, { 200, 150 });
    Pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(released);
}

TEST_F(ControlTest, FreeNotificationClearsReferences)
{
    TForm& form = NewForm();
    auto& panel = form.Add<TCustomControl>();
    panel.SetParent(&form);
    auto& popup = form.Add<TPopupMenu>();
    auto& images = form.Add<TImageList>();
    auto& menu = form.Add<TMainMenu>();
    panel.SetPopupMenu(&popup);
    popup.SetImages(&images);
    popup.SetPopupComponent(&panel);
    form.SetMenu(&menu);
    form.SetActiveControl(&panel);

    form.FreeComponent(&images);
    EXPECT_EQ(popup.Images(), nullptr);
    form.FreeComponent(&popup);
    EXPECT_EQ(panel.PopupMenu(), nullptr);
    form.FreeComponent(&menu);
    EXPECT_EQ(form.Menu(), nullptr);

    auto& popup2 = form.Add<TPopupMenu>();
    popup2.SetPopupComponent(&panel);
    form.FreeComponent(&panel);
    EXPECT_EQ(popup2.PopupComponent(), nullptr);
    EXPECT_EQ(form.ActiveControl(), nullptr);
    EXPECT_EQ(form.ControlCount(), 0);
}

// The loading protocol: components in order with their values, then the
// references, then Loaded on the form and each component, then OnCreate.
TEST_F(ControlTest, FormDescriptionLoadsInProtocolOrder)
{
    static std::vector<std::string>* trace;
    std::vector<std::string> log;
    trace = &log;
    class Part : public TCustomControl {
    public:
        using TCustomControl::TCustomControl;
        void SetBounds(int l, int t, int w, int h) override
        {
            trace->push_back(Name() + " bounds" + (HasState(csLoading) ? " (loading)" : ""));
            TCustomControl::SetBounds(l, t, w, h);
        }
        void Loaded() override
        {
            trace->push_back(Name() + " loaded");
            TCustomControl::Loaded();
        }
        Part* buddy = nullptr;
    };
    class Form3 : public TForm {
    public:
        explicit Form3(TComponent* owner)
            : TForm(owner)
        {
            OnCreate = [this](TComponent*) {
                trace->push_back(
                    std::string("create, buddy ") + (first->buddy ? first->buddy->Name() : "none"));
            };
            TFormReader reader(*this);
            SetCaption("Tessel");
            SetClientWidth(956);
            SetClientHeight(782);
            first = &reader.Create<Part>("first", nullptr, [](Part& p) {
                p.SetBoundsRect({ 0, 0, 956, 25 });
            });
            second = &reader.Create<Part>("second", first, [](Part& p) {
                p.SetBoundsRect({ 3, 0, 78, 25 });
            });
            reader.Reference([this] {
                trace->push_back("reference");
                first->buddy = second;
            });
            reader.End();
        }
        void Loaded() override
        {
            trace->push_back("form loaded");
            TForm::Loaded();
        }
        Part* first = nullptr;
        Part* second = nullptr;
    };
    Form3& form = Application().CreateForm<Form3>();
    EXPECT_EQ(log,
        (std::vector<std::string> { "first bounds (loading)", "second bounds (loading)", "reference",
            "form loaded", "first loaded", "second loaded", "create, buddy second" }));
    EXPECT_EQ(form.ClientWidth(), 956);
    EXPECT_EQ(form.ClientHeight(), 782);
    EXPECT_EQ(form.second->Parent(), form.first);
    EXPECT_FALSE(form.first->HasState(csLoading));
    EXPECT_EQ(Application().MainForm(), &form);
}

} // namespace tessel::test
