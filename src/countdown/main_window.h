// The Countdown window `main`: the display, the three lamps, the picture buttons, the menu and the
// Settings area, with the countdown state as its fields.
#pragma once

#include "countdown/countdownstate.h"

#include "runtime/commandbutton.h"
#include "runtime/form.h"
#include "runtime/frame.h"
#include "runtime/image.h"
#include "runtime/label.h"
#include "runtime/menuentry.h"
#include "runtime/shape.h"
#include "runtime/textbox.h"
#include "runtime/timer.h"

// `main` cannot name a class beside the program's entry, so the class is main_; its Name is "main".
class main_ : public rt::Form, public CountdownState
{
public:
    main_();

    // Unloads every loaded window whose name differs from AForm's.
    void UnloadAllForms(const rt::Form &AForm);

    // The short and tall outer heights, in twips: Settings out of view and in view.
    static constexpr float ShortHeight = 7860;
    static constexpr float TallHeight = 10170;

    // Menu bar, left to right.
    rt::MenuEntry mnuExit;
    rt::MenuEntry mnumore;
    rt::MenuEntry mnuAbout;

    // Controls, from the bottom of the stacking order up: pictures, the outline and labels first,
    // then the frame and the text boxes, which always lie above them.
    rt::Image Image1;
    rt::Shape Shape2;
    rt::Label Label2;
    rt::Label Label3;
    rt::Image Image2;
    rt::Image Image3;
    rt::Image Image4;
    rt::Image Image5;
    rt::Image Image6;
    rt::Image Image7;
    rt::Image Image8;
    rt::Image Image9;
    rt::Image Image10;
    rt::Image Image11;
    rt::Timer Timer1;
    rt::Frame Frame1;
    rt::Label Label4;
    rt::Label Label5;
    rt::Label Label6;
    rt::Label Label7;
    rt::Label Label8;
    rt::TextBox Text1;
    rt::CommandButton Command1;
    rt::TextBox msgtext;
    rt::TextBox timetext;

protected:
    void Form_Load() override;

private:
    // The three grey bars shown and the three lit ones hidden, top to bottom.
    void ShowGreyBars();

    void Image8_Click();
    void Image9_Click();
    void Image10_Click();
    void Image11_Click();
    void Command1_Click();
    void Timer1_Timer();
    void mnuExit_Click();
    void mnumore_Click();
    void mnuAbout_Click();
};

namespace forms {
// The Countdown window, reached by its class name.
main_ &main();
} // namespace forms
