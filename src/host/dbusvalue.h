// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "core/hostvalue.h"

#include <QList>
#include <QVariantList>

#include <optional>

namespace Voruvar::Host {

// Reads a host collection as it arrives over D-Bus (an array of variants, item 1 first):
// "s" is text; "y n q i u x t d" are numbers; "b" is true/false; a struct "(d)" is a date given
// as its automation day count; an empty array of variants is null; anything else is unsupported.
QList<Core::HostValue> hostValuesFromDBus(const QVariantList &items);
Core::HostValue hostValueFromDBus(const QVariant &item);

// Reads a host collection as a property write delivers it, before anything has decoded it: an
// array of variants, or a list of values from a caller in this process. Reads at most maxItems
// items; the rest are ignored. Any other value (an array of another type, a single value, a
// map) is no collection at all: nothing.
std::optional<QList<Core::HostValue>> hostCollectionFromDBus(const QVariant &collection, qsizetype maxItems);

} // namespace Voruvar::Host
