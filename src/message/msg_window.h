// The Message pop-up `msg`: shows the message it is handed and closes itself after its count.
#pragma once

#include "runtime/commandbutton.h"
#include "runtime/form.h"
#include "runtime/label.h"
#include "runtime/textbox.h"
#include "runtime/timer.h"

class msg : public rt::Form
{
public:
    msg();

    // From the bottom of the stacking order up. Text1, the count, lies below the client area:
    // out of sight, yet Tab still reaches it.
    rt::Label Label1;
    rt::Timer Timer1;
    rt::CommandButton Command1;
    rt::TextBox Text1;

protected:
    void Form_Load() override;

private:
    void Timer1_Timer();
    void Command1_Click();
};

namespace forms {
// The Message pop-up, reached by its class name.
::msg &msg();
} // namespace forms
