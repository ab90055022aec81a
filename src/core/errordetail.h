// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>

namespace Voruvar::Core {

// What failed, as a retry loop records it: the failing component (service, library or file reader),
// a number fixed per kind of failure and the component's own description.
struct ErrorDetail
{
    QString component;
    int number = 0;
    QString description;

    // "component: number: description"; an empty description leaves the trailing ": ".
    QString text() const { return component + QStringLiteral(": ") + QString::number(number) + QStringLiteral(": ") + description; }

    friend bool operator==(const ErrorDetail &, const ErrorDetail &) = default;
};

} // namespace Voruvar::Core
