// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "standalonecontext.h"

#include "hostcontext.h"

#include <QDir>

#include <pwd.h>
#include <unistd.h>

namespace Voruvar::Host {

namespace {

struct SignedInUser
{
    QString login;
    QString fullName;
};

SignedInUser signedInUser()
{
    SignedInUser user;
    if (const passwd *entry = ::getpwuid(::getuid())) {
        user.login = QString::fromLocal8Bit(entry->pw_name);
        // The first field of the GECOS entry is the person's full name.
        user.fullName = QString::fromLocal8Bit(entry->pw_gecos).section(QLatin1Char(','), 0, 0).trimmed();
    }
    if (user.login.isEmpty())
        user.login = qEnvironmentVariable("USER");
    if (user.fullName.isEmpty())
        user.fullName = user.login;
    return user;
}

} // namespace

StandaloneCollections standaloneCollections(const StandaloneOptions &options)
{
    const SignedInUser user = signedInUser();
    const QString home = QDir::homePath();
    StandaloneCollections c;
    c.paths = {home, home, home, home, home, options.dataPath, home, options.sitePath};
    c.user.reserve(HostContext::userItemCount);
    c.user << user.login << user.fullName << QString();
    for (int item = 4; item <= 13; ++item)
        c.user << QString();
    c.user << options.accessLevel << Core::NullValue{} << QString()
           << (options.singleInstance ? QStringLiteral("0") : QStringLiteral("1"));
    // Without a host console there is no one to hand reminders to.
    c.flags = {QString(), QString(), QString(), QString(), qint64(1), qint64(0), qint64(0),
               QStringLiteral("7"), QString(), QStringLiteral("MM/dd/yyyy"), options.siteName};
    return c;
}

} // namespace Voruvar::Host
