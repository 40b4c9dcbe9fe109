// The loaded forms: who owns them, the snapshot enumeration of Forms, and the discard pile of
// unloaded forms waiting until no handler runs.
#pragma once

#include <QPointer>

#include <memory>
#include <vector>

namespace rt {

class Form;

// The loaded windows as they were when it was taken. Iterating gives each one that is still
// loaded when its turn comes, so unloading the window being visited is safe and none is given twice.
class FormsSnapshot
{
public:
    explicit FormsSnapshot(std::vector<QPointer<Form>> forms);

    class iterator
    {
    public:
        iterator(const std::vector<QPointer<Form>> *forms, std::size_t index);
        Form &operator*() const;
        iterator &operator++();
        bool operator==(const iterator &other) const { return m_index == other.m_index; }

    private:
        void skipUnloaded();
        const std::vector<QPointer<Form>> *m_forms;
        std::size_t m_index;
    };

    iterator begin() const { return iterator(&m_forms, 0); }
    iterator end() const { return iterator(&m_forms, m_forms.size()); }

private:
    std::vector<QPointer<Form>> m_forms;
};

FormsSnapshot Forms();
std::size_t LoadedFormCount();

// Unloads every form and destroys it at once; for tests between cases and for the end of the process.
void UnloadEverything();

namespace detail {
void Register(std::unique_ptr<Form> form);
void Discard(Form *form);
bool HasDiscarded();
void DestroyDiscarded();
} // namespace detail

} // namespace rt
