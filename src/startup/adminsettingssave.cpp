// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "adminsettingssave.h"

#include "host/hostlog.h"
#include "platform/messagepresenter.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcAdminSave, "voruvar.startup.adminsave")

namespace Voruvar::Startup {

bool saveAdminSettings(const QString &directory, const AdminChoices &choices, AdminSettings &settings,
                       Host::HostLog &log, Platform::MessagePresenter &messages)
{
    AdminSettings saved;
    saved.strMaximize = choices.maximize ? QStringLiteral("1") : QStringLiteral("0");
    saved.bytPrinterDialog = choices.printerDialog ? 1 : 0;
    saved.bytBypassBuiltIns = choices.bypassBuiltIns ? 1 : 0;

    if (const std::optional<QString> reason = saved.writeTo(directory)) {
        const QString file = AdminSettings::filePath(directory);
        qCWarning(lcAdminSave, "Cannot write '%s': %s", qPrintable(file), qPrintable(*reason));
        messages.show({QStringLiteral("Save Failure"),
                       QStringLiteral("The administrative options could not be saved to %1.\r\n%2").arg(file, *reason),
                       Platform::MessageIcon::Error});
        return false;
    }
    settings = saved;
    log.writeHostLog(QStringLiteral("Administrative Options Updated"));
    messages.show({QStringLiteral("Success"), QStringLiteral("Administrative options updated."),
                   Platform::MessageIcon::Information});
    return true;
}

} // namespace Voruvar::Startup
