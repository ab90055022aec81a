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

// Runs the rounds and tells whether the process's memory settled: after the first round (in
// which caches and pools fill) it grows by no more than the margin over all the rounds after.
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
    return resident.first() > 0 && resident.last() - resident.first() <= marginKiB;
}

} // namespace Voruvar::Testing
