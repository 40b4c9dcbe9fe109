// The message box's edit through the user's edits, undo and redo: every break the user left alone
// reads as it was put, every break the user typed, pasted, dropped or had an input method commit
// reads as a line feed.
#include "runtime/exacttextedit.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Texts are compared as they are shown here, so that a failure tells one break from another.
std::string Shown(const QString &text)
{
    std::string shown;
    for (const QChar c : text) {
        if (c == QLatin1Char('\r'))
            shown += "\\r";
        else if (c == QLatin1Char('\n'))
            shown += "\\n";
        else if (c == QLatin1Char('\\'))
            shown += "\\\\";
        else if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            shown += static_cast<char>(c.unicode());
        else
            shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toStdString();
    }
    return shown;
}

using Step = std::function<void(rt::ExactTextEdit &)>;

// Keys go to the focus widget, as the user's do.
Step Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return [=](rt::ExactTextEdit &) { QTest::keyClick(static_cast<QWidget *>(nullptr), key, modifiers); };
}

// A shortcut by its first key on this platform (Redo is Ctrl+Shift+Z on some, Ctrl+Y on others).
Step Key(QKeySequence::StandardKey shortcut)
{
    return [=](rt::ExactTextEdit &edit) {
        const QKeyCombination key = QKeySequence::keyBindings(shortcut).value(0)[0];
        Key(key.key(), key.keyboardModifiers())(edit);
    };
}

Step Type(const QString &text)
{
    return [=](rt::ExactTextEdit &) { QTest::keyClicks(nullptr, text); };
}

Step Select(int from, int to)
{
    return [=](rt::ExactTextEdit &edit) {
        QTextCursor cursor(edit.document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        edit.setTextCursor(cursor);
    };
}

Step At(int position)
{
    return Select(position, position);
}

Step Paste(const QString &text)
{
    return [=](rt::ExactTextEdit &edit) {
        QGuiApplication::clipboard()->setText(text);
        Key(QKeySequence::Paste)(edit);
    };
}

// The context menu's Paste, which comes to the box without a key.
Step PasteFromMenu(const QString &text)
{
    return [=](rt::ExactTextEdit &edit) {
        QGuiApplication::clipboard()->setText(text);
        edit.paste();
    };
}

QPoint PointOf(const rt::ExactTextEdit &edit, int position)
{
    QTextCursor cursor(edit.document());
    cursor.setPosition(position);
    return edit.cursorRect(cursor).center();
}

// The drag enters first, and the drop follows only if the box took the drag in, as the window
// system's drop does: the application hands a drop to the widget that accepted the drag.
void SendDrop(rt::ExactTextEdit &edit, QPoint at, const QMimeData *data)
{
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(edit.viewport(), &enter);
    if (!enter.isAccepted())
        return;
    QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(edit.viewport(), &drop);
}

// Text dragged in from another program and dropped at a position.
Step Drop(const QString &text, int at)
{
    return [=](rt::ExactTextEdit &edit) {
        QMimeData data;
        data.setText(text);
        SendDrop(edit, PointOf(edit, at), &data);
    };
}

// A drag-move of the selection [from, to) to an earlier position, as Qt's text control makes it:
// one edit in which the selection is removed and the dragged data dropped at the target. The data is
// what the box makes of its selection, as for a drag; the target comes before the selection, so that
// the removal does not move it.
Step DragMove(int from, int to, int at)
{
    return [=](rt::ExactTextEdit &edit) {
        Select(from, to)(edit);
        edit.copy();
        const QPoint target = PointOf(edit, at);
        QTextCursor oneEdit(edit.document());
        oneEdit.beginEditBlock();
        edit.textCursor().removeSelectedText();
        SendDrop(edit, target, QGuiApplication::clipboard()->mimeData());
        oneEdit.endEditBlock();
    };
}

// An input method's commit, replacing `replaceLength` characters from `replaceFrom` off the cursor.
Step Commit(const QString &text, int replaceFrom = 0, int replaceLength = 0)
{
    return [=](rt::ExactTextEdit &edit) {
        QInputMethodEvent commit;
        commit.setCommitString(text, replaceFrom, replaceLength);
        QCoreApplication::sendEvent(&edit, &commit);
    };
}

const Step Undo = Key(QKeySequence::Undo);
const Step Redo = Key(QKeySequence::Redo);
const Step SelectAll = Key(QKeySequence::SelectAll);
const Step ToEnd = Key(Qt::Key_End, Qt::ControlModifier);
const Step Backspace = Key(Qt::Key_Backspace);
const Step Delete = Key(Qt::Key_Delete);
const Step Return = Key(Qt::Key_Return);
const Step ShiftReturn = Key(Qt::Key_Return, Qt::ShiftModifier);

// A box of its own, shown and holding the focus, so that keys reach it as the user's do.
class ExactTextEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        edit.resize(300, 120);
        edit.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&edit));
        edit.setFocus();
    }

    void Run(const std::vector<Step> &steps)
    {
        for (const Step &step : steps)
            step(edit);
    }

    rt::ExactTextEdit edit{nullptr};
};

