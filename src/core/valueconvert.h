// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "core/hostvalue.h"

#include <QLocale>

#include <optional>

namespace Voruvar::Core {

// Conversions of a host collection item to a field's type; nullopt when the value cannot be
// converted, in which case the field keeps what it held.

// Text: text unchanged; numbers in decimal with the locale's decimal separator; "True"/"False";
// dates in the locale's short date format, followed by the time when it is not midnight. Null fails.
std::optional<QString> toText(const HostValue &value, const QLocale &locale = QLocale::system());

// Byte: a whole number 0 to 255, fractions rounded half to even; a text holding a number converts
// as that number; true is -1 and so out of range; null and other texts fail.
std::optional<quint8> toByte(const HostValue &value, const QLocale &locale = QLocale::system());

// Date: a date unchanged, a text read in the locale's date format, a number as a day count
// from 30 December 1899. Anything else fails.
std::optional<HostDate> toDate(const HostValue &value, const QLocale &locale = QLocale::system());

} // namespace Voruvar::Core
