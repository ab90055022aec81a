// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <variant>

namespace Voruvar::Testing {

// Column types the fixtures use, with their Jet type codes.
enum class JetType : quint8 {
    Boolean = 0x01,
    Integer = 0x03,
    Long = 0x04,
    Double = 0x07,
    DateTime = 0x08,
    Text = 0x0A
};

struct JetColumnLayout
{
    QString name;
    JetType type = JetType::Text;
};

// One cell: null, a whole number, a floating-point number, text or Yes/No.
using JetCell = std::variant<std::monostate, qint64, double, QString, bool>;

struct JetTableLayout
{
    QString name;
    QList<JetColumnLayout> columns;
    QList<QList<JetCell>> rows; // at most one data page of rows
};

// Writes small Jet 4 (Access 2000) database files: the header with an optional database
// password, the catalog and one user table in seven pages, enough for mdbtools-based readers.
class JetFixtureWriter
{
public:
    QString password;                 // empty: no database password
    double creationDate = 45306.4375; // 2024-01-15 10:30, as an automation date
    QList<JetTableLayout> tables;       // up to two user tables

    QByteArray bytes() const;
    bool save(const QString &path) const;

    // The header page of a Jet 3 (Access 97) file, with its single-byte password; a file of this
    // page alone has no catalog.
    static QByteArray jet3Header(const QString &password);

    // A database with the table Keys(Key Text, Value <valueType>) holding the given rows of key and value.
    static JetFixtureWriter keys(const QString &password, JetType valueType, const QList<QList<JetCell>> &rows);

    static constexpr int pageSize = 4096;
};

} // namespace Voruvar::Testing
