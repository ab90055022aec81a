// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace Voruvar::DocGen {

// One table of a reference page as written in its CSV file: RFC 4180 fields, the first record
// is the header, and optional leading "# key: value" lines give the caption, the column
// alignment and the table width.
struct CsvTable
{
    QString caption;
    QString width;          // e.g. "100%"; empty lets the table size to its content
    QString styleClass;     // extra class of the table, e.g. "compact"
    QStringList alignments; // "left", "right" or "center" per column; empty means automatic
    QStringList widths;     // share of the table width per column, e.g. "30%"; empty: automatic
    QStringList header;
    QList<QStringList> rows;

    // Parses the file's text. On failure returns false and puts the line and reason in *error.
    static bool parse(const QString &text, CsvTable *table, QString *error);
};

} // namespace Voruvar::DocGen
