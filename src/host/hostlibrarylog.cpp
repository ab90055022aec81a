// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "hostlibrarylog.h"

#include "hostlibrarycalls.h"

namespace Voruvar::Host {

void HostLibraryLog::writeHostLog(const QString &message)
{
    writeLogEntry(m_library, m_context, message + QStringLiteral(" (Voruvar)"));
}

} // namespace Voruvar::Host
