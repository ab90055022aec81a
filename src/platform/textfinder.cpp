// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "textfinder.h"

namespace Voruvar::Platform {

namespace {

// Appends the folded form of one character: its decomposition without the combining marks,
// in lower case. Plain ASCII, by far the most of a page, takes the short way.
void appendFolded(QChar c, QString &out)
{
    if (c.unicode() < 0x80) {
        out.append(c.toLower());
        return;
    }
    for (const QChar part : QString(c).normalized(QString::NormalizationForm_D)) {
        if (part.category() != QChar::Mark_NonSpacing)
            out.append(part.toLower());
    }
}

} // namespace

TextFinder::TextFinder(const QString &text) : m_length(text.size())
{
    m_folded.reserve(text.size());
    m_origin.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype before = m_folded.size();
        appendFolded(text[i], m_folded);
        for (qsizetype k = before; k < m_folded.size(); ++k)
            m_origin.append(i);
    }
}

QString TextFinder::fold(const QString &text)
{
    QString folded;
    folded.reserve(text.size());
    for (const QChar c : text)
        appendFolded(c, folded);
    return folded;
}

QList<TextFinder::Match> TextFinder::findAll(const QString &what) const
{
    QList<Match> matches;
    const QString needle = fold(what);
    if (needle.isEmpty())
        return matches;
    for (qsizetype at = m_folded.indexOf(needle); at >= 0; at = m_folded.indexOf(needle, at + needle.size())) {
        const qsizetype start = m_origin[at];
        const qsizetype lastFolded = at + needle.size() - 1;
        const qsizetype end = m_origin[lastFolded] + 1;
        matches.append({start, qMin(end, m_length) - start});
    }
    return matches;
}

} // namespace Voruvar::Platform
