// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "core/foldedtext.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace Voruvar::Catalog {

class UserDocuments;

// A document the search covers: the category it belongs to and the local file its page comes
// from, HTML or plain text.
struct SearchSource
{
    QString title;
    QString path;
    bool html = true;

    friend bool operator==(const SearchSource &, const SearchSource &) = default;

    // The documents of the listed categories that the search can read: every built-in page and
    // every local user document shown as a web page or as text (not web addresses, PDFs or
    // pictures). Each category counts once, with the document its selection leaves on show: the
    // built-in page for a built-in title, otherwise the last user entry of that title.
    static QList<SearchSource> forCategories(const QStringList &listedTitles, const QString &executableDirectory,
                                             const UserDocuments &userDocuments);
    // Whether a local file is read as HTML (true), as plain text (false), or not at all.
    static std::optional<bool> readsAsHtml(const QString &path);
};

// One document's text, read for searching, and the file state it was read at.
struct SearchDocument
{
    // At most this much of a file is read: far beyond any reference page.
    static constexpr qint64 readLimit = qint64(8) << 20;

    SearchSource source;
    qint64 size = -1; // -1: the file was missing
    QDateTime modified;
    QString text;      // the page's lines, joined by '\n'
    Core::FoldedText folded; // the same, folded, '\n' between the lines as well
    QString foldedTitle;

    static SearchDocument read(const SearchSource &source);
    // Whether the file is still as it was read (a missing file stays current while missing).
    bool isCurrent() const;
};

} // namespace Voruvar::Catalog
