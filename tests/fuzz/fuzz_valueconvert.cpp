// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// A host collection item of any kind converted to text, to a byte and to a date. The first byte
// picks the kind, the second the locale, the rest is the value.
#include "core/numbertext.h"
#include "core/valueconvert.h"
#include "fuzzsupport.h"

#include <QLocale>

#include <cmath>
#include <cstring>

using namespace Voruvar;

namespace {

template<typename T>
T readRaw(QByteArrayView bytes)
{
    T value{};
    std::memcpy(&value, bytes.data(), std::min<size_t>(sizeof value, size_t(bytes.size())));
    return value;
}

Core::HostValue valueFrom(quint8 kind, QByteArrayView payload)
{
    switch (kind % 7) {
    case 0:
        return QString::fromUtf8(payload);
    case 1:
        return readRaw<qint64>(payload);
    case 2:
        return readRaw<double>(payload);
    case 3:
        return !payload.isEmpty() && payload[0] != 0;
    case 4:
        return Core::HostDate{readRaw<double>(payload)};
    case 5:
        return Core::NullValue{};
    default:
        return Core::UnsupportedValue{QString::fromLatin1(payload.first(std::min<qsizetype>(payload.size(), 8)))};
    }
}

const QList<QLocale> &locales()
{
    static const QList<QLocale> all{QLocale::c(),
                                    QLocale(QLocale::German, QLocale::Germany),
                                    QLocale(QLocale::English, QLocale::UnitedStates),
                                    QLocale(QLocale::French, QLocale::France),
                                    QLocale(QLocale::Arabic, QLocale::Egypt),
                                    QLocale(QLocale::Japanese, QLocale::Japan),
                                    QLocale(QLocale::Persian, QLocale::Iran),
                                    QLocale(QLocale::Hungarian, QLocale::Hungary)};
    return all;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const QByteArrayView bytes = Fuzzing::bytesOf(data, size);
    const Core::HostValue value = valueFrom(quint8(bytes[0]), bytes.sliced(2));
    const QLocale &locale = locales().at(quint8(bytes[1]) % locales().size());

    const std::optional<QString> text = Core::toText(value, locale);
    if (std::holds_alternative<QString>(value) || std::holds_alternative<qint64>(value) ||
        std::holds_alternative<double>(value) || std::holds_alternative<bool>(value))
        FUZZ_CHECK(text.has_value());

    // A byte is the number rounded half to even, so never more than a half away from it.
    if (const std::optional<quint8> byte = Core::toByte(value, locale)) {
        if (const auto *number = std::get_if<double>(&value))
            FUZZ_CHECK(std::abs(*number - *byte) <= 0.5);
        if (const auto *whole = std::get_if<qint64>(&value))
            FUZZ_CHECK(*whole == *byte);
    }

    // A date stays as it came; anything else becomes a date only within the calendar.
    const std::optional<Core::HostDate> date = Core::toDate(value, locale);
    if (date && !std::holds_alternative<Core::HostDate>(value)) {
        FUZZ_CHECK(std::isfinite(date->days));
        FUZZ_CHECK(date->toDateTime().isValid());
    }

    // A number written as text in the C or a comma locale reads back as the same number. Its 15
    // significant digits round the very largest doubles (from 1.79769313486231E+308 up) to a
    // text beyond the double range, which reads as an overflow: no number.
    const auto *number = std::get_if<double>(&value);
    if (number && std::isfinite(*number) && (*number == 0 || std::abs(*number) > 1e-300) &&
        std::abs(*number) < 1.79769313486231e308 &&
        (locale == QLocale::c() || locale.language() == QLocale::German)) {
        const std::optional<double> back = Core::textAsNumber(*text, locale);
        FUZZ_CHECK(back.has_value());
        FUZZ_CHECK(std::abs(*back - *number) <= std::abs(*number) * 1e-14);
    }
    return 0;
}
