#include "exacttextedit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>

namespace rt {

namespace {

// The character-format property that holds a put break's text. It sits on the break's own
// character: a paragraph separator, or a U+2028 within its paragraph.
constexpr int PutBreak = QTextFormat::UserProperty + 1;

// The breaks of a text as QTextCursor::insertText() reads them: a CR LF is one break.
const QRegularExpression &Breaks()
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|[\r\n\u2028\u2029\uFDD0\uFDD1]"));
    return breaks;
}

// What a break reads as in its format.
QString BreakText(const QTextCharFormat &format)
{
    const QVariant put = format.property(PutBreak);
    return put.isValid() ? put.toString() : QStringLiteral("\n");
}

// Qt gives inserted text the format of the text before the cursor, and there a put break's mark
// may be: what the user types, pastes, drops or commits goes in without it, so its breaks read as
// line feeds.
void InsertTyped(QTextCursor &cursor, const QString &text)
{
    QTextCharFormat format = cursor.charFormat();
    format.clearProperty(PutBreak);
    cursor.insertText(text, format);
}

} // namespace

ExactTextEdit::ExactTextEdit(QWidget *parent)
    : QPlainTextEdit(parent)
{
}

QString ExactTextEdit::text() const
{
    QString text;
    text.reserve(document()->characterCount());
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        // A paragraph's format is the one of the separator before it.
        if (block != document()->begin())
            text += BreakText(block.charFormat());
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            QString raw = it.fragment().text();
            text += raw.replace(QChar::LineSeparator, BreakText(it.fragment().charFormat()));
        }
    }
    return text;
}

void ExactTextEdit::setText(const QString &text)
{
    setPlainText(text);
    markPutBreaks(text);
}

void ExactTextEdit::markPutBreaks(const QString &text)
{
    QTextDocument *doc = document();
    // The marks are part of the put text, not an edit: with undo off nothing can undo them, and
    // turning undo off leaves the history as setPlainText() left it, empty.
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    QTextCharFormat mark;
    qsizetype joined = 0;  // a CR LF is one character in the document
    for (const QRegularExpressionMatch &match : Breaks().globalMatch(text)) {
        const QString put = match.captured();
        const int at = static_cast<int>(match.capturedStart() - joined);
        joined += put.size() - 1;
        if (put == QLatin1Char('\n'))
            continue;
        cursor.setPosition(at);
        cursor.setPosition(at + 1, QTextCursor::KeepAnchor);
        mark.setProperty(PutBreak, put);
        cursor.mergeCharFormat(mark);
    }
    cursor.endEditBlock();
    doc->setUndoRedoEnabled(undo);
    doc->setModified(false);
}

void ExactTextEdit::keyPressEvent(QKeyEvent *event)
{
    // A key types one character, and Qt types it only when it is printable, which no break is:
    // Return and Shift+Return are the keys that type breaks.
    const bool paragraph = event->matches(QKeySequence::InsertParagraphSeparator);
    if (isReadOnly() || !(paragraph || event->matches(QKeySequence::InsertLineSeparator))) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    QTextCursor cursor = textCursor();
    InsertTyped(cursor, QChar(paragraph ? QChar::ParagraphSeparator : QChar::LineSeparator));
    setTextCursor(cursor);
    event->accept();
}

void ExactTextEdit::inputMethodEvent(QInputMethodEvent *event)
{
    if (isReadOnly() || !event->commitString().contains(Breaks())) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    // A commit with breaks goes in here, the rest as Qt does it, all one edit: the selection goes,
    // Qt ends what was being composed, the commit replaces what the input method asks, and Qt shows
    // what it composes next.
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    QInputMethodEvent endComposing;
    QPlainTextEdit::inputMethodEvent(&endComposing);
    cursor.setPosition(cursor.position() + event->replacementStart());
    cursor.setPosition(cursor.position() + event->replacementLength(), QTextCursor::KeepAnchor);
    InsertTyped(cursor, event->commitString());
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    QPlainTextEdit::inputMethodEvent(&composing);
    cursor.endEditBlock();
    ensureCursorVisible();
    event->accept();
}

QMimeData *ExactTextEdit::createMimeDataFromSelection() const
{
    // Qt's own copy makes a no-break space a space, and a drag-move would take that along. Breaks
    // go as line feeds, as Qt gives them.
    QString text = textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n')).replace(QChar::LineSeparator, QLatin1Char('\n'));
    auto *selection = new QMimeData;
    selection->setText(text);
    return selection;
}

void ExactTextEdit::insertFromMimeData(const QMimeData *source)
{
    // Pastes and drops, a drag-move's included: their plain text, as a plain text edit takes it.
    if (isReadOnly() || !source || source->text().isEmpty())
        return;
    QTextCursor cursor = textCursor();
    InsertTyped(cursor, source->text());
    setTextCursor(cursor);
}

} // namespace rt
