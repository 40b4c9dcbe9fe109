// The Countdown window as it is loaded: its design, lamps, Settings area, focus and keys.
#include "mainfixture.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

struct ControlRow
{
    const char *name;
    QWidget *(*widget)();
    QRect twips;          // left, top, width, height as laid out, from the container's corner
    QString text;         // caption or text; empty where there is none
    int fontPixels;       // 0: the window's default font
    bool bold;
};

QString TextOf(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *line = qobject_cast<QLineEdit *>(widget))
        return line->text();
    if (auto *multi = qobject_cast<QPlainTextEdit *>(widget))
        return multi->toPlainText();
    if (auto *button = qobject_cast<QPushButton *>(widget))
        return button->text();
    if (auto *box = qobject_cast<QGroupBox *>(widget))
        return box->title();
    return QString();
}

main_ &W() { return forms::main(); }

const QString DefaultMessage = QStringLiteral(
    "10 minutes remain, please make sure you have dated your work and have your name on the top.  If  you are "
    "close to finishing, you can check over your work.  If you have already done so, you can read a book "
    "quietly at your desk.");

const ControlRow Controls[] = {
    {"timetext", [] { return W().timetext.widget(); }, {1440, 7800, 1815, 285}, QStringLiteral("10:00"), 0, false},
    {"Frame1", [] { return static_cast<QWidget *>(W().Frame1.widget()); }, {120, 7200, 9135, 2175}, QStringLiteral("Settings"), 0, false},
    {"Image11", [] { return static_cast<QWidget *>(W().Image11.widget()); }, {3000, 6600, 2310, 450}, QString(), 0, false},
    {"Image10", [] { return static_cast<QWidget *>(W().Image10.widget()); }, {3000, 6000, 2310, 450}, QString(), 0, false},
    {"Image9", [] { return static_cast<QWidget *>(W().Image9.widget()); }, {240, 6600, 2310, 450}, QString(), 0, false},
    {"Image8", [] { return static_cast<QWidget *>(W().Image8.widget()); }, {240, 6000, 2310, 450}, QString(), 0, false},
    {"Image7", [] { return static_cast<QWidget *>(W().Image7.widget()); }, {1680, 4920, 5925, 960}, QString(), 0, false},
    {"Image6", [] { return static_cast<QWidget *>(W().Image6.widget()); }, {1680, 3840, 5925, 960}, QString(), 0, false},
    {"Image5", [] { return static_cast<QWidget *>(W().Image5.widget()); }, {1680, 2760, 5925, 960}, QString(), 0, false},
    {"Image4", [] { return static_cast<QWidget *>(W().Image4.widget()); }, {1680, 4920, 5925, 960}, QString(), 0, false},
    {"Image3", [] { return static_cast<QWidget *>(W().Image3.widget()); }, {1680, 3840, 5925, 960}, QString(), 0, false},
    {"Image2", [] { return static_cast<QWidget *>(W().Image2.widget()); }, {1680, 2760, 5925, 960}, QString(), 0, false},
    {"Label3", [] { return static_cast<QWidget *>(W().Label3.widget()); }, {1320, 1080, 4455, 1455}, QString(), 96, true},
    {"Label2", [] { return static_cast<QWidget *>(W().Label2.widget()); }, {6000, 1200, 2055, 375}, QStringLiteral("Remaining Time"), 16, true},
    {"Shape2", [] { return W().Shape2.widget(); }, {1080, 1080, 7215, 1455}, QString(), 0, false},
    {"Image1", [] { return static_cast<QWidget *>(W().Image1.widget()); }, {0, 0, 9345, 7185}, QString(), 0, false},
    {"msgtext", [] { return W().msgtext.widget(); }, {1320, 960, 7575, 645}, DefaultMessage, 0, false},
    {"Command1", [] { return static_cast<QWidget *>(W().Command1.widget()); }, {6840, 1680, 2055, 375}, QStringLiteral("Close Settings"), 0, false},
    {"Text1", [] { return W().Text1.widget(); }, {1080, 240, 1815, 285}, QStringLiteral("20:00"), 0, false},
    {"Label8", [] { return static_cast<QWidget *>(W().Label8.widget()); }, {3360, 600, 5655, 255},
     QStringLiteral("Set the time and message that you want to show at a given time. "), 12, false},
    {"Label7", [] { return static_cast<QWidget *>(W().Label7.widget()); }, {480, 960, 855, 255}, QStringLiteral("Message"), 0, false},
    {"Label6", [] { return static_cast<QWidget *>(W().Label6.widget()); }, {120, 600, 1095, 255}, QStringLiteral("Message Time:"), 0, false},
    {"Label5", [] { return static_cast<QWidget *>(W().Label5.widget()); }, {3000, 120, 5775, 735},
     QStringLiteral("Start time default is 20:00. You can change the time by enter a new time in the same format ex: "
                    "25:00, 30:00, etc. However stop the clock before you do."),
     11, false},
    {"Label4", [] { return static_cast<QWidget *>(W().Label4.widget()); }, {120, 240, 855, 255}, QStringLiteral("Start Time: "), 0, false},
};

