// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "core/errordetail.h"

#include <QString>

namespace Voruvar::Platform {

// One key looked up in a table of a password-protected Jet database: the first row whose key
// column holds the key, and that row's value column.
struct JetKeyQuery
{
    QString file;
    QString password;
    QString table;
    QString keyColumn;
    QString key;
    QString valueColumn;

    friend bool operator==(const JetKeyQuery &, const JetKeyQuery &) = default;
};

// A value as the database holds it: null, text or a number (every numeric column type, and
// Yes/No as -1 or 0).
struct JetValue
{
    enum class Type { Null, Text, Number };
    Type type = Type::Null;
    QString text;
    double number = 0.0;

    static JetValue null() { return {}; }
    static JetValue fromText(QString t) { return {Type::Text, std::move(t), 0.0}; }
    static JetValue fromNumber(double n) { return {Type::Number, QString(), n}; }

    friend bool operator==(const JetValue &, const JetValue &) = default;
};

// The result of one lookup: the value of the row found, no such row, or the failure.
struct JetKeyRead
{
    enum class Outcome { Found, NoRow, Failed };
    Outcome outcome = Outcome::Failed;
    JetValue value;
    Core::ErrorDetail failure;

    static JetKeyRead found(JetValue v) { return {Outcome::Found, std::move(v), {}}; }
    static JetKeyRead noRow() { return {Outcome::NoRow, {}, {}}; }
    static JetKeyRead failed(Core::ErrorDetail d) { return {Outcome::Failed, {}, std::move(d)}; }
};

// Reads one key from a Jet (Access) database file. Each call opens the file, reads and closes
// it again; nothing stays open between calls. Never throws; a damaged file is a failure.
class JetDatabase
{
public:
    virtual ~JetDatabase() = default;
    virtual JetKeyRead readKey(const JetKeyQuery &query) = 0;
};

} // namespace Voruvar::Platform
