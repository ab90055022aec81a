// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "searchquery.h"

#include "core/foldedtext.h"
#include "searchdocument.h"

#include <QHash>

#include <algorithm>
#include <bit>

namespace Voruvar::Catalog {

namespace {

// Terms beyond this many are ignored: each is one bit of a line's mask.
constexpr int maxTerms = 16;
// A term found more often than this in one document (a single letter, say) is not looked at
// further there: its later lines would not reach the list anyway.
constexpr int maxMatchesPerTerm = 4000;

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c.isMark();
}

bool isJoiner(QChar c)
{
    return c == u'.' || c == u',' || c == u'/' || c == u'-' || c == u'\'';
}

struct LineMatch
{
    quint32 terms = 0;
    SearchQuery::Fit fit = SearchQuery::Fit::None;
    qsizetype position = -1; // of the best match, in folded text
    qsizetype length = 0;
};

struct Candidate
{
    int rank = 0; // 0: the title does not hold every term; otherwise 1 + its worst fit
    int terms = 0;
    bool phrase = false; // the line holds the terms as typed, one after the other
    SearchQuery::Fit fit = SearchQuery::Fit::None;
    int document = 0;
    qsizetype lineStart = 0; // in folded text
    qsizetype position = -1;
    qsizetype length = 0;
};

bool before(const Candidate &a, const Candidate &b)
{
    if (a.rank != b.rank)
        return a.rank > b.rank;
    if (a.terms != b.terms)
        return a.terms > b.terms;
    if (a.phrase != b.phrase)
        return a.phrase;
    if (a.fit != b.fit)
        return a.fit > b.fit;
    if (a.document != b.document)
        return a.document < b.document;
    return a.lineStart < b.lineStart;
}

SearchQuery::Fit bestFitIn(QStringView folded, const QString &term)
{
    SearchQuery::Fit best = SearchQuery::Fit::None;
    for (qsizetype at = folded.indexOf(term); at >= 0 && best != SearchQuery::Fit::Whole;
         at = folded.indexOf(term, at + 1))
        best = std::max(best, SearchQuery::fitAt(folded, at, at + term.size()));
    return best;
}

// How many times the text stands in the page before the position, counted as a find steps
// through the page: case-insensitively, each find starting where the previous one ended.
int occurrencesBefore(const QString &page, const QString &text, qsizetype position)
{
    int count = 0;
    for (qsizetype at = page.indexOf(text, 0, Qt::CaseInsensitive); at >= 0 && at < position;
         at = page.indexOf(text, at + text.size(), Qt::CaseInsensitive))
        ++count;
    return count;
}

SearchHit hitFor(const Candidate &candidate, const SearchDocument &document)
{
    SearchHit hit;
    hit.title = document.source.title;
    hit.path = document.source.path;
    hit.titleMatch = candidate.rank > 0;
    const Core::FoldedText &folded = document.folded;
    const qsizetype lineBegin = folded.originalBegin(candidate.lineStart);
    qsizetype lineEnd = document.text.indexOf(u'\n', lineBegin);
    if (lineEnd < 0)
        lineEnd = document.text.size();
    const QStringView line = QStringView(document.text).sliced(lineBegin, lineEnd - lineBegin);
    if (candidate.position < 0) {
        qsizetype unused = 0;
        hit.snippet = SearchQuery::snippet(line, 0, 0, &unused);
        return hit;
    }
    const qsizetype begin = folded.originalBegin(candidate.position);
    const qsizetype end = folded.originalEnd(candidate.position + candidate.length);
    hit.matchedText = document.text.sliced(begin, end - begin);
    hit.occurrence = occurrencesBefore(document.text, hit.matchedText, begin);
    hit.snippet = SearchQuery::snippet(line, begin - lineBegin, end - begin, &hit.markStart);
    hit.markLength = end - begin;
    return hit;
}

} // namespace

SearchQuery::SearchQuery(QStringView query)
{
    const QString folded = Core::FoldedText::foldedString(query);
    for (QStringView word : QStringView(folded).split(u' ', Qt::SkipEmptyParts)) {
        // Punctuation typed around a word is no part of it.
        static constexpr QStringView around = u",;:!?()[]{}\"";
        while (!word.isEmpty() && around.contains(word.front()))
            word = word.sliced(1);
        while (!word.isEmpty() && around.contains(word.back()))
            word.chop(1);
        const QString term = word.trimmed().toString();
        if (!term.isEmpty() && !m_terms.contains(term) && m_terms.size() < maxTerms)
            m_terms.append(term);
    }
    m_phrase = m_terms.join(u' ');
}

