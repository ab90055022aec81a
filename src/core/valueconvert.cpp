// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "core/valueconvert.h"

#include "core/numbertext.h"

#include <QRegularExpression>

#include <cmath>

namespace Voruvar::Core {

namespace {

QString numberText(double number, const QLocale &locale)
{
    if (std::isnan(number))
        return QStringLiteral("NaN");
    if (std::isinf(number))
        return number > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    // Up to 15 significant digits, exponent in capitals, the locale's decimal separator.
    QString text = QString::number(number, 'g', 15).toUpper();
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    return text;
}

QString timeFormat(const QLocale &locale)
{
    // The long time format without the time zone, which automation dates do not carry.
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return format.trimmed();
}

std::optional<double> asNumber(const HostValue &value, const QLocale &locale)
{
    if (const auto *n = std::get_if<qint64>(&value))
        return double(*n);
    if (const auto *d = std::get_if<double>(&value))
        return *d;
    if (const auto *b = std::get_if<bool>(&value))
        return *b ? -1.0 : 0.0;
    if (const auto *date = std::get_if<HostDate>(&value))
        return date->days;
    if (const auto *text = std::get_if<QString>(&value))
        return textAsNumber(*text, locale);
    return std::nullopt;
}

// A date written in the locale's short or long date format, with a four-digit year where the
// format has two digits, and optionally followed by a time.
std::optional<HostDate> parseDate(const QString &text, const QLocale &locale)
{
    QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    QStringList dateFormats{shortFormat};
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    if (shortFormat.contains(twoDigitYear))
        dateFormats.prepend(QString(shortFormat).replace(twoDigitYear, QStringLiteral("yyyy")));
    dateFormats.append(locale.dateFormat(QLocale::LongFormat));
    const QStringList timeFormats{timeFormat(locale), locale.timeFormat(QLocale::ShortFormat)};

    for (const QString &dateFormat : std::as_const(dateFormats)) {
        const bool shortYear = dateFormat.contains(twoDigitYear);
        QDateTime parsed(locale.toDate(text, dateFormat), QTime(0, 0));
        for (auto time = timeFormats.begin(); !parsed.isValid() && time != timeFormats.end(); ++time)
            parsed = locale.toDateTime(text, dateFormat + QLatin1Char(' ') + *time);
        if (!parsed.isValid())
            continue;
        // Two-digit years 00 to 29 are in this century, 30 to 99 in the last.
        if (shortYear && parsed.date().year() < 1930)
            parsed = parsed.addYears(100);
        return HostDate::fromDateTime(parsed);
    }
    const QDate iso = QDate::fromString(text, Qt::ISODate);
    if (iso.isValid())
        return HostDate::fromDateTime(QDateTime(iso, QTime(0, 0)));
    return std::nullopt;
}

} // namespace

std::optional<QString> toText(const HostValue &value, const QLocale &locale)
{
    if (const auto *text = std::get_if<QString>(&value))
        return *text;
    if (const auto *n = std::get_if<qint64>(&value))
        return QString::number(*n);
    if (const auto *d = std::get_if<double>(&value))
        return numberText(*d, locale);
    if (const auto *b = std::get_if<bool>(&value))
        return *b ? QStringLiteral("True") : QStringLiteral("False");
    if (const auto *date = std::get_if<HostDate>(&value)) {
        const QDateTime dateTime = date->toDateTime();
        if (!dateTime.isValid())
            return std::nullopt;
        QString text = locale.toString(dateTime.date(), QLocale::ShortFormat);
        if (dateTime.time() != QTime(0, 0))
            text += QLatin1Char(' ') + locale.toString(dateTime.time(), timeFormat(locale));
        return text;
    }
    return std::nullopt;
}

std::optional<quint8> toByte(const HostValue &value, const QLocale &locale)
{
    const std::optional<double> number = asNumber(value, locale);
    if (!number || !std::isfinite(*number))
        return std::nullopt;
    const double whole = roundHalfEven(*number);
    if (whole < 0 || whole > 255)
        return std::nullopt;
    return static_cast<quint8>(whole);
}

std::optional<HostDate> toDate(const HostValue &value, const QLocale &locale)
{
    if (const auto *date = std::get_if<HostDate>(&value))
        return *date;
    if (std::holds_alternative<qint64>(value) || std::holds_alternative<double>(value)) {
        const double days = *asNumber(value, locale);
        if (!std::isfinite(days) || !HostDate{days}.toDateTime().isValid())
            return std::nullopt;
        return HostDate{days};
    }
    if (const auto *text = std::get_if<QString>(&value))
        return parseDate(text->trimmed(), locale);
    return std::nullopt;
}

} // namespace Voruvar::Core
