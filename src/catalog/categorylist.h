// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>
#include <QStringList>

namespace Voruvar::Catalog {

class UserDocuments;

// What the main window shows in its listing state: the caption, the sorted category list with
// built-in and user entries side by side, and the count line.
struct CategoryList
{
    QString caption;
    QStringList entries;
    QString countText;

    struct Inputs
    {
        QString strSitePath;
        QString strSiteName;
        quint8 bytBypassBuiltIns = 0;
        QString userDocumentsFile; // USER.ADD, read again at every build
    };

    // Builds the listing and refills the user entries from the file.
    static CategoryList build(const Inputs &inputs, UserDocuments &userDocuments);

    static QString captionFor(const QString &strSitePath, const QString &strSiteName);
    static QString countTextFor(qsizetype entries);
    // The list's order: alphabetical, ignoring letter case; equal entries keep the order in
    // which they were added, so duplicates stand side by side.
    static void sortEntries(QStringList &entries);
};

} // namespace Voruvar::Catalog
