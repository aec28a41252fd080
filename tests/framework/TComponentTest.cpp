#include "tessel/framework/TComponent.h"

#include "tessel/framework/TControl.h"
#include "tessel/framework/TCustomForm.h"
#include "tessel/framework/TScreen.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace tessel;

namespace {

std::vector<std::string>* g_log = nullptr;

// Holds a plain reference to another component and drops it when told of its removal.
class Holder : public TComponent {
public:
    using TComponent::TComponent;
    ~Holder() override
    {
        if (g_log)
            g_log->push_back("free " + Name());
    }
    void Refer(TComponent* other)
    {
        target = other;
        if (other)
            other->FreeNotification(this);
    }
    TComponent* target = nullptr;
    int removals = 0;

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove) {
            ++removals;
            if (component == target)
                target = nullptr;
        }
    }
};

} // namespace

TEST(TComponent, OwnerFreesItsComponentsAndSiblingsDropTheirReferences)
{
    std::vector<std::string> log;
    g_log = &log;
    {
        TComponent owner;
        auto& a = owner.Add<Holder>();
        a.SetName("a");
        auto& b = owner.Add<Holder>();
        b.SetName("b");
        b.Refer(&a);
        EXPECT_EQ(owner.ComponentCount(), 2);
        EXPECT_EQ(owner.FindComponent("a"), &a);
        EXPECT_EQ(a.Owner(), &owner);
        owner.FreeComponent(&a);
        EXPECT_EQ(b.target, nullptr);
        EXPECT_EQ(owner.ComponentCount(), 1);
    }
    g_log = nullptr;
    EXPECT_EQ(log, (std::vector<std::string> { "free a", "free b" }));
}

TEST(TComponent, FreeNotificationAcrossOwners)
{
    Holder listener;
    {
        TComponent other_owner;
        auto& target = other_owner.Add<TComponent>();
        listener.Refer(&target);
        EXPECT_EQ(listener.target, &target);
    }
    EXPECT_EQ(listener.target, nullptr);

    // Either side's destruction ends the arrangement: a listener freed first is not
    // told later (the sanitizer build would report the use of freed memory), while a
    // listener still alive is told once.
    Holder survivor;
    {
        TComponent target;
        {
            Holder short_lived;
            short_lived.Refer(&target);
        }
        survivor.Refer(&target);
    }
    EXPECT_EQ(survivor.target, nullptr);
    EXPECT_EQ(survivor.removals, 1);
}

TEST(TComponent, StateFlags)
{
    TComponent owner;
    auto& child = owner.Add<TComponent>();
    owner.SetDesigning(true);
    EXPECT_TRUE(child.HasState(csDesigning));
    child.BeginLoading();
    EXPECT_TRUE(child.HasState(csLoading));
    child.Loaded();
    EXPECT_FALSE(child.HasState(csLoading));
}

namespace {
class Counter : public TControl {
public:
    using TControl::TControl;
    int handled = 0;

protected:
    void Dispatch(TMessage& m) override
    {
        if (m.Msg == WM_USER + 1) {
            ++handled;
            m.Result = static_cast<LRESULT>(m.WParam + static_cast<WPARAM>(m.LParam));
            return;
        }
        TControl::Dispatch(m);
    }
};
} // namespace

TEST(TControl, AReplacedWindowProcChainsToTheSavedOne)
{
    Counter control;
    EXPECT_EQ(control.Perform(WM_USER + 1, 2, 3), 5);
    TControl::TWndMethod saved = control.WindowProc();
    std::vector<uint32_t> seen;
    control.SetWindowProc([&](TMessage& m) {
        seen.push_back(m.Msg);
        if (m.Msg == WM_USER + 2) {
            m.Result = 77;
            return;
        }
        saved(m);
    });
    EXPECT_EQ(control.Perform(WM_USER + 2), 77);
    EXPECT_EQ(control.Perform(WM_USER + 1, 1, 1), 2);
    EXPECT_EQ(control.handled, 2);
    EXPECT_EQ(seen, (std::vector<uint32_t> { WM_USER + 2, WM_USER + 1 }));
}

TEST(TScreen, ListsFormsFromCreationToDestruction)
{
    int before = Screen().FormCount();
    {
        TCustomForm a, b;
        ASSERT_EQ(Screen().FormCount(), before + 2);
        EXPECT_EQ(Screen().Forms(before), &a);
        EXPECT_EQ(Screen().Forms(before + 1), &b);
    }
    EXPECT_EQ(Screen().FormCount(), before);
}
