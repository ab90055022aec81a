// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QLocale>
#include <QStringView>

#include <optional>

namespace Voruvar::Core {

// The leading number of a text: blanks, tabs and line feeds are skipped wherever they stand;
// an optional sign, digits, an optional "." and digits and an optional exponent (E or D) are read,
// or "&H" / "&O" and hexadecimal / octal digits; reading stops at the first other character.
// A text without a leading number gives 0. The decimal point is always ".", whatever the locale.
// A number too large for a double gives an infinity, which callers treat as out of range.
double numberFromText(QStringView text);
// The same leading number, or nothing when the text does not begin with one.
std::optional<double> leadingNumber(QStringView text);

// The whole text read as one number (blanks around it allowed), in the locale's notation
// or with "."; nullopt when the text is not a number or is too large for a double (also "&H" or
// "&O" digits beyond 32 bits). This is how a text item converts to a number.
std::optional<double> textAsNumber(QStringView text, const QLocale &locale = QLocale::system());

// Rounds to the nearest whole number, halves going to the even neighbour.
double roundHalfEven(double value);

} // namespace Voruvar::Core
