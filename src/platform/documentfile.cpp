// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "documentfile.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Voruvar::Platform {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Voruvar::Platform::BrowserPane", text);
}

QString cannotRead(const QString &path, int error)
{
    return tr("The file %1 cannot be read: %2").arg(path, QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace

std::optional<QString> DocumentFile::whyNotShown(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info
    {
    };
    if (::stat(native.constData(), &info) != 0) {
        // A folder on the way that may not be searched hides the file; it is not missing.
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return tr("The file %1 does not exist.").arg(path);
        return cannotRead(path, error);
    }
    if (S_ISDIR(info.st_mode))
        return tr("%1 is a folder, not a document.").arg(path);
    if (!S_ISREG(info.st_mode))
        return tr("%1 is not a document file (it is a device, a pipe or a socket).").arg(path);
    // Opened once without waiting, to learn what this user may read (root ignores the bits).
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return cannotRead(path, errno);
    ::close(fd);
    return std::nullopt;
}

} // namespace Voruvar::Platform
