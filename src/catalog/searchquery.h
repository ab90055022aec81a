// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>

namespace Voruvar::Catalog {

struct SearchDocument;

// One line of a page that the search found.
struct SearchHit
{
    QString title;   // the category
    QString path;    // the document's file
    QString snippet; // the line, shortened around the match
    // The match within the snippet; -1 when only the title matched.
    qsizetype markStart = -1;
    qsizetype markLength = 0;
    // The match as the page writes it, and how many times that text (in any letter case) stands
    // in the page before it: what a find in the shown page steps through to reach it.
    QString matchedText;
    int occurrence = 0;
    bool titleMatch = false; // every term is in the category's title
};

// A search over the documents' text. The terms are the words of the query, folded like the
// text; a number is a term as it is written ("0.2570", "1/4-20", "#7"), since only white space
// splits the query. A document is found when each term is in its text or its title. Every line
// holding a term is a hit, best first per document and at most a few per document; hits rank
// by: all terms in the title, then how many terms the line holds, then whether it holds them as
// typed (one after the other, which is then the match), then how well they fit (a whole word or
// number before the start of one before a part of one), then the list's order.
class SearchQuery final
{
public:
    static constexpr int hitsPerDocument = 5;
    static constexpr qsizetype snippetLength = 90;

    enum class Fit { None, Inside, Prefix, Whole };

    explicit SearchQuery(QStringView query);

    bool isEmpty() const { return m_terms.isEmpty(); }
    const QStringList &terms() const { return m_terms; }

    QList<SearchHit> run(const QList<std::shared_ptr<const SearchDocument>> &documents, int limit) const;

    // How a match at [begin, end) of folded text fits the words around it. Inside a number the
    // marks ".", ",", "/", "-" join its parts, and "#" joins what follows it, so "20" fits
    // "1/4-20" only as a part while "M10" fits "M10 × 1.25" as a whole.
    static Fit fitAt(QStringView folded, qsizetype begin, qsizetype end);

    // The line around an original range, cut to about snippetLength characters with the range
    // in view; the range's place in the result goes to *markStart.
    static QString snippet(QStringView line, qsizetype begin, qsizetype length, qsizetype *markStart);

private:
    QStringList m_terms;
    QString m_phrase; // the terms as typed, one space apart
};

} // namespace Voruvar::Catalog
