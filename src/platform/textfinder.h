// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QList>
#include <QString>

namespace Voruvar::Platform {

// Finds every place a text occurs in another, ignoring letter case and accents ("a" finds "Á",
// "e" finds "é"), and gives each as a position and length in the searched text. Built once per
// text searched, so stepping through the matches of a long page costs nothing.
class TextFinder final
{
public:
    struct Match
    {
        qsizetype position = 0;
        qsizetype length = 0;
        friend bool operator==(const Match &, const Match &) = default;
    };

    explicit TextFinder(const QString &text = QString());

    // Every match, in order; none for an empty text.
    QList<Match> findAll(const QString &what) const;

    // The text as matched: lower case, accents dropped.
    static QString fold(const QString &text);

private:
    QString m_folded;
    QList<qsizetype> m_origin; // for each folded character, its position in the text
    qsizetype m_length = 0;
};

} // namespace Voruvar::Platform
