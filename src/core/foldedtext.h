// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace Voruvar::Core {

// Text as the search compares it: letters case-folded, accents dropped (canonical decomposition
// without its combining marks), the dashes and minus signs of printed tables read as "-", the
// fraction slash as "/" and the narrow and no-break spaces as spaces. Every folded character
// remembers where it came from, so a match in folded text is a range of the original.
struct FoldedText
{
    QString text;
    // origin[i] is the index in the original of folded character i; origin[text.size()] is the
    // original's length.
    QList<int> origin;

    static FoldedText fold(QStringView original);
    // The folded text alone.
    static QString foldedString(QStringView original);

    // The original range [begin, end) a folded range [begin, end) came from.
    int originalBegin(qsizetype foldedBegin) const { return origin[foldedBegin]; }
    int originalEnd(qsizetype foldedEnd) const { return origin[foldedEnd]; }
};

} // namespace Voruvar::Core
