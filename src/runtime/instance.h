// Instance: the one instance of a window class, reached by its class name. Any use while it is not
// loaded loads it: window and controls with their design-time values, then its Load event.
#pragma once

#include "forms.h"

#include <memory>

namespace rt {

template <class F>
class Instance
{
public:
    F &operator()()
    {
        if (!m_form)
            load();
        return *m_form;
    }

    bool IsLoaded() const { return m_form != nullptr; }

private:
    void load()
    {
        auto form = std::make_unique<F>();
        F *loaded = form.get();
        form->setOnUnload([this] { m_form = nullptr; });
        detail::Register(std::move(form));
        // Registered before Load runs, so the load handler reaching this class by name finds
        // the window being loaded and loads no second one.
        m_form = loaded;
        loaded->runLoad();
    }

    F *m_form = nullptr;
};

} // namespace rt
