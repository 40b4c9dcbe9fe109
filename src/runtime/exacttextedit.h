// A multi-line text edit whose text comes back exactly as it was put or typed.
#pragma once

#include <QPlainTextEdit>
#include <QStringList>

namespace rt {

// QPlainTextEdit's plain text turns no-break spaces into spaces and every line break (CR, CR LF,
// LF, U+2028, U+2029) into a line feed. This edit reads the document's raw text instead, and keeps
// each paragraph break as the text that made it; a break typed or pasted reads as a line feed.
class ExactTextEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit ExactTextEdit(QWidget *parent);

    QString text() const;
    void setText(const QString &text);

private:
    void contentsChanged(int position);

    QStringList m_breaks;  // one per paragraph break in the document, in order
    QString m_raw;         // the document's raw text when m_breaks was last brought up to date
    bool m_setting = false;
};

} // namespace rt
