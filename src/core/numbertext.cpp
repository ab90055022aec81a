// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "core/numbertext.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include <locale.h>
#include <stdlib.h>

namespace Voruvar::Core {

namespace {

bool isSkipped(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

// Digits of base 16 or 8 after "&H" / "&O". Up to 16 bits the value is a signed 16-bit
// number, up to 32 bits a signed 32-bit number, as the automation runtime reads them.
std::optional<double> radixNumber(QStringView digits, int base)
{
    quint64 value = 0;
    int count = 0;
    for (QChar c : digits) {
        if (isSkipped(c))
            continue;
        const char16_t u = c.toLower().unicode();
        int digit = -1;
        if (u >= u'0' && u <= u'9')
            digit = u - u'0';
        else if (u >= u'a' && u <= u'f')
            digit = 10 + (u - u'a');
        if (digit < 0 || digit >= base)
            break;
        value = value * base + digit;
        ++count;
        if (value > 0xFFFFFFFFULL)
            return std::numeric_limits<double>::infinity();
    }
    if (count == 0)
        return std::nullopt;
    if (value <= 0xFFFF)
        return static_cast<qint16>(static_cast<quint16>(value));
    return static_cast<qint32>(static_cast<quint32>(value));
}

// strtod in the C locale, whatever locale the process runs in: the text holds only what the
// rule read, with "." as its decimal point. Out of range gives an infinity, as strtod does.
double cLocaleStrtod(const std::string &number)
{
    static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
    return strtod_l(number.c_str(), nullptr, c);
}

} // namespace

double numberFromText(QStringView text)
{
    return leadingNumber(text).value_or(0.0);
}

std::optional<double> leadingNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skip = [&] {
        while (i < n && isSkipped(text[i]))
            ++i;
    };

    skip();
    if (i < n && text[i] == u'&') {
        qsizetype k = i + 1;
        while (k < n && isSkipped(text[k]))
            ++k;
        const QChar kind = k < n ? text[k].toUpper() : QChar();
        if (kind == u'H')
            return radixNumber(text.mid(k + 1), 16);
        if (kind == u'O')
            return radixNumber(text.mid(k + 1), 8);
    }

    std::string number;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        number += char(text[i].unicode());
        ++i;
    }
    bool digits = false;
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (isSkipped(c))
            continue;
        if (c >= u'0' && c <= u'9') {
            number += char(c.unicode());
            digits = true;
        } else if (c == u'.' && !point) {
            number += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return std::nullopt;

    // Exponent: E or D, an optional sign and digits; without digits it is not part of the number.
    if (i < n && (text[i] == u'E' || text[i] == u'e' || text[i] == u'D' || text[i] == u'd')) {
        std::string exponent = "e";
        qsizetype j = i + 1;
        while (j < n && isSkipped(text[j]))
            ++j;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            exponent += char(text[j++].unicode());
        bool expDigits = false;
        for (; j < n; ++j) {
            const QChar c = text[j];
            if (isSkipped(c))
                continue;
            if (c < u'0' || c > u'9')
                break;
            exponent += char(c.unicode());
            expDigits = true;
        }
        if (expDigits)
            number += exponent;
    }
    return cLocaleStrtod(number);
}

std::optional<double> textAsNumber(QStringView text, const QLocale &locale)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    if (trimmed.size() > 2 && trimmed[0] == u'&' && (trimmed[1].toUpper() == u'H' || trimmed[1].toUpper() == u'O')) {
        const int base = trimmed[1].toUpper() == u'H' ? 16 : 8;
        for (QChar c : trimmed.mid(2)) {
            bool ok = false;
            QString(c).toInt(&ok, base);
            if (!ok)
                return std::nullopt;
        }
        // Digits beyond 32 bits are an overflow, not a number.
        const std::optional<double> value = radixNumber(trimmed.mid(2), base);
        if (!value || !std::isfinite(*value))
            return std::nullopt;
        return value;
    }
    bool ok = false;
    const double localeValue = locale.toDouble(trimmed, &ok);
    if (ok && std::isfinite(localeValue))
        return localeValue;
    const double cValue = QLocale::c().toDouble(trimmed, &ok);
    if (ok && std::isfinite(cValue))
        return cValue;
    return std::nullopt;
}

double roundHalfEven(double value)
{
    return std::nearbyint(value); // the default rounding mode rounds halves to even
}

} // namespace Voruvar::Core
