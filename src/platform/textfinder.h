// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "core/foldedtext.h"

#include <QList>
#include <QString>

namespace Voruvar::Platform {

// Finds every place a text occurs in another, compared as the search across the documents
// compares (letter case and accents ignored, dashes and minus signs alike), and gives each as a
// position and length in the searched text. Built once per text searched, so stepping through
// the matches of a long page costs nothing.
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

private:
    Core::FoldedText m_folded;
};

} // namespace Voruvar::Platform
