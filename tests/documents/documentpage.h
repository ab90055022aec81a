// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace Voruvar::Tests {

// A generated reference document read back for tests: its HTML parsed as XML (the generator
// writes well-formed markup), its heading, and its tables as text, so a test can look up a
// value by table caption, row and column the way a reader would.
class DocumentPage final
{
public:
    struct Cell
    {
        QString text;       // the visible text, without the "exact" mark
        bool exact = false; // the cell carries the "exact" mark
    };
    struct Table
    {
        QString caption;
        QStringList header;
        QList<QList<Cell>> rows;
    };

    // Loads and parses the file; on failure returns false with the reason in *error.
    bool load(const QString &path, QString *error);

    const QString &html() const { return m_html; }
    const QString &title() const { return m_title; }     // <title>
    const QString &heading() const { return m_heading; } // first <h1>
    const QString &text() const { return m_text; }       // all visible body text
    const QList<Table> &tables() const { return m_tables; }
    QStringList classes() const { return m_classes; }       // every class attribute value used
    QStringList references() const { return m_references; } // every src and href value
    QStringList elements() const { return m_elements; }     // every element name used

    // The text of the cell in the row whose first cell is rowKey and the column whose header
    // starts with column, in the table whose caption contains caption (empty: any table).
    // Returns a "<...>" note instead when nothing or more than one cell matches, so the
    // comparison in the test fails and shows why.
    QString cell(const QString &caption, const QString &rowKey, const QString &column) const;
    // The number a cell shows: "6.4516 × 10⁻⁴", "10⁻⁹", "−430", "≈ 24.2", "1 000", "8,848.86",
    // "15/64", "48.6°" (NaN for any other text, so a garbled cell cannot pass for a number).
    static double number(const QString &cellText);
    // The numbers of a cell that holds one number or a range of two ("2.24–2.40"); empty if the
    // text is anything else.
    static QList<double> numbers(const QString &cellText);
    // Whether that cell carries the "exact" mark (false when it is not found).
    bool isExact(const QString &caption, const QString &rowKey, const QString &column) const;

private:
    const Cell *findCell(const QString &caption, const QString &rowKey, const QString &column, QString *why) const;

    QString m_html;
    QString m_title;
    QString m_heading;
    QString m_text;
    QList<Table> m_tables;
    QStringList m_classes;
    QStringList m_references;
    QStringList m_elements;
};

} // namespace Voruvar::Tests
