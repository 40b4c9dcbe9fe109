#include "about_window.h"

#include "about/webpage.h"

#include "art/pictures.h"
#include "runtime/instance.h"

namespace {

const rt::FontSpec Arial975{QStringLiteral("Arial"), 9.75, false};
constexpr unsigned Blue = 0x00FF0000;

} // namespace

about::about()
    : rt::Form({QStringLiteral("about"), QStringLiteral("About Tavrin Activity Timer"), 4065, 2895, false})
    , Label1(client(), {{120, 240, 2055, 255}, QStringLiteral("Tavrin Activty Timer 1.0"), Arial975})
    , Label2(client(), {{240, 720, 2055, 255}, QStringLiteral("By Elvantor"), Arial975})
    , Label3(client(), {{720, 1200, 2055, 255}, QStringLiteral("This tool is free to use."), Arial975})
    , Label4(client(), {{240, 1800, 3615, 615},
                        QStringLiteral("For more educational resources, visit us online at ")
                            + QString::fromLatin1(MakerWebAddress),
                        Arial975, Blue})
    , Image1(client(), 2160, 120, art::Hourglass())
    , Command1(client(), {{840, 2400, 1695, 435}, QStringLiteral("Close About")})
{
    setTabOrder({Command1.widget()});
    Command1.onClick(this, &about::Command1_Click);
    Label4.onClick(this, &about::Label4_Click);
}

void about::Command1_Click()
{
    forms::about().Unload();
}

void about::Label4_Click()
{
    OpenWebPage(hWnd());
}

namespace forms {

::about &about()
{
    static rt::Instance<::about> instance;
    return instance();
}

} // namespace forms
