// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>
#include <QStringView>

#include <span>

namespace Voruvar::Catalog {

// One row of the built-in category table: the title the list shows and the document that belongs
// to it. The table is the only place where titles and documents are paired.
struct BuiltInCategory
{
    QStringView title;    // in capitals, as the list shows it
    QStringView document; // a backslash and the document's file name, case kept ("\Cn.DOX")

    static constexpr int count = 42;

    // All rows, in the list's alphabetical order.
    static std::span<const BuiltInCategory> all();
    // The row whose title equals the text exactly (case-sensitive, not trimmed), or null.
    static const BuiltInCategory *findByTitle(QStringView title);

    // The document's path: the directory followed by the document name, with `\` read as a
    // path separator and exactly one separator between the two.
    QString documentPath(const QString &directory) const;
};

} // namespace Voruvar::Catalog
