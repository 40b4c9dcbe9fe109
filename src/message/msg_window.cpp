#include "msg_window.h"

#include "runtime/conversions.h"
#include "runtime/floatingpoint.h"
#include "runtime/instance.h"

namespace {

const rt::FontSpec Arial975{QStringLiteral("Arial"), 9.75, false};

} // namespace

msg::msg()
    : rt::Form({QStringLiteral("msg"), QStringLiteral("Timer Message"), 6765, 2520, true})
    , Label1(client(), {{120, 120, 6495, 1455}, QString(), Arial975})
    , Timer1(*this, 1000, true)
    , Command1(client(), {{2640, 1800, 1215, 615}, QStringLiteral("Close Message"), Arial975})
    , Text1(client(), {{840, 2880, 615, 285}, QStringLiteral("20")})
{
    setTabOrder({Command1.widget(), Text1.widget()});
    Timer1.onTimer(this, &msg::Timer1_Timer);
    Command1.onClick(this, &msg::Command1_Click);
}

void msg::Form_Load()
{
    Timer1.setEnabled(true);
}

void msg::Timer1_Timer()
{
    const QString count = Text1.Text();
    rt::ClearFloatingPointFlags();
    // Volatile keeps the subtraction between clearing and testing the flags.
    const volatile double number = rt::LeadingNumber(count);
    const volatile double left = number - 1;
    rt::RaiseOnFloatingPointFlags();
    Text1.setText(rt::NumberText(left));
    if (rt::SameText(Text1.Text(), QStringLiteral("0")))
        forms::msg().Unload();
    rt::DoEvents();
}

void msg::Command1_Click()
{
    forms::msg().Unload();
}

namespace forms {

::msg &msg()
{
    static rt::Instance<::msg> instance;
    return instance();
}

} // namespace forms
