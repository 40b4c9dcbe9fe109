// Controls as the user meets them: how many Clicks a double-click gives, and text boxes that give
// back exactly the text put into them or typed.
#include "support/formtest.h"

#include "runtime/commandbutton.h"
#include "runtime/form.h"
#include "runtime/image.h"
#include "runtime/instance.h"
#include "runtime/label.h"
#include "runtime/textbox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

// Texts print as their characters, the long ones cut short.
static void PrintTo(const QString &text, std::ostream *out)
{
    const QString shown = text.size() > 40 ? text.left(40) + QStringLiteral("... (%1 characters)").arg(text.size()) : text;
    *out << testing::PrintToString(shown.toStdString());
}

namespace {

QImage Picture()
{
    QImage picture(60, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    return picture;
}

// One control of each clickable kind, each counting its own Clicks, and one text box of each kind.
class pad : public rt::Form
{
public:
    pad()
        : rt::Form({QStringLiteral("pad"), QStringLiteral("Pad"), 6000, 4500, true})
        , Image1(client(), 120, 120, Picture())
        , Label1(client(), {{1500, 120, 1500, 450}, QStringLiteral("Click me")})
        , Command1(client(), {{3300, 120, 1500, 450}, QStringLiteral("Go")})
        , Text1(client(), {{120, 1200, 3000, 285}, QString()})
        , Text2(client(), {{120, 1800, 5000, 1500}, QString(), true})
    {
        Image1.onClick(this, &pad::Image1_Click);
        Label1.onClick(this, &pad::Label1_Click);
        Command1.onClick(this, &pad::Command1_Click);
    }

    rt::Image Image1;
    rt::Label Label1;
    rt::CommandButton Command1;
    rt::TextBox Text1;
    rt::TextBox Text2;
    int imageClicks = 0;
    int labelClicks = 0;
    int commandClicks = 0;

private:
    void Image1_Click() { ++imageClicks; }
    void Label1_Click() { ++labelClicks; }
    void Command1_Click() { ++commandClicks; }
};

rt::Instance<pad> s_pad;

class ControlsTest : public FormTest
{
protected:
    pad &Shown()
    {
        pad &form = s_pad();
        form.Show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.window()));
        return form;
    }

    // A double-click as the window system delivers it: press, release, press, release in quick
    // succession, so that the toolkit itself recognises the second press as a double-click.
    static void DoubleClick(QWidget *widget)
    {
        QWidget *top = widget->window();
        const QPoint at = widget->mapTo(top, widget->rect().center());
        QTest::mouseDClick(top->windowHandle(), Qt::LeftButton, {}, at);
    }
};

TEST_F(ControlsTest, DoubleClickIsOneClickOnPicturesAndLabelsAndTwoOnButtons)
{
    pad &form = Shown();
    DoubleClick(form.Image1.widget());
    DoubleClick(form.Label1.widget());
    DoubleClick(form.Command1.widget());
    EXPECT_EQ(form.imageClicks, 1);
    EXPECT_EQ(form.labelClicks, 1);
    EXPECT_EQ(form.commandClicks, 2);

    // Plain clicks after a double-click still count one each.
    QTest::mouseClick(form.Image1.widget(), Qt::LeftButton);
    QTest::mouseClick(form.Label1.widget(), Qt::LeftButton);
    EXPECT_EQ(form.imageClicks, 2);
    EXPECT_EQ(form.labelClicks, 2);
}

TEST_F(ControlsTest, TextBoxesGiveBackExactlyWhatWasPut)
{
    const QString longDigits(40000, QLatin1Char('7'));
    const struct
    {
        const char *what;
        QString text;
    } rows[] = {
        {"no-break space", QStringLiteral("a\u00A0b")},
        {"carriage return", QStringLiteral("a\rb")},
        {"CR LF", QStringLiteral("a\r\nb")},
        {"line feed", QStringLiteral("a\nb")},
        {"line separator", QStringLiteral("a\u2028b")},
        {"paragraph separator", QStringLiteral("a\u2029b")},
        {"tab", QStringLiteral("a\tb")},
        {"separators at both ends", QStringLiteral("\r\n\u00A0 x \n\r")},
        {"40000 digits", longDigits},
        {"empty", QString()},
    };
    pad &form = s_pad();
    for (rt::TextBox *box : {&form.Text1, &form.Text2}) {
        const char *kind = box == &form.Text1 ? "one-line box" : "multi-line box";
        for (const auto &row : rows) {
            box->setText(row.text);
            EXPECT_EQ(box->Text(), row.text) << kind << ": " << row.what;
        }
    }
}

TEST_F(ControlsTest, TypedTextComesBackAsTyped)
{
    pad &form = Shown();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.window()));
    // A no-break space, as AltGr+Space types it, among ordinary keys and a new line.
    for (rt::TextBox *box : {&form.Text1, &form.Text2}) {
        box->setText(QStringLiteral("x\r\ny"));
        box->widget()->setFocus();
        if (auto *line = qobject_cast<QLineEdit *>(box->widget()))
            line->end(false);
        else
            static_cast<QPlainTextEdit *>(box->widget())->moveCursor(QTextCursor::End);
        QTest::keyClicks(nullptr, QStringLiteral("1\u00A02"));
        EXPECT_EQ(box->Text(), QStringLiteral("x\r\ny1\u00A02"));
    }
    // A new line typed into the message box reads as a line feed; what was put stays as put.
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Return);
    QTest::keyClicks(nullptr, QStringLiteral("z"));
    EXPECT_EQ(form.Text2.Text(), QStringLiteral("x\r\ny1\u00A02\nz"));
    // Deleting the put line break joins the lines.
    auto *edit = static_cast<QPlainTextEdit *>(form.Text2.widget());
    edit->moveCursor(QTextCursor::Start);
    edit->moveCursor(QTextCursor::Right);
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Delete);
    EXPECT_EQ(form.Text2.Text(), QStringLiteral("xy1\u00A02\nz"));
}

} // namespace
