// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "textfinder.h"

namespace Voruvar::Platform {

TextFinder::TextFinder(const QString &text) : m_folded(Core::FoldedText::fold(text)) {}

QList<TextFinder::Match> TextFinder::findAll(const QString &what) const
{
    QList<Match> matches;
    const QString needle = Core::FoldedText::foldedString(what);
    if (needle.isEmpty())
        return matches;
    const QString &folded = m_folded.text;
    for (qsizetype at = folded.indexOf(needle); at >= 0; at = folded.indexOf(needle, at + needle.size())) {
        const int start = m_folded.originalBegin(at);
        matches.append({start, m_folded.originalEnd(at + needle.size()) - start});
    }
    return matches;
}

} // namespace Voruvar::Platform
