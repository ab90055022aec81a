// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QDateTime>
#include <QString>

#include <variant>

namespace Voruvar::Core {

// A date as the automation interface carries it: days since 30 December 1899,
// the fraction being the time of day.
struct HostDate
{
    double days = 0.0;

    QDateTime toDateTime() const;
    static HostDate fromDateTime(const QDateTime &dateTime);
    friend bool operator==(const HostDate &, const HostDate &) = default;
};

struct NullValue
{
    friend bool operator==(const NullValue &, const NullValue &) = default;
};

// A value of a kind the add-in does not convert (for example a nested array); only its signature is kept.
struct UnsupportedValue
{
    QString signature;
    friend bool operator==(const UnsupportedValue &, const UnsupportedValue &) = default;
};

// One item of a host collection.
using HostValue = std::variant<NullValue, QString, qint64, double, bool, HostDate, UnsupportedValue>;

// A short readable form of a value, for logs and test failure messages.
QString describe(const HostValue &value);

} // namespace Voruvar::Core
