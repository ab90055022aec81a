// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "desktopshell.h"

#include <QDesktopServices>
#include <QLoggingCategory>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

Q_LOGGING_CATEGORY(lcShell, "voruvar.platform.shell")

namespace Voruvar::Platform {

QStringList DesktopShell::calculators()
{
    QStringList names;
    if (const QString chosen = qEnvironmentVariable(calculatorVariable); !chosen.isEmpty())
        names.append(chosen);
    names << QStringLiteral("gnome-calculator") << QStringLiteral("kcalc") << QStringLiteral("galculator")
          << QStringLiteral("qalculate-gtk") << QStringLiteral("mate-calc") << QStringLiteral("xcalc");
    return names;
}

int DesktopShell::openCalculator()
{
    for (const QString &name : calculators()) {
        const QString program = QStandardPaths::findExecutable(name);
        if (program.isEmpty())
            continue;
        qint64 pid = 0;
        if (QProcess::startDetached(program, {}, QString(), &pid)) {
            qCInfo(lcShell) << "Started" << program << "as process" << pid;
            return started;
        }
        qCWarning(lcShell) << "Cannot start" << program;
        return couldNotStart;
    }
    qCWarning(lcShell) << "No calculator on PATH; looked for" << calculators();
    return fileNotFound;
}

} // namespace Voruvar::Platform

namespace Voruvar::Platform {

bool DesktopShell::openAddress(const QString &address)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty())
        return false;
    return QDesktopServices::openUrl(url);
}

} // namespace Voruvar::Platform
