// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "procinstanceprobe.h"

#include <QDir>

#include <sys/stat.h>
#include <unistd.h>

namespace Voruvar::Platform {

ProcInstanceProbe::ProcInstanceProbe(QString procRoot) : m_procRoot(std::move(procRoot)) {}

bool ProcInstanceProbe::anotherInstanceRunning() const
{
    struct stat self {};
    if (::stat(QFile::encodeName(m_procRoot + QStringLiteral("/self/exe")).constData(), &self) != 0)
        return false;
    const QString ownPid = QString::number(::getpid());
    const QStringList entries = QDir(m_procRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry == ownPid || entry.isEmpty() || !entry.front().isDigit())
            continue;
        struct stat other {};
        // Processes of other users cannot be looked at; they do not count.
        if (::stat(QFile::encodeName(m_procRoot + QLatin1Char('/') + entry + QStringLiteral("/exe")).constData(),
                   &other) != 0)
            continue;
        if (other.st_dev == self.st_dev && other.st_ino == self.st_ino)
            return true;
    }
    return false;
}

} // namespace Voruvar::Platform
