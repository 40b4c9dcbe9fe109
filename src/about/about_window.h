// The About window `about`: the version line, the credits, the link label and "Close About".
#pragma once

#include "runtime/commandbutton.h"
#include "runtime/form.h"
#include "runtime/image.h"
#include "runtime/label.h"

class about : public rt::Form
{
public:
    about();

    // From the bottom of the stacking order up.
    rt::Label Label1;
    rt::Label Label2;
    rt::Label Label3;
    rt::Label Label4;
    rt::Image Image1;
    rt::CommandButton Command1;

private:
    void Command1_Click();
    void Label4_Click();
};

namespace forms {
// The About window, reached by its class name.
::about &about();
} // namespace forms
