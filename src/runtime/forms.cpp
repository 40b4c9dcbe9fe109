#include "forms.h"

#include "dispatch.h"
#include "form.h"

#include <algorithm>

namespace rt {

namespace {

struct Registry
{
    std::vector<std::unique_ptr<Form>> loaded;
    std::vector<std::unique_ptr<Form>> discarded;
};

Registry &registry()
{
    static Registry instance;
    return instance;
}

} // namespace

FormsSnapshot::FormsSnapshot(std::vector<QPointer<Form>> forms)
    : m_forms(std::move(forms))
{
}

FormsSnapshot::iterator::iterator(const std::vector<QPointer<Form>> *forms, std::size_t index)
    : m_forms(forms)
    , m_index(index)
{
    skipUnloaded();
}

Form &FormsSnapshot::iterator::operator*() const
{
    return *(*m_forms)[m_index];
}

FormsSnapshot::iterator &FormsSnapshot::iterator::operator++()
{
    ++m_index;
    skipUnloaded();
    return *this;
}

void FormsSnapshot::iterator::skipUnloaded()
{
    while (m_index < m_forms->size()) {
        const QPointer<Form> &form = (*m_forms)[m_index];
        if (form && form->IsLoaded())
            break;
        ++m_index;
    }
}

FormsSnapshot Forms()
{
    std::vector<QPointer<Form>> forms;
    for (const auto &form : registry().loaded)
        forms.emplace_back(form.get());
    return FormsSnapshot(std::move(forms));
}

std::size_t LoadedFormCount()
{
    return registry().loaded.size();
}

void UnloadEverything()
{
    for (Form &form : Forms())
        form.Unload();
    detail::DestroyDiscarded();
}

namespace detail {

void Register(std::unique_ptr<Form> form)
{
    registry().loaded.push_back(std::move(form));
}

void Discard(Form *form)
{
    auto &loaded = registry().loaded;
    auto it = std::find_if(loaded.begin(), loaded.end(), [form](const auto &f) { return f.get() == form; });
    if (it == loaded.end())
        return;
    registry().discarded.push_back(std::move(*it));
    loaded.erase(it);
    AfterChange();
}

bool HasDiscarded()
{
    return !registry().discarded.empty();
}

void DestroyDiscarded()
{
    // Moved out first: a form's destructor must not find itself still on the pile.
    auto doomed = std::move(registry().discarded);
    registry().discarded.clear();
    doomed.clear();
}

} // namespace detail

} // namespace rt
