// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <sys/stat.h>
#include <unistd.h>

namespace Voruvar::Testing {

// Replaces the file at path with exactly these bytes and returns the path; a test that cannot
// write its own input stops at once.
inline QString writeTestFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// The file's bytes; a marker when it cannot be read, so a comparison fails with a clear value.
inline QByteArray readTestFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// What may stand where a program expects a regular file.
enum class NotAFile { Folder, Pipe, LinkToDevZero, LinkToItself, DanglingLink };

// Puts one of those at path (which must not exist yet); false when it cannot.
inline bool makeNotAFile(const QString &path, NotAFile kind)
{
    const QByteArray native = QFile::encodeName(path);
    switch (kind) {
    case NotAFile::Folder:
        return ::mkdir(native.constData(), 0755) == 0;
    case NotAFile::Pipe:
        return ::mkfifo(native.constData(), 0600) == 0;
    case NotAFile::LinkToDevZero:
        return ::symlink("/dev/zero", native.constData()) == 0;
    case NotAFile::LinkToItself:
        return ::symlink(native.constData(), native.constData()) == 0;
    case NotAFile::DanglingLink:
        return ::symlink(QByteArray(native + ".gone").constData(), native.constData()) == 0;
    }
    return false;
}

// How many bytes this process has read so far, from files, pipes and devices alike.
inline qint64 bytesReadSoFar()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        qFatal("cannot read /proc/self/io");
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    qFatal("no rchar in /proc/self/io");
}

} // namespace Voruvar::Testing
