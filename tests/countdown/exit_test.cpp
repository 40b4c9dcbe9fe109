// Exit from the picture and the menu, and closing the Countdown window by its title bar.
#include "mainfixture.h"

#include "about/about_window.h"
#include "message/msg_window.h"

#include <QTimer>

namespace {

// Records the order in which windows are hidden.
class HideOrder : public QObject
{
public:
    std::vector<QString> names;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            names.push_back(watched->objectName());
        return false;
    }
};

class ExitTest : public MainWindowTest
{
protected:

    static void ExitByPicture() { Click(w().Image11); }
    static void ExitByMenu() { ChooseMenu(0); }

    // Shows the pop-up the way the countdown does: the message time one tick away.
    static void ReachMessage()
    {
        w().timetext.setText(QStringLiteral("00:59"));
        Start(QStringLiteral("1"));
        Tick();
    }
};

TEST_F(ExitTest, EveryWindowClosesMainLastAndNothingFollows)
{
    struct Case { const char *name; void (*exit)(); bool popup; bool about; };
    const Case cases[] = {
        {"picture, main alone", ExitByPicture, false, false},
        {"menu, main alone", ExitByMenu, false, false},
        {"picture, pop-up counting", ExitByPicture, true, false},
        {"menu, pop-up and About", ExitByMenu, true, true},
        {"picture, pop-up and About", ExitByPicture, true, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        rt::Dispatch([] { forms::main().Show(); });
        if (c.popup) {
            ReachMessage();
            ASSERT_TRUE(forms::msg().window()->isVisible());
        }
        if (c.about)
            ChooseMenu(2);
        HideOrder order;
        for (rt::Form &form : rt::Forms())
            form.window()->installEventFilter(&order);
        rt::Timer *popupTimer = c.popup ? &forms::msg().Timer1 : nullptr;
        c.exit();
        EXPECT_TRUE(Loaded().empty());
        ASSERT_FALSE(order.names.empty());
        EXPECT_EQ(order.names.back(), QStringLiteral("main"));
        EXPECT_EQ(order.names.size(), 1u + c.popup + c.about);
        if (popupTimer) {
            EXPECT_FALSE(popupTimer->Enabled()) << "the pop-up's count stops where it is";
        }
        QApplication::processEvents();
        EXPECT_TRUE(Loaded().empty()) << "Exit loads no window";
    }
}

TEST_F(ExitTest, ExitRightBeforeALampOrMessageChangeStopsEverything)
{
    for (const char *start : {"10.0167", "0.0167", "20:00"}) {
        SCOPED_TRACE(start);
        rt::Dispatch([] { forms::main().Show(); });
        w().timetext.setText(QStringLiteral("19:59"));
        Start(QString::fromLatin1(start));
        main_ *window = &w();
        rt::Timer &timer = window->Timer1;
        ExitByPicture();
        // The discarded window is not destroyed until the queued clean-up: its timer is off for good.
        EXPECT_FALSE(timer.deliverTick());
        EXPECT_TRUE(Loaded().empty());
        QApplication::processEvents();
    }
}

TEST_F(ExitTest, ExitDuringTheTicksLetEventsRunLeavesThatTickTouchingNothing)
{
    ReachMessage();
    ChooseMenu(2);
    // A click waiting when the next tick lets pending events run.
    QTimer::singleShot(0, [] { Click(w().Image11); });
    EXPECT_EQ(Tick(), 1);
    EXPECT_TRUE(Loaded().empty());
}

TEST_F(ExitTest, UnloadAllFormsKeepsTheWindowWithItsOwnName)
{
    ReachMessage();
    ChooseMenu(2);
    ASSERT_EQ(Loaded().size(), 3u);
    rt::Dispatch([] { forms::main().UnloadAllForms(forms::main()); });
    EXPECT_EQ(Loaded(), (std::vector<QString>{QStringLiteral("main")}));
}

TEST_F(ExitTest, TitleBarCloseOfMainLeavesThePopupAndAboutOpen)
{
    ReachMessage();
    ChooseMenu(2);
    w().window()->close();
    QApplication::processEvents();
    EXPECT_EQ(Loaded(), (std::vector<QString>{QStringLiteral("msg"), QStringLiteral("about")}));

    // The pop-up counts on and closes itself; the loop ends only when About goes too.
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(forms::msg().Timer1.deliverTick());
    EXPECT_EQ(Loaded(), (std::vector<QString>{QStringLiteral("about")}));
    QTimer::singleShot(0, [] { forms::about().Command1.widget()->click(); });
    bool timedOut = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    watchdog.start(5000);
    EXPECT_EQ(rt::Run(), 0);
    EXPECT_FALSE(timedOut);
    EXPECT_TRUE(Loaded().empty());
}

} // namespace
