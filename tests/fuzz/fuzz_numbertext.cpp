// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The number read from the start of a text, and a text read as one number, in the C locale and
// in one whose decimal separator is a comma.
#include "core/numbertext.h"
#include "fuzzsupport.h"

#include <QString>

#include <cmath>

using namespace Voruvar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes = Fuzzing::bytesOf(data, size);
    const QString text = QString::fromUtf8(bytes);

    // Too large gives an infinity, never a NaN; a hexadecimal or octal number is a whole 32-bit one.
    const double leading = Core::numberFromText(text);
    FUZZ_CHECK(!std::isnan(leading));
    if (std::isfinite(leading))
        FUZZ_CHECK(!std::isnan(Core::roundHalfEven(leading)));
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(u'&') && std::isfinite(leading))
        FUZZ_CHECK(leading == std::trunc(leading) && leading >= -2147483648.0 && leading <= 2147483647.0);

    static const QList<QLocale> locales{QLocale::c(), QLocale(QLocale::German, QLocale::Germany)};
    for (const QLocale &locale : locales) {
        const std::optional<double> whole = Core::textAsNumber(text, locale);
        if (whole)
            FUZZ_CHECK(std::isfinite(*whole));
        // A text that is a number as a whole is one after blanks around it, too.
        if (whole && text.size() < 1000)
            FUZZ_CHECK(Core::textAsNumber(QString(u' ' + text + u' '), locale) == whole);
    }
    return 0;
}