SearchQuery::Fit SearchQuery::fitAt(QStringView folded, qsizetype begin, qsizetype end)
{
    const qsizetype size = folded.size();
    const auto joinedBefore = [&] {
        if (begin == 0)
            return false;
        const QChar previous = folded[begin - 1];
        if (isWordCharacter(previous) || previous == u'#')
            return true;
        return isJoiner(previous) && begin >= 2 && isWordCharacter(folded[begin - 2]) && isWordCharacter(folded[begin]);
    };
    const auto joinedAfter = [&] {
        if (end >= size)
            return false;
        const QChar next = folded[end];
        if (isWordCharacter(next))
            return true;
        return (isJoiner(next) || next == u'#') && end + 1 < size && isWordCharacter(folded[end + 1]) &&
               isWordCharacter(folded[end - 1]);
    };
    if (joinedBefore())
        return Fit::Inside;
    return joinedAfter() ? Fit::Prefix : Fit::Whole;
}

QString SearchQuery::snippet(QStringView line, qsizetype begin, qsizetype length, qsizetype *markStart)
{
    // The match starts about a third of the way in, at the start of a word where one is near.
    constexpr qsizetype lead = snippetLength / 3;
    qsizetype from = 0;
    if (line.size() > snippetLength && begin > lead) {
        from = std::min(begin - lead, line.size() - snippetLength);
        const qsizetype space = line.indexOf(u' ', from);
        if (space >= 0 && space < from + 12 && space < begin)
            from = space + 1;
    }
    qsizetype to = std::min(line.size(), from + std::max(snippetLength, length + lead));
    if (to < line.size()) {
        const qsizetype space = line.lastIndexOf(u' ', to);
        if (space > begin + length && space > to - 12)
            to = space;
    }
    QString text;
    if (from > 0)
        text += QChar(0x2026);
    *markStart = begin - from + text.size();
    text += line.sliced(from, to - from);
    if (to < line.size())
        text += QChar(0x2026);
    return text;
}

QList<SearchHit> SearchQuery::run(const QList<std::shared_ptr<const SearchDocument>> &documents, int limit) const
{
    QList<SearchHit> hits;
    if (m_terms.isEmpty() || limit <= 0)
        return hits;
    const quint32 allTerms = (quint32(1) << m_terms.size()) - 1;
    std::vector<Candidate> candidates;
    QHash<qsizetype, LineMatch> lines;
    for (int d = 0; d < documents.size(); ++d) {
        const SearchDocument &document = *documents[d];
        const QStringView text = document.folded.text;

        quint32 inTitle = 0;
        Fit worstTitleFit = Fit::Whole;
        for (int t = 0; t < m_terms.size(); ++t) {
            const Fit fit = bestFitIn(document.foldedTitle, m_terms[t]);
            if (fit != Fit::None)
                inTitle |= quint32(1) << t;
            worstTitleFit = std::min(worstTitleFit, fit);
        }

        lines.clear();
        quint32 inText = 0;
        for (int t = 0; t < m_terms.size(); ++t) {
            const QString &term = m_terms[t];
            int matches = 0;
            for (qsizetype at = text.indexOf(term); at >= 0 && matches < maxMatchesPerTerm;
                 at = text.indexOf(term, at + term.size()), ++matches) {
                inText |= quint32(1) << t;
                const qsizetype lineStart = at == 0 ? 0 : text.lastIndexOf(u'\n', at - 1) + 1;
                LineMatch &line = lines[lineStart];
                line.terms |= quint32(1) << t;
                const Fit fit = fitAt(text, at, at + term.size());
                if (fit > line.fit) {
                    line.fit = fit;
                    line.position = at;
                    line.length = term.size();
                }
            }
        }
        if ((inTitle | inText) != allTerms)
            continue;

        const int rank = inTitle == allTerms ? 1 + int(worstTitleFit) : 0;
        std::vector<Candidate> found;
        found.reserve(lines.size());
        for (auto it = lines.cbegin(); it != lines.cend(); ++it) {
            Candidate line{rank, std::popcount(it->terms), false, it->fit, d, it.key(), it->position, it->length};
            // A line with every term may hold them as typed: that phrase is the match then.
            if (m_terms.size() > 1 && it->terms == allTerms) {
                qsizetype end = text.indexOf(u'\n', line.lineStart);
                end = end < 0 ? text.size() : end;
                const qsizetype at = text.sliced(line.lineStart, end - line.lineStart).indexOf(m_phrase);
                if (at >= 0) {
                    line.phrase = true;
                    line.position = line.lineStart + at;
                    line.length = m_phrase.size();
                    line.fit = fitAt(text, line.position, line.position + line.length);
                }
            }
            found.push_back(line);
        }
        // A title match with no line holding a term still shows the page's first line.
        if (found.empty() && !text.isEmpty())
            found.push_back({rank, 0, false, Fit::None, d, 0, -1, 0});
        const auto kept = found.begin() + std::min<qsizetype>(hitsPerDocument, found.size());
        std::partial_sort(found.begin(), kept, found.end(), before);
        candidates.insert(candidates.end(), found.begin(), kept);
    }

    const auto taken = candidates.begin() + std::min<qsizetype>(limit, candidates.size());
    std::partial_sort(candidates.begin(), taken, candidates.end(), before);
    for (auto it = candidates.begin(); it != taken; ++it)
        hits.append(hitFor(*it, *documents[it->document]));
    return hits;
}

} // namespace Voruvar::Catalog
