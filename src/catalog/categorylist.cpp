// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "categorylist.h"

#include "builtincategory.h"
#include "core/texttools.h"
#include "userdocuments.h"

#include <algorithm>
#include <vector>

namespace Voruvar::Catalog {

QString CategoryList::captionFor(const QString &strSitePath, const QString &strSiteName)
{
    // The product name carries the trade mark sign (code 153 of the Western code page).
    const QString product = QStringLiteral("RURARO") + QChar(0x2122) + QStringLiteral(" Voruvar");
    // The site path decides whether the site name is shown; the name is shown as stored.
    if (Core::trimBlanks(strSitePath).isEmpty())
        return product;
    return product + QStringLiteral(" - ") + strSiteName;
}

QString CategoryList::countTextFor(qsizetype entries)
{
    return QString::number(entries) + QStringLiteral(" Categories Available.");
}

namespace {

// The entry with its letters folded: comparing folded keys unit by unit is comparing entries
// without regard to letter case. Each entry is folded once, not at every comparison.
QString sortKey(QStringView entry)
{
    QString key(entry.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(key.data());
    for (const QChar c : entry) {
        const char16_t unit = c.unicode();
        if (unit < 0x80)
            *out++ = (unit >= u'A' && unit <= u'Z') ? char16_t(unit + 32) : unit;
        else
            *out++ = char16_t(QChar::toCaseFolded(char32_t(unit)));
    }
    return key;
}

std::vector<QString> sortKeys(const QStringList &entries)
{
    std::vector<QString> keys;
    keys.reserve(entries.size());
    for (const QString &entry : entries)
        keys.push_back(sortKey(entry));
    return keys;
}

bool keyLess(const QString &a, const QString &b)
{
    return QStringView(a).compare(QStringView(b)) < 0;
}

// The positions of the entries in sorted order; equal entries keep their order.
std::vector<qsizetype> sortedOrder(const std::vector<QString> &keys)
{
    std::vector<qsizetype> order(keys.size());
    for (qsizetype i = 0; i < qsizetype(order.size()); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&keys](qsizetype a, qsizetype b) { return keyLess(keys[a], keys[b]); });
    return order;
}

} // namespace

void CategoryList::sortEntries(QStringList &entries)
{
    QStringList sorted;
    sorted.reserve(entries.size());
    for (const qsizetype i : sortedOrder(sortKeys(entries)))
        sorted.append(entries[i]);
    entries = std::move(sorted);
}

CategoryList CategoryList::build(const Inputs &inputs, UserDocuments &userDocuments)
{
    CategoryList list;
    list.caption = captionFor(inputs.strSitePath, inputs.strSiteName);
    QStringList builtIn;
    if (inputs.bytBypassBuiltIns == 0) {
        for (const BuiltInCategory &row : BuiltInCategory::all())
            builtIn.append(row.title.toString());
    }
    const QStringList user = userDocuments.load(inputs.userDocumentsFile);

    // The built-in titles are already in order: sort the user titles alone and merge them in,
    // rather than placing every entry one at a time. On equal keys the built-in entry comes first.
    const std::vector<QString> builtInKeys = sortKeys(builtIn);
    const std::vector<QString> userKeys = sortKeys(user);
    const std::vector<qsizetype> userOrder = sortedOrder(userKeys);
    list.entries.reserve(builtIn.size() + user.size());
    qsizetype b = 0;
    auto u = userOrder.cbegin();
    while (b < builtIn.size() || u != userOrder.cend()) {
        if (u == userOrder.cend() || (b < builtIn.size() && !keyLess(userKeys[*u], builtInKeys[b])))
            list.entries.append(builtIn[b++]);
        else
            list.entries.append(user[*u++]);
    }
    list.countText = countTextFor(list.entries.size());
    return list;
}

} // namespace Voruvar::Catalog
