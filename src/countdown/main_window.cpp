#include "main_window.h"

#include "countdown/startseconds.h"
#include "about/webpage.h"

#include "about/about_window.h"
#include "message/msg_window.h"

#include "art/pictures.h"
#include "runtime/conversions.h"
#include "runtime/forms.h"
#include "runtime/instance.h"

using rt::FontSpec;
using rt::TwipsRect;

namespace {

const FontSpec Arial72Bold{QStringLiteral("Arial"), 72, true};
const FontSpec Arial12Bold{QStringLiteral("Arial"), 12, true};
const FontSpec Arial9{QStringLiteral("Arial"), 9, false};
const FontSpec Arial825{QStringLiteral("Arial"), 8.25, false};
constexpr unsigned White = 0x00FFFFFF;

const QString DefaultMessage = QStringLiteral(
    "10 minutes remain, please make sure you have dated your work and have your name on the top.  "
    "If  you are close to finishing, you can check over your work.  "
    "If you have already done so, you can read a book quietly at your desk.");

} // namespace

main_::main_()
    : rt::Form({QStringLiteral("main"), QStringLiteral("Tavrin Activity Timer"), 9300, 9390, true})
    , mnuExit(*this, QStringLiteral("Exit"))
    , mnumore(*this, QStringLiteral("More Educational Resources"))
    , mnuAbout(*this, QStringLiteral("About"))
    , Image1(client(), 0, 0, art::Background())
    , Shape2(client(), {{1080, 1080, 7215, 1455}, White})
    , Label2(client(), {{6000, 1200, 2055, 375}, QStringLiteral("Remaining Time"), Arial12Bold, White, true})
    , Label3(client(), {{1320, 1080, 4455, 1455}, QString(), Arial72Bold, White, true})
    , Image2(client(), 1680, 2760, art::GreyBar())
    , Image3(client(), 1680, 3840, art::GreyBar())
    , Image4(client(), 1680, 4920, art::GreyBar())
    , Image5(client(), 1680, 2760, art::GreenLamp())
    , Image6(client(), 1680, 3840, art::YellowLamp())
    , Image7(client(), 1680, 4920, art::RedLamp())
    , Image8(client(), 240, 6000, art::StartButton())
    , Image9(client(), 240, 6600, art::StopButton())
    , Image10(client(), 3000, 6000, art::SettingsButton())
    , Image11(client(), 3000, 6600, art::ExitButton())
    , Timer1(*this, 1000, true)
    , Frame1(client(), {{120, 7200, 9135, 2175}, QStringLiteral("Settings")})
    , Label4(Frame1.container(), {{120, 240, 855, 255}, QStringLiteral("Start Time: ")})
    , Label5(Frame1.container(), {{3000, 120, 5775, 735},
                                  QStringLiteral("Start time default is 20:00. You can change the time by enter a new "
                                                 "time in the same format ex: 25:00, 30:00, etc. However stop the clock "
                                                 "before you do."),
                                  Arial825})
    , Label6(Frame1.container(), {{120, 600, 1095, 255}, QStringLiteral("Message Time:")})
    , Label7(Frame1.container(), {{480, 960, 855, 255}, QStringLiteral("Message")})
    , Label8(Frame1.container(), {{3360, 600, 5655, 255},
                                  QStringLiteral("Set the time and message that you want to show at a given time. "),
                                  Arial9})
    , Text1(Frame1.container(), {{1080, 240, 1815, 285}, QStringLiteral("20:00")})
    , Command1(Frame1.container(), {{6840, 1680, 2055, 375}, QStringLiteral("Close Settings")})
    , msgtext(Frame1.container(), {{1320, 960, 7575, 645}, DefaultMessage, true})
    , timetext(client(), {{1440, 7800, 1815, 285}, QStringLiteral("10:00")})
{
    setTabOrder({Text1.widget(), Command1.widget(), timetext.widget(), msgtext.widget()});

    mnuExit.onClick(this, &main_::mnuExit_Click);
    mnumore.onClick(this, &main_::mnumore_Click);
    mnuAbout.onClick(this, &main_::mnuAbout_Click);
    Image8.onClick(this, &main_::Image8_Click);
    Image9.onClick(this, &main_::Image9_Click);
    Image10.onClick(this, &main_::Image10_Click);
    Image11.onClick(this, &main_::Image11_Click);
    Command1.onClick(this, &main_::Command1_Click);
    Timer1.onTimer(this, &main_::Timer1_Timer);
}

void main_::Form_Load()
{
    forms::main().setHeight(ShortHeight);
    Timer1.setEnabled(false);
    ShowGreyBars();
}

void main_::ShowGreyBars()
{
    Image2.setVisible(true);
    Image3.setVisible(true);
    Image4.setVisible(true);
    Image5.setVisible(false);
    Image6.setVisible(false);
    Image7.setVisible(false);
}

void main_::Image10_Click()
{
    forms::main().setHeight(TallHeight);
}

void main_::Command1_Click()
{
    forms::main().setHeight(ShortHeight);
}

void main_::Image8_Click()
{
    ShowGreyBars();
    CtDn = StartSeconds(Text1.Text());
    Timer1.setInterval(1000);
    Timer1.setEnabled(true);
    Image2.setVisible(false);
    Image5.setVisible(true);
    if (rt::SameText(Text1.Text(), QStringLiteral("10:00"))) {
        Timer1.setEnabled(false);
        Image5.setVisible(false);
        Image6.setVisible(true);
        Image7.setVisible(false);
    }
    if (rt::SameText(Text1.Text(), QStringLiteral("00:00"))) {
        Timer1.setEnabled(false);
        Image5.setVisible(false);
        Image6.setVisible(false);
        Image7.setVisible(true);
    }
}

void main_::Image9_Click()
{
    Timer1.setEnabled(false);
}

void main_::Timer1_Timer()
{
    CountdownStep();
    Label3.setCaption(cCtDn);
    if (rt::SameText(Label3.Caption(), QStringLiteral("10:00"))) {
        Image5.setVisible(false);
        Image6.setVisible(true);
        Image7.setVisible(false);
    }
    if (rt::SameText(Label3.Caption(), QStringLiteral("00:00"))) {
        Timer1.setEnabled(false);
        Image5.setVisible(false);
        Image6.setVisible(false);
        Image7.setVisible(true);
    }
    if (rt::SameText(Label3.Caption(), timetext.Text())) {
        rt::Label &popupLabel = forms::msg().Label1;
        const QString message = forms::main().msgtext.Text();
        popupLabel.setCaption(message);
        forms::msg().Show();
    }
    rt::DoEvents();
}

void main_::UnloadAllForms(const rt::Form &AForm)
{
    for (rt::Form &W : rt::Forms()) {
        if (!rt::SameText(W.Name(), AForm.Name()))
            W.Unload();
    }
}

void main_::Image11_Click()
{
    forms::main().UnloadAllForms(forms::main());
    forms::main().Unload();
}

void main_::mnuExit_Click()
{
    forms::main().UnloadAllForms(forms::main());
    forms::main().Unload();
}

void main_::mnumore_Click()
{
    OpenWebPage(hWnd());
}

void main_::mnuAbout_Click()
{
    forms::about().Show();
}

namespace forms {

main_ &main()
{
    static rt::Instance<main_> instance;
    return instance();
}

} // namespace forms
