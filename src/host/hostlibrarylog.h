// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "hostlog.h"

namespace Voruvar::Host {

class HostLibrary;
struct HostContext;

// The host's log, written through its automation library: the entry "<message> (Voruvar)" with
// the user's name, using the context as it is at the time of the entry.
class HostLibraryLog final : public HostLog
{
public:
    HostLibraryLog(HostLibrary &library, const HostContext &context) : m_library(library), m_context(context) {}

    void writeHostLog(const QString &message) override;

private:
    HostLibrary &m_library;
    const HostContext &m_context;
};

} // namespace Voruvar::Host
