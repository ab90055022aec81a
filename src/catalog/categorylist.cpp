// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "categorylist.h"

#include "builtincategory.h"
#include "host/texttools.h"
#include "userdocuments.h"

#include <algorithm>

namespace Voruvar::Catalog {

QString CategoryList::captionFor(const QString &strSitePath, const QString &strSiteName)
{
    // The product name carries the trade mark sign (code 153 of the Western code page).
    const QString product = QStringLiteral("RURARO") + QChar(0x2122) + QStringLiteral(" Voruvar");
    // The site path decides whether the site name is shown; the name is shown as stored.
    if (Host::trimBlanks(strSitePath).isEmpty())
        return product;
    return product + QStringLiteral(" - ") + strSiteName;
}

QString CategoryList::countTextFor(qsizetype entries)
{
    return QString::number(entries) + QStringLiteral(" Categories Available.");
}

void CategoryList::sortEntries(QStringList &entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
}

CategoryList CategoryList::build(const Inputs &inputs, UserDocuments &userDocuments)
{
    CategoryList list;
    list.caption = captionFor(inputs.strSitePath, inputs.strSiteName);
    if (inputs.bytBypassBuiltIns == 0) {
        for (const BuiltInCategory &row : BuiltInCategory::all())
            list.entries.append(row.title.toString());
    }
    const QStringList userTitles = userDocuments.load(inputs.userDocumentsFile);
    // The built-in titles are already in order: sort the user titles alone and merge, rather
    // than placing every entry one at a time.
    QStringList sortedUser = userTitles;
    sortEntries(sortedUser);
    QStringList merged;
    merged.reserve(list.entries.size() + sortedUser.size());
    std::merge(list.entries.cbegin(), list.entries.cend(), sortedUser.cbegin(), sortedUser.cend(),
               std::back_inserter(merged),
               [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    list.entries = std::move(merged);
    list.countText = countTextFor(list.entries.size());
    return list;
}

} // namespace Voruvar::Catalog