TEST_F(MainWindowTest, EveryControlHasItsDesign)
{
    const int defaultPixels = W().window()->font().pixelSize();
    for (const ControlRow &row : Controls) {
        SCOPED_TRACE(row.name);
        QWidget *widget = row.widget();
        const QRect &t = row.twips;
        EXPECT_EQ(widget->geometry(), QRect(t.x() / 15, t.y() / 15, t.width() / 15, t.height() / 15));
        EXPECT_EQ(TextOf(widget), row.text);
        EXPECT_EQ(widget->font().pixelSize(), row.fontPixels ? row.fontPixels : defaultPixels);
        EXPECT_EQ(widget->font().bold(), row.bold);
    }
    EXPECT_EQ(DefaultMessage.size(), 226);
    EXPECT_EQ(W().window()->windowTitle(), QStringLiteral("Tavrin Activity Timer"));
    EXPECT_EQ(W().Name(), QStringLiteral("main"));
    EXPECT_EQ(W().client()->width(), 620);
    ExpectCentred(W().window());
    EXPECT_EQ(W().window()->minimumSize(), W().window()->maximumSize()) << "fixed border";
    const Qt::WindowFlags flags = W().window()->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(W().window()->windowIcon().isNull());
    // The display and its caption let the pictures behind show through; frame labels are opaque.
    EXPECT_FALSE(W().Label3.widget()->autoFillBackground());
    EXPECT_FALSE(W().Label2.widget()->autoFillBackground());
    EXPECT_TRUE(W().Label7.widget()->autoFillBackground());
    EXPECT_EQ(W().Label3.widget()->palette().color(QPalette::WindowText), QColor(Qt::white));
}

TEST_F(MainWindowTest, MenuBarHasThreeTopLevelEntriesWithoutAccessKeys)
{
    QList<QAction *> actions = W().window()->findChild<QMenuBar *>()->actions();
    ASSERT_EQ(actions.size(), 3);
    const QString captions[] = {QStringLiteral("Exit"), QStringLiteral("More Educational Resources"), QStringLiteral("About")};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(actions[i]->text(), captions[i]);
        EXPECT_EQ(actions[i]->menu(), nullptr);
        EXPECT_TRUE(actions[i]->shortcut().isEmpty());
    }
}

TEST_F(MainWindowTest, LoadShowsThreeGreyBarsAndLeavesTheTimerOff)
{
    EXPECT_EQ(Lamps(), (std::vector<Shows>{Shows::Grey, Shows::Grey, Shows::Grey}));
    EXPECT_FALSE(W().Timer1.Enabled());
    EXPECT_EQ(W().Timer1.Interval(), 1000);
    EXPECT_EQ(W().Label3.Caption(), QString());
    EXPECT_EQ(rt::LoadedFormCount(), 1u);
    EXPECT_EQ(Tick(), 0) << "no tick runs before the first Start";
}

