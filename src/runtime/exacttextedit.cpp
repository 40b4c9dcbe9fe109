#include "exacttextedit.h"

#include <QRegularExpression>
#include <QTextDocument>

#include <algorithm>

namespace rt {

namespace {

// The document's raw text has this one character where a paragraph break stands.
constexpr QChar Break = QChar::ParagraphSeparator;

// What the document turns into a paragraph break when text is put.
QStringList BreaksIn(const QString &text)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|[\r\n\u2029\uFDD0\uFDD1]"));
    QStringList found;
    for (const QRegularExpressionMatch &match : breaks.globalMatch(text))
        found.append(match.captured());
    return found;
}

qsizetype CommonPrefix(QStringView a, QStringView b)
{
    return std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin();
}

qsizetype CommonSuffix(QStringView a, QStringView b)
{
    return std::mismatch(a.rbegin(), a.rend(), b.rbegin(), b.rend()).first - a.rbegin();
}

} // namespace

ExactTextEdit::ExactTextEdit(QWidget *parent)
    : QPlainTextEdit(parent)
{
    connect(document(), &QTextDocument::contentsChange, this, &ExactTextEdit::contentsChanged);
}

QString ExactTextEdit::text() const
{
    QString text;
    text.reserve(m_raw.size());
    qsizetype next = 0;
    for (const QChar c : m_raw) {
        if (c == Break && next < m_breaks.size())
            text += m_breaks[next++];
        else
            text += c;
    }
    return text;
}

void ExactTextEdit::setText(const QString &text)
{
    m_setting = true;
    setPlainText(text);
    m_setting = false;
    m_raw = document()->toRawText();
    m_breaks = BreaksIn(text);
}

void ExactTextEdit::contentsChanged(int position)
{
    if (m_setting)
        return;
    const QString raw = document()->toRawText();
    // The changed stretch: what differs between the old and the new raw text, starting no later than
    // where the document says the change began, so that of two like breaks the right one goes.
    const qsizetype start = std::min<qsizetype>(CommonPrefix(m_raw, raw), std::max(0, position));
    const qsizetype end = CommonSuffix(QStringView(m_raw).mid(start), QStringView(raw).mid(start));
    const QStringView before = QStringView(m_raw).mid(start, m_raw.size() - start - end);
    const QStringView after = QStringView(raw).mid(start, raw.size() - start - end);

    const qsizetype first = QStringView(m_raw).left(start).count(Break);
    m_breaks.remove(first, std::min(before.count(Break), m_breaks.size() - first));
    for (qsizetype i = 0, n = after.count(Break); i < n; ++i)
        m_breaks.insert(first, QStringLiteral("\n"));
    m_raw = raw;
}

} // namespace rt
