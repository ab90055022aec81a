// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "adminsettings.h"

#include "core/numbertext.h"
#include "core/windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace Voruvar::Startup {

namespace {

constexpr qint64 readLimit = qint64(16) << 20;

// The file's lines; CR LF, CR and LF each end a line, so files edited on either system read alike.
QList<QByteArrayView> splitLines(QByteArrayView data, int wanted)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    while (start < data.size() && lines.size() < wanted) {
        qsizetype end = start;
        while (end < data.size() && data[end] != '\r' && data[end] != '\n')
            ++end;
        lines.append(data.sliced(start, end - start));
        if (end < data.size() && data[end] == '\r' && end + 1 < data.size() && data[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

bool isOn(const QString &line)
{
    return Core::numberFromText(line) == 1.0;
}

} // namespace

QString AdminSettings::filePath(const QString &directory)
{
    return directory + QStringLiteral("/DARUD.DCT");
}

AdminSettings AdminSettings::readFrom(const QString &directory)
{
    AdminSettings settings;
    settings.strMaximize = QStringLiteral("0");
    // Only a regular file: opening a pipe put in its place would wait for a writer for ever.
    if (!QFileInfo(filePath(directory)).isFile())
        return settings;
    QFile file(filePath(directory));
    if (!file.open(QIODevice::ReadOnly))
        return settings;
    const QByteArray data = file.read(readLimit);
    const QList<QByteArrayView> lines = splitLines(data, 3);
    QStringList text;
    for (QByteArrayView line : lines)
        text.append(Core::Windows1252::decode(line));
    if (text.size() >= 1)
        settings.strMaximize = text[0];
    settings.bytPrinterDialog = text.size() >= 2 && isOn(text[1]) ? 1 : 0;
    settings.bytBypassBuiltIns = text.size() >= 3 && isOn(text[2]) ? 1 : 0;
    return settings;
}

std::optional<QString> AdminSettings::writeTo(const QString &directory) const
{
    QByteArray content;
    content += isOn(strMaximize) ? "1\r\n" : "0\r\n";
    content += bytPrinterDialog == 1 ? "1\r\n" : "0\r\n";
    content += bytBypassBuiltIns == 1 ? "1\r\n" : "0\r\n";

    // Unbuffered, so a write that breaks off (a full disk) is seen here: buffered, the short write
    // would go unnoticed and the cut-off file would replace the old one.
    QSaveFile file(filePath(directory));
    // An installation folder that belongs to root may have only this file made writable for
    // administrators: where no new file can be made beside it, it is written in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    errno = 0;
    const qint64 written = file.write(content);
    if (written != content.size()) {
        const int error = errno;
        const QString reason = error != 0 ? QString::fromLocal8Bit(std::strerror(error))
                                          : QStringLiteral("only %1 of %2 bytes could be written")
                                                .arg(qMax(written, qint64(0)))
                                                .arg(content.size());
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

bool AdminSettings::opensMaximized() const
{
    return isOn(strMaximize);
}

} // namespace Voruvar::Startup
