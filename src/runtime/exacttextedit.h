// A multi-line text edit whose text comes back exactly as it was put or typed.
#pragma once

#include <QPlainTextEdit>

namespace rt {

// QPlainTextEdit's plain text turns no-break spaces into spaces and every line break (CR, CR LF,
// LF, U+2028, U+2029, and U+FDD0/U+FDD1, which the document also breaks at) into a line feed. This
// edit reads the document's raw text instead. Each put break that is not a line feed carries its
// put text in its character format, so the document's own undo, redo and removal keep it with the
// break; a break the user types (Return, Shift+Return), pastes, drops or has an input method commit
// carries none and reads as a line feed. What is copied or dragged keeps its no-break spaces.
class ExactTextEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit ExactTextEdit(QWidget *parent);

    QString text() const;
    // A fresh start: the undo history is cleared with the old text.
    void setText(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void markPutBreaks(const QString &text);
};

} // namespace rt