TEST_F(MainWindowTest, LitBarCoversItsGreyBarAndAnEmptyPlaceShowsTheBackground)
{
    W().Image5.setVisible(true);
    W().Image3.setVisible(false);
    W().Image7.setVisible(true);
    EXPECT_EQ(Lamps(), (std::vector<Shows>{Shows::Green, Shows::Background, Shows::Red}));
    W().Image4.setVisible(false);
    EXPECT_EQ(LampShows(2), Shows::Red) << "a lit bar shows without its grey bar too";
}

TEST_F(MainWindowTest, SettingsHeightsFromEitherState)
{
    const int menuHeight = W().window()->findChild<QMenuBar *>()->height();
    const auto clientHeight = [&] { return W().window()->height() - menuHeight; };
    const QPoint top = W().window()->pos();
    EXPECT_EQ(clientHeight(), 479);
    struct Step { rt::Image *image; QPushButton *button; int client; };
    const Step steps[] = {
        {nullptr, W().Command1.widget(), 479},  // closing when closed
        {&W().Image10, nullptr, 633},
        {&W().Image10, nullptr, 633},           // opening when open
        {nullptr, W().Command1.widget(), 479},
        {&W().Image10, nullptr, 633},
    };
    for (const Step &step : steps) {
        if (step.image)
            Click(*step.image);
        else
            QTest::mouseClick(step.button, Qt::LeftButton);
        EXPECT_EQ(clientHeight(), step.client);
        EXPECT_EQ(W().window()->pos(), top) << "grows and shrinks at its bottom edge";
        EXPECT_EQ(W().window()->width(), 620);
    }
    // Tall: the whole frame lies inside the client area; short: it starts below the edge.
    EXPECT_LE(W().Frame1.widget()->geometry().bottom(), 633);
    EXPECT_EQ(W().Text1.Text(), QStringLiteral("20:00"));
}

TEST_F(MainWindowTest, TextsSurviveOpeningAndClosing)
{
    W().Text1.setText(QStringLiteral("25:00"));
    W().timetext.setText(QStringLiteral("05:00"));
    W().msgtext.setText(QStringLiteral("Pens down\nsoon"));
    for (int i = 0; i < 5; ++i) {
        Click(W().Image10);
        QTest::mouseClick(W().Command1.widget(), Qt::LeftButton);
    }
    EXPECT_EQ(W().Text1.Text(), QStringLiteral("25:00"));
    EXPECT_EQ(W().timetext.Text(), QStringLiteral("05:00"));
    EXPECT_EQ(W().msgtext.Text(), QStringLiteral("Pens down\nsoon"));
}

TEST_F(MainWindowTest, KeysAfterStartUpGoIntoTheHiddenStartTimeAndTabCyclesFourControls)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(W().window()));
    EXPECT_EQ(QApplication::focusWidget(), W().Text1.widget());
    QTest::keyClicks(nullptr, QStringLiteral("5:00"));
    EXPECT_EQ(W().Text1.Text(), QStringLiteral("5:00"));

    const std::vector<QWidget *> cycle = {W().Command1.widget(), W().timetext.widget(), W().msgtext.widget(),
                                          W().Text1.widget(), W().Command1.widget()};
    for (QWidget *expected : cycle) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected) << "at the short height";
    }
    // The focused "Close Settings" pressed from the keyboard keeps the short height.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(W().window()->height() - W().window()->findChild<QMenuBar *>()->height(), 479);
    Click(W().Image10);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(W().window()->height() - W().window()->findChild<QMenuBar *>()->height(), 479);
}

TEST_F(MainWindowTest, PictureButtonsHaveOneLook)
{
    const QImage before = Grab(W().client(), W().Image8.widget()->geometry());
    QTest::mouseMove(W().Image8.widget());
    QTest::mousePress(W().Image8.widget(), Qt::LeftButton);
    const QImage pressed = Grab(W().client(), W().Image8.widget()->geometry());
    QTest::mouseRelease(W().Image8.widget(), Qt::LeftButton);
    EXPECT_EQ(before, pressed);
    EXPECT_EQ(before, art::StartButton().convertToFormat(QImage::Format_RGB32));
}

} // namespace
