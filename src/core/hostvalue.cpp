// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "core/hostvalue.h"

#include <cmath>

namespace Voruvar::Core {

namespace {
const QDate oleEpoch(1899, 12, 30);
constexpr qint64 msPerDay = 24LL * 60 * 60 * 1000;
} // namespace

QDateTime HostDate::toDateTime() const
{
    if (!std::isfinite(days) || std::abs(days) > 3e6)
        return {};
    // Automation dates before the epoch keep the time of day as a positive fraction.
    const double whole = std::trunc(days);
    const double fraction = std::abs(days - whole);
    const qint64 ms = std::llround(fraction * msPerDay);
    return QDateTime(oleEpoch.addDays(static_cast<qint64>(whole)), QTime(0, 0)).addMSecs(ms);
}

HostDate HostDate::fromDateTime(const QDateTime &dateTime)
{
    const qint64 wholeDays = oleEpoch.daysTo(dateTime.date());
    const double fraction = dateTime.time().msecsSinceStartOfDay() / double(msPerDay);
    return {wholeDays >= 0 ? wholeDays + fraction : wholeDays - fraction};
}

QString describe(const HostValue &value)
{
    struct Describer
    {
        QString operator()(const NullValue &) const { return QStringLiteral("null"); }
        QString operator()(const QString &text) const
        {
            return QLatin1Char('"') % (text.size() > 40 ? text.left(40) + QStringLiteral("...") : text) %
                   QLatin1Char('"');
        }
        QString operator()(qint64 number) const { return QString::number(number); }
        QString operator()(double number) const { return QString::number(number, 'g', 17); }
        QString operator()(bool flag) const { return flag ? QStringLiteral("true") : QStringLiteral("false"); }
        QString operator()(const HostDate &date) const
        {
            return QStringLiteral("date(") % QString::number(date.days, 'g', 17) % QLatin1Char(')');
        }
        QString operator()(const UnsupportedValue &other) const
        {
            return QStringLiteral("unsupported(") % other.signature % QLatin1Char(')');
        }
    };
    return std::visit(Describer{}, value);
}

} // namespace Voruvar::Core
