// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// A reference page's table as the document generator reads it: the CSV file, then the brace
// markup of every cell.
#include "csvtable.h"
#include "fuzzsupport.h"
#include "htmltext.h"

using namespace Voruvar;
using DocGen::CsvTable;
using DocGen::HtmlText;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(Fuzzing::bytesOf(data, size));
    CsvTable table;
    QString error;
    if (!CsvTable::parse(text, &table, &error)) {
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    const qsizetype columns = table.header.size();
    FUZZ_CHECK(columns > 0);
    for (const QStringList &row : std::as_const(table.rows))
        FUZZ_CHECK(row.size() == columns);
    FUZZ_CHECK(table.widths.isEmpty() || table.widths.size() == columns);
    FUZZ_CHECK(table.alignments.isEmpty() || table.alignments.size() == columns);

    // A figure whose name says so fails; the others become an element without braces.
    const HtmlText::FigureFunction figure = [](const QString &arguments, QString *why) {
        if (arguments.startsWith(u"missing"))
            *why = QStringLiteral("no such figure");
        return QStringLiteral("<img src=\"f.svg\"/>");
    };
    QList<QStringList> cells = table.rows;
    cells.append(table.header);
    for (const QStringList &row : std::as_const(cells)) {
        for (const QString &cell : row) {
            QString html;
            QString why;
            const bool rendered = HtmlText::renderMarkup(HtmlText::escape(cell), &html, &why, figure);
            FUZZ_CHECK(rendered == why.isEmpty());
            // Braces in the page come only from the markup that stands for them.
            if (rendered && !cell.contains(u"brace}"))
                FUZZ_CHECK(!html.contains(u'{') && !html.contains(u'}'));
            HtmlText::looksNumeric(cell);
        }
    }
    return 0;
}
