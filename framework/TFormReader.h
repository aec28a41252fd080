#pragma once

#include "tessel/framework/TControl.h"
#include "tessel/framework/TCustomForm.h"

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

namespace tessel {

// The loading protocol of a form description, written as code. A form's
// constructor makes a reader, sets the form's own values, creates its components
// in order (each named, given its parent and its values while it is loading) and
// names the references between them; End resolves the references in order, calls
// Loaded on the form and then on every component in creation order, and finally
// runs the form's OnCreate.
class TFormReader {
public:
    explicit TFormReader(TCustomForm& form);
    ~TFormReader();
    TFormReader(const TFormReader&) = delete;
    TFormReader& operator=(const TFormReader&) = delete;

    TCustomForm& Form() { return m_form; }

    template<class T>
    T& Create(const std::string& name, TWinControl* parent = nullptr,
        const std::function<void(T&)>& values = nullptr)
    {
        T& component = m_form.Add<T>();
        component.SetName(name);
        component.BeginLoading();
        m_loaded.push_back(&component);
        if constexpr (std::is_base_of_v<TControl, T>)
            component.SetParent(parent ? parent : &m_form);
        if (values)
            values(component);
        return component;
    }
    // A reference to set once every component exists.
    void Reference(std::function<void()> resolve) { m_fixups.push_back(std::move(resolve)); }
    void End();

private:
    TCustomForm& m_form;
    std::vector<TComponent*> m_loaded;
    std::vector<std::function<void()>> m_fixups;
    bool m_ended = false;
};

} // namespace tessel
