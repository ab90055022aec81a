// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QByteArray>

// A stand-in reference document of realistic size, for benchmarks run before the real documents
// are built: a titled page with a 80-row, 6-column chart (the size of the longer built-in charts) in the styled-table
// subset.
inline QByteArray benchDocument(const char *title, int rows = 80)
{
    QByteArray html;
    html.append("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>").append(title);
    html.append("</title><style>table{border-collapse:collapse}th{background:#dde}"
                "th,td{border:1px solid #666;padding:2px 6px}</style></head><body><h1>");
    html.append(title).append("</h1><p>Sizes, tap drills and clearances.</p><table><thead><tr>"
                              "<th>Size</th><th>Threads/in</th><th>Major mm</th><th>Tap drill</th>"
                              "<th>Decimal in</th><th>Clearance</th></tr></thead><tbody>");
    for (int row = 1; row <= rows; ++row) {
        html.append("<tr><td>#").append(QByteArray::number(row));
        html.append("</td><td>").append(QByteArray::number(80 - row % 60));
        html.append("</td><td>").append(QByteArray::number(row * 0.254, 'f', 3));
        html.append("</td><td>").append(QByteArray::number(row % 26 + 1));
        html.append("</td><td>").append(QByteArray::number(row * 0.0071, 'f', 4));
        html.append("</td><td>").append(QByteArray::number(row * 0.0079, 'f', 4)).append("</td></tr>");
    }
    return html.append("</tbody></table></body></html>");
}
