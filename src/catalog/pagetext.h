// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace Voruvar::Catalog {

// The text a reader sees on a page, one line per paragraph, heading, list item or table row (the
// row's cells joined by cellSeparator), in the order a browser shows them. Runs of white space
// become one space; the head, styles, scripts and the attributes of elements (alt texts among
// them) are left out, as the browsers leave them out of the text they search.
class PageText final
{
public:
    PageText() = delete;

    // Between the cells of a table row. No search term holds it: terms are split at spaces.
    static constexpr QStringView cellSeparator = u" \u2502 ";

    static QStringList fromHtml(QStringView html);
    // Plain text: each line that is not blank, tabs as spaces.
    static QStringList fromPlainText(QStringView text);

    // The characters of a file: its byte-order mark or its declared charset when it has one,
    // otherwise UTF-8 when the bytes are valid UTF-8 and Windows-1252 when they are not, as a
    // browser reads a local file.
    static QString decode(QByteArrayView bytes, bool html);
};

} // namespace Voruvar::Catalog
