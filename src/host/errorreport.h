// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>

namespace Voruvar::Platform {
class MessagePresenter;
}

namespace Voruvar::Host {

class HostLog;

// A coded error: "TB" and three digits, with its short title.
struct CodedError
{
    QString code;
    QString title;
};

inline const CodedError TB101{QStringLiteral("TB101"), QStringLiteral("Retrieval Error")};
inline const CodedError TB700{QStringLiteral("TB700"), QStringLiteral("DLL Call Failure")};

// The report a retry loop makes after its last failed attempt: the host log entry
// "ERROR: <code> : <title>", then an error box titled "<code> : <title>" whose text is the
// explanation, a line break and "(<lastError>)". The box shows even when the log cannot be written.
void reportCodedError(HostLog &log, Platform::MessagePresenter &messages, const CodedError &error,
                      const QString &explanation, const QString &lastError);

} // namespace Voruvar::Host
