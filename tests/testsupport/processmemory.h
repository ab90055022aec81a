// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <functional>

namespace Voruvar::Testing {

// The resident memory of a process in KiB (VmRSS in /proc); -1 when it cannot be read.
inline qint64 residentKiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Runs the rounds and tells whether the process's memory settled: over the second half of the
// rounds it grows by no more than the margin. The first half lets caches, pools and (in the
// sanitizer build) the quarantine of freed memory fill.
// *why gets the resident memory after each round, or the round that failed.
inline bool memorySettles(qint64 pid, int rounds, qint64 marginKiB, const std::function<bool()> &round, QString *why)
{
    QList<qint64> resident;
    for (int i = 0; i < rounds; ++i) {
        if (!round()) {
            *why = QStringLiteral("round %1 failed").arg(i + 1);
            return false;
        }
        resident.append(residentKiB(pid));
    }
    *why = QStringLiteral("resident KiB after each round:");
    for (qint64 kib : std::as_const(resident))
        *why += u' ' + QString::number(kib);
    const qint64 settled = resident.at(rounds / 2);
    return settled > 0 && resident.last() - settled <= marginKiB;
}

} // namespace Voruvar::Testing