TEST_F(ExactTextEditTest, BreaksReadAsPutUnlessTheUserMadeThem)
{
    const struct
    {
        const char *what;
        QString put;
        std::vector<Step> steps;
        QString expected;
    } rows[] = {
        {"Backspace over a put CR LF, undone", QStringLiteral("a\r\nb\r\nc"), {At(2), Backspace, Undo},
         QStringLiteral("a\r\nb\r\nc")},
        {"Backspace over a put CR LF, undone, redone", QStringLiteral("a\r\nb\r\nc"), {At(2), Backspace, Undo, Redo},
         QStringLiteral("ab\r\nc")},
        {"Delete of a put CR, undone, redone, undone", QStringLiteral("a\rb"), {At(1), Delete, Undo, Redo, Undo},
         QStringLiteral("a\rb")},
        {"all selected and typed over, undone", QStringLiteral("one\r\ntwo\rthree"),
         {SelectAll, Type(QStringLiteral("x")), Undo}, QStringLiteral("one\r\ntwo\rthree")},
        {"all selected and typed over, undone, redone", QStringLiteral("one\r\ntwo\rthree"),
         {SelectAll, Type(QStringLiteral("x")), Undo, Redo}, QStringLiteral("x")},
        {"undo right after a put takes nothing back", QStringLiteral("a\r\nb\u2029c\uFDD0d\uFDD1e\u2028f"), {Undo},
         QStringLiteral("a\r\nb\u2029c\uFDD0d\uFDD1e\u2028f")},
        {"several edits undone back to the put text", QStringLiteral("a\u2029b\rc\u2028d"),
         {ToEnd, Return, Type(QStringLiteral("e")), At(1), Delete, Paste(QStringLiteral("x\ny")), Undo, Undo, Undo, Undo,
          Undo, Undo},
         QStringLiteral("a\u2029b\rc\u2028d")},
        {"a typed break undone and redone", QStringLiteral("a\u2029b"),
         {ToEnd, Return, Type(QStringLiteral("c")), Undo, Undo, Redo, Redo}, QStringLiteral("a\u2029b\nc")},
        {"a drag-move across put breaks", QStringLiteral("a\r\nb\r\nc\r\nd"), {DragMove(4, 7, 1)},
         QStringLiteral("ac\nd\r\nb\r\n")},
        {"a drag-move across put breaks, undone in one step", QStringLiteral("a\r\nb\r\nc\r\nd"),
         {DragMove(4, 7, 1), Undo}, QStringLiteral("a\r\nb\r\nc\r\nd")},
        {"a drag-move of a no-break space", QStringLiteral("z\r\nx\u00A0y"), {DragMove(2, 5, 0)},
         QStringLiteral("x\u00A0yz\r\n")},
        {"Shift+Return beside a put U+2028", QStringLiteral("a\u2028b"), {ToEnd, ShiftReturn, Type(QStringLiteral("c"))},
         QStringLiteral("a\u2028b\nc")},
        {"Shift+Return in an empty line after a put CR LF", QStringLiteral("a\r\n"), {ToEnd, ShiftReturn},
         QStringLiteral("a\r\n\n")},
        {"Return in an empty line after a put CR LF", QStringLiteral("a\r\n\r\nb"), {At(2), Return},
         QStringLiteral("a\r\n\n\r\nb")},
        {"typing in an empty line after a put CR LF, then Return", QStringLiteral("a\r\n"),
         {ToEnd, Type(QStringLiteral("x")), Return, Type(QStringLiteral("y"))}, QStringLiteral("a\r\nx\ny")},
        {"typing right after a put U+2028, then Return", QStringLiteral("a\u2028b"),
         {At(2), Type(QStringLiteral("x")), Return}, QStringLiteral("a\u2028x\nb")},
        {"Return over a selection of put breaks", QStringLiteral("a\r\nb\r\nc"), {Select(1, 4), Return},
         QStringLiteral("a\nc")},
        {"a paste in an empty line after a put CR LF", QStringLiteral("a\r\n"),
         {ToEnd, Paste(QStringLiteral("p\rq\u2028r\r\ns\u2029t"))}, QStringLiteral("a\r\np\nq\nr\ns\nt")},
        {"a paste over a selection of a put break", QStringLiteral("a\r\nb\rc"),
         {Select(1, 3), Paste(QStringLiteral("-"))}, QStringLiteral("a-\rc")},
        {"copied and pasted: the no-break space kept, the break a line feed", QStringLiteral("a\u00A0b\r\nc"),
         {SelectAll, Key(QKeySequence::Copy), ToEnd, Key(QKeySequence::Paste)},
         QStringLiteral("a\u00A0b\r\nca\u00A0b\nc")},
        {"text dropped from another program in an empty line after a put CR LF", QStringLiteral("a\r\n"),
         {Drop(QStringLiteral("x\ry"), 2)}, QStringLiteral("a\r\nx\ny")},
        {"an input method's commit in an empty line after a put CR LF", QStringLiteral("a\r\n"),
         {ToEnd, Commit(QStringLiteral("x\ry"))}, QStringLiteral("a\r\nx\ny")},
        {"an input method's commit replacing what comes before the cursor", QStringLiteral("a\r\nbc"),
         {ToEnd, Commit(QStringLiteral("x\ry"), -1, 1)}, QStringLiteral("a\r\nbx\ny")},
    };
    for (const auto &row : rows) {
        edit.setText(row.put);
        Run(row.steps);
        EXPECT_EQ(Shown(edit.text()), Shown(row.expected)) << row.what;
    }
}

TEST_F(ExactTextEditTest, ReadOnlyBoxTakesNoBreak)
{
    const QString put = QStringLiteral("a\r\n");
    edit.setText(put);
    edit.setReadOnly(true);
    Run({ToEnd, Return, ShiftReturn, Paste(QStringLiteral("x\ny")), PasteFromMenu(QStringLiteral("x\ny")),
         Drop(QStringLiteral("x\ny"), 2)});
    EXPECT_EQ(Shown(edit.text()), Shown(put));
}

TEST_F(ExactTextEditTest, CursorStaysInSightAfterTheUsersBreaks)
{
    const struct
    {
        const char *what;
        Step step;
    } rows[] = {
        {"Return", Return},
        {"Shift+Return", ShiftReturn},
        {"paste from the context menu", PasteFromMenu(QStringLiteral("x\ny"))},
        {"input method's commit", Commit(QStringLiteral("x\ny"))},
    };
    for (const auto &row : rows) {
        edit.setText(QString(200, QLatin1Char('\r')));
        ToEnd(edit);
        edit.verticalScrollBar()->setValue(0);
        row.step(edit);
        EXPECT_TRUE(edit.viewport()->rect().contains(edit.cursorRect())) << row.what;
    }
}

} // namespace
