#include "tessel/framework/TComponent.h"

#include <algorithm>

namespace tessel {

TComponent::TComponent(TComponent* owner)
    : m_owner(owner)
{ }

TComponent::~TComponent()
{
    m_state |= csDestroying;
    auto notifies = std::move(m_free_notifies);
    for (TComponent* other : notifies) {
        other->RemoveNotified(this);
        other->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (m_owner) {
        TComponent* owner = m_owner;
        m_owner = nullptr;
        owner->Notification(this, TOperation::opRemove);
    }
}

void TComponent::DestroyComponents()
{
    while (!m_components.empty()) {
        std::unique_ptr<TComponent> last = std::move(m_components.back());
        m_components.pop_back();
        last.reset();
    }
}

void TComponent::InsertComponent(std::unique_ptr<TComponent> component)
{
    TComponent* raw = component.get();
    raw->m_owner = this;
    m_components.push_back(std::move(component));
    Notification(raw, TOperation::opInsert);
}

void TComponent::FreeComponent(TComponent* component)
{
    auto it = std::find_if(m_components.begin(), m_components.end(),
        [&](const std::unique_ptr<TComponent>& c) { return c.get() == component; });
    if (it == m_components.end())
        return;
    std::unique_ptr<TComponent> doomed = std::move(*it);
    m_components.erase(it);
    doomed.reset();
}

TComponent* TComponent::FindComponent(const std::string& name) const
{
    for (const auto& c : m_components)
        if (!name.empty() && c->Name() == name)
            return c.get();
    return nullptr;
}

void TComponent::SetDesigning(bool designing)
{
    if (designing)
        m_state |= csDesigning;
    else
        m_state &= ~uint32_t(csDesigning);
    for (const auto& c : m_components)
        c->SetDesigning(designing);
}

void TComponent::FreeNotification(TComponent* other)
{
    if (!other || other == this)
        return;
    if (std::find(m_free_notifies.begin(), m_free_notifies.end(), other) == m_free_notifies.end())
        m_free_notifies.push_back(other);
    if (std::find(other->m_free_notifies.begin(), other->m_free_notifies.end(), this)
        == other->m_free_notifies.end())
        other->m_free_notifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* other)
{
    if (!other)
        return;
    RemoveNotified(other);
    other->RemoveNotified(this);
}

void TComponent::RemoveNotified(TComponent* component)
{
    std::erase(m_free_notifies, component);
}

void TComponent::Loaded()
{
    m_state &= ~uint32_t(csLoading | csReading);
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    if (operation == TOperation::opRemove)
        RemoveNotified(component);
    // Owned components hear of every insertion and removal in the owner tree.
    for (size_t i = 0; i < m_components.size(); ++i)
        if (m_components[i].get() != component)
            m_components[i]->Notification(component, operation);
}

} // namespace tessel
