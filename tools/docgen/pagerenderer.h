// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>

namespace Voruvar::DocGen {

struct CsvTable;

// Builds one reference document: the page body from <pageDir>/page.html with its
// {{table file.csv}} and {{figure file.svg | alt | width}} lines filled in, placed into the
// shared template with the shared stylesheet. Every fault (missing file, bad CSV, unknown
// markup, a body that is not well-formed, a reference outside the page, no title, no
// Sources footer) is an error, so a broken page stops the build instead of shipping.
class PageRenderer final
{
public:
    PageRenderer(QString templateText, QString styleText);

    // Returns the whole document, or an empty string with the reason in *error.
    QString render(const QString &pageDir, QString *error) const;

    // The rendered HTML of one table (exposed for tests of the table layout).
    static QString tableHtml(const CsvTable &table, const QString &pageDir, QString *error);

private:
    QString m_template;
    QString m_style;
};

} // namespace Voruvar::DocGen
