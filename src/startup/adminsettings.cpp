// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "adminsettings.h"

#include "core/numbertext.h"
#include "core/windows1252.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

Q_LOGGING_CATEGORY(lcAdminSettings, "voruvar.startup.adminsettings")

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

// A save writes its file under a temporary name beside the old one ("DARUD.DCT." and six
// letters or digits) and renames it over the old one once it is complete. A save cut off in
// between leaves that name behind; once it is old enough that no save can still be writing it,
// it goes.
void removeStaleTemporaries(const QString &directory)
{
    static const QRegularExpression temporary(QStringLiteral("^DARUD\\.DCT\\.[A-Za-z0-9]{6}$"));
    const QDateTime staleBefore = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QDir folder(directory);
    const QFileInfoList candidates =
        folder.entryInfoList({QStringLiteral("DARUD.DCT.??????")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &candidate : candidates) {
        if (!temporary.match(candidate.fileName()).hasMatch() || candidate.isSymLink() || !candidate.isFile() ||
            candidate.lastModified().toUTC() >= staleBefore)
            continue;
        if (QFile::remove(candidate.filePath()))
            qCInfo(lcAdminSettings, "Removed '%s', left by a save that was cut off", qPrintable(candidate.filePath()));
    }
}

} // namespace

QString AdminSettings::filePath(const QString &directory)
{
    return directory + QStringLiteral("/DARUD.DCT");
}

AdminSettings AdminSettings::readFrom(const QString &directory)
{
    // Only a regular file: opening a pipe put in its place would wait for a writer for ever.
    if (!QFileInfo(filePath(directory)).isFile())
        return parse({});
    QFile file(filePath(directory));
    if (!file.open(QIODevice::ReadOnly))
        return parse({});
    return parse(file.read(readLimit));
}

AdminSettings AdminSettings::parse(QByteArrayView content)
{
    AdminSettings settings;
    settings.strMaximize = QStringLiteral("0");
    const QList<QByteArrayView> lines = splitLines(content, 3);
    QStringList text;
    for (QByteArrayView line : lines)
        text.append(Core::Windows1252::decode(line));
    if (text.size() >= 1)
        settings.strMaximize = text[0];
    settings.bytPrinterDialog = text.size() >= 2 && isOn(text[1]) ? 1 : 0;
    settings.bytBypassBuiltIns = text.size() >= 3 && isOn(text[2]) ? 1 : 0;
    return settings;
}

QByteArray AdminSettings::fileContent() const
{
    QByteArray content;
    content += isOn(strMaximize) ? "1\r\n" : "0\r\n";
    content += bytPrinterDialog == 1 ? "1\r\n" : "0\r\n";
    content += bytBypassBuiltIns == 1 ? "1\r\n" : "0\r\n";
    return content;
}

std::optional<QString> AdminSettings::writeTo(const QString &directory) const
{
    const QByteArray content = fileContent();

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
    removeStaleTemporaries(directory);
    return std::nullopt;
}

bool AdminSettings::opensMaximized() const
{
    return isOn(strMaximize);
}

} // namespace Voruvar::Startup
