// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "core/hostvalue.h"

#include <QList>
#include <QString>

namespace Voruvar::Host {

// What a person starting the add-in without a host console tells it on the command line.
struct StandaloneOptions
{
    QString accessLevel = QStringLiteral("1");
    QString dataPath;
    QString sitePath;
    QString siteName;
    bool singleInstance = false;
};

// The three collections a host would hand over, made from the signed-in user and the options,
// so a standalone start fills the host context the same way a host does.
struct StandaloneCollections
{
    QList<Core::HostValue> paths;
    QList<Core::HostValue> user;
    QList<Core::HostValue> flags;
};

StandaloneCollections standaloneCollections(const StandaloneOptions &options);

} // namespace Voruvar::Host
