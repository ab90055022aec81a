// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "core/errordetail.h"
#include "reminderarguments.h"

#include <QString>

#include <optional>

namespace Voruvar::Host {

// What a host-library call gives back: nothing when it worked, what failed otherwise.
using HostFailure = std::optional<Core::ErrorDetail>;

// One object of the host's automation library, made for one use and released at its end.
// The members keep the library's own names and argument orders; no result is read back.
class HostLibraryObject
{
public:
    virtual ~HostLibraryObject() = default;

    virtual HostFailure setDTFormat(const QString &dateFormat) = 0;
    virtual HostFailure RuraroPath(const QString &ruraroPath) = 0;
    virtual HostFailure writeLog(const QString &entry, const QString &user) = 0;
    virtual HostFailure DetUser(const QString &accountName, const QString &userItem16, const QString &accountTitle,
                                const QString &accountId) = 0;
    virtual HostFailure RemCreate(const ReminderArguments &arguments) = 0;
    virtual HostFailure gBrowser(const QString &address, qint16 second, qint16 third) = 0;
    // Ends the object's life in the host; the object takes no calls afterwards.
    virtual HostFailure Release() = 0;
};

} // namespace Voruvar::Host
