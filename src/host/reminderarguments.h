// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>

namespace Voruvar::Host {

// The ten arguments of the host library's RemCreate, in call order.
struct ReminderArguments
{
    QString hostPath5;   // 1: strHostPath5
    QString accountName; // 2: strAccountName
    QString today;       // 3: today, "mm/dd/yyyy"
    QString dueDate;     // 4: today plus strReminderDays, "mm/dd/yyyy"
    QString fifth;       // 5: always the empty text
    quint8 remArg6 = 0;  // 6: bytRemArg6, one byte
    QString addinClass;  // 7: "VORUVAR.CLSMAIN"
    QString subject;     // 8: the trimmed title of the current list entry
    QString accountId;   // 9: strAccountId
    QString hostPath2;   // 10: strHostPath2

    friend bool operator==(const ReminderArguments &, const ReminderArguments &) = default;
};

} // namespace Voruvar::Host
