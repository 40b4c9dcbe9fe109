// Controls with a Click event: the window wires a handler of its own to it, once.
#pragma once

#include <functional>

namespace rt {

class Clickable
{
public:
    template <class F>
    void onClick(F *form, void (F::*handler)())
    {
        connectClick(form->handler(handler));
    }

protected:
    ~Clickable() = default;

private:
    virtual void connectClick(std::function<void()> run) = 0;
};

} // namespace rt
