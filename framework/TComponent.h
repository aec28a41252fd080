#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tessel {

enum TComponentStateFlag : uint32_t {
    csLoading = 1 << 0, // the form description is being read
    csReading = 1 << 1,
    csDestroying = 1 << 2,
    csDesigning = 1 << 3, // a designer edits the component (never at run time)
};

enum class TOperation { opInsert, opRemove };

// A component: it owns the components created with it as owner and frees them with
// itself. Components that refer to each other hold plain pointers and drop them
// when told, through Notification, that the other one is being freed.
class TComponent {
public:
    explicit TComponent(TComponent* owner = nullptr);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    // Creates a component owned by this one.
    template<class T, class... Args> T& Add(Args&&... args)
    {
        auto component = std::make_unique<T>(this, std::forward<Args>(args)...);
        T& result = *component;
        InsertComponent(std::move(component));
        return result;
    }
    // Frees an owned component now.
    void FreeComponent(TComponent* component);
    // Frees every owned component, the last made first. Destructors of classes whose
    // parts the owned components still use call it while they are whole.
    void DestroyComponents();
    // Marks the component as going away (csDestroying).
    void Destroying() { m_state |= csDestroying; }

    TComponent* Owner() const { return m_owner; }
    int ComponentCount() const { return static_cast<int>(m_components.size()); }
    TComponent* Components(int index) const { return m_components.at(static_cast<size_t>(index)).get(); }
    TComponent* FindComponent(const std::string& name) const;

    const std::string& Name() const { return m_name; }
    void SetName(std::string name) { m_name = std::move(name); }

    uint32_t ComponentState() const { return m_state; }
    bool HasState(TComponentStateFlag flag) const { return (m_state & flag) != 0; }
    // Used by the form-description reader and by tests that act as a designer.
    void SetDesigning(bool designing);
    void BeginLoading() { m_state |= csLoading | csReading; }

    // Asks to be told by Notification when other is freed; either side's destruction
    // ends the arrangement.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);
    // Points a reference field at value, moving the free notification arrangement
    // from the component it named to the new one.
    template<class T> void SetReference(T*& field, T* value)
    {
        if (field == value)
            return;
        if (field)
            field->RemoveFreeNotification(this);
        field = value;
        if (value)
            value->FreeNotification(this);
    }

    // Called after the form description has set every property and reference.
    virtual void Loaded();
    virtual const char* ClassName() const { return "TComponent"; }

protected:
    // Told that component is inserted into or removed from the owner tree, or freed.
    virtual void Notification(TComponent* component, TOperation operation);

private:
    void InsertComponent(std::unique_ptr<TComponent> component);
    void RemoveNotified(TComponent* component);

    TComponent* m_owner = nullptr;
    std::vector<std::unique_ptr<TComponent>> m_components;
    std::vector<TComponent*> m_free_notifies;
    std::string m_name;
    uint32_t m_state = 0;
};

} // namespace tessel
