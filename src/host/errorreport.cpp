// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "errorreport.h"

#include "hostlog.h"
#include "platform/messagepresenter.h"

namespace Voruvar::Host {

void reportCodedError(HostLog &log, Platform::MessagePresenter &messages, const CodedError &error,
                      const QString &explanation, const QString &lastError)
{
    const QString heading = error.code + QStringLiteral(" : ") + error.title;
    log.writeHostLog(QStringLiteral("ERROR: ") + heading);
    messages.show({heading, explanation + QStringLiteral("\r\n(") + lastError + QStringLiteral(")"),
                   Platform::MessageIcon::Error});
}

} // namespace Voruvar::Host
