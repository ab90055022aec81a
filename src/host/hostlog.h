// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>

namespace Voruvar::Host {

// Writes one entry to the host's log: the message followed by " (Voruvar)", with the user's
// account name as second argument. Never fails towards its caller: when the host library is
// missing or a call fails, the entry is lost and the caller goes on.
class HostLog
{
public:
    virtual ~HostLog() = default;
    virtual void writeHostLog(const QString &message) = 0;
};

// The log of a host whose library cannot be reached: every entry is lost, as with a missing library.
class UnreachableHostLog final : public HostLog
{
public:
    void writeHostLog(const QString &) override {}
};

} // namespace Voruvar::Host
