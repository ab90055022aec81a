// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>

namespace Voruvar::Host {

// The retry count and the state of the current retry loop, shared by the retry-count read at
// start and the about window's web link. One record per process.
struct RetryFields
{
    qint16 intRetryLimit = 0;
    qint16 intRetryCounter = 0;
    // "component: number: description" of the last failure a retry loop caught.
    QString strLastError;
};

} // namespace Voruvar::Host
