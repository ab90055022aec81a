// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "userdocuments.h"

#include "core/texttools.h"
#include "core/windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStringDecoder>

#include <algorithm>

Q_LOGGING_CATEGORY(lcUserDocuments, "voruvar.catalog.userdocuments")

namespace Voruvar::Catalog {

namespace {

// Only this much of the file is read: 32,767 lines of any sensible length fit many times over.
constexpr qint64 readLimit = qint64(64) << 20;

QByteArrayView trimmedBlanks(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && bytes.front() == ' ')
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && bytes.back() == ' ')
        bytes.chop(1);
    return bytes;
}

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isValidUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

QString UserDocuments::filePath(const QString &executableDirectory)
{
    QString directory = executableDirectory;
    if (directory.endsWith(u'/'))
        directory = Core::trimBlanks(QStringView(directory).chopped(1));
    return directory + u"/USER.ADD";
}

UserDocuments::Encoding UserDocuments::encodingOf(QByteArrayView &data)
{
    if (data.startsWith("\xEF\xBB\xBF")) {
        data = data.sliced(3);
        return Encoding::Utf8;
    }
    return !isAscii(data) && isValidUtf8(data) ? Encoding::Utf8 : Encoding::Windows1252;
}

QString UserDocuments::decode(QByteArrayView bytes) const
{
    return m_encoding == Encoding::Utf8 ? QString::fromUtf8(bytes) : Core::Windows1252::decode(bytes);
}

bool UserDocuments::takeLine(QByteArrayView line, QStringList &listed)
{
    if (m_titles.size() > maxLines)
        return false;
    m_titles.append(QString());
    m_locations.append(QString());
    // The separator and the blanks are single bytes that no multi-byte UTF-8 sequence holds, so
    // both are found among the bytes before decoding, whichever the encoding.
    const qsizetype separator = line.indexOf(QByteArrayView("||"));
    if (separator < 0)
        return false;
    m_titles.last() = decode(trimmedBlanks(line.first(separator))).toUpper();
    m_locations.last() = decode(trimmedBlanks(line.sliced(separator + 2)));
    listed.append(m_titles.last());
    return true;
}

QStringList UserDocuments::load(const QString &filePath)
{
    m_titles = QStringList{QString()};
    m_locations = QStringList{QString()};
    QStringList listed;

    // Only a regular file is read: a directory, a pipe or a device would fail or block.
    if (!QFileInfo(filePath).isFile())
        return listed;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcUserDocuments) << "Cannot open" << filePath << file.errorString();
        return listed;
    }
    const QByteArray content = file.read(readLimit);
    if (!file.atEnd())
        qCWarning(lcUserDocuments, "Only the first %lld MiB of '%s' are read", readLimit >> 20, qPrintable(filePath));
    return parse(content, filePath);
}

QStringList UserDocuments::parse(QByteArrayView content, const QString &name)
{
    m_titles = QStringList{QString()};
    m_locations = QStringList{QString()};
    QStringList listed;

    // Files written on Windows are Windows-1252; editors here save UTF-8, which a byte-order
    // mark or valid multi-byte sequences give away.
    QByteArrayView data = content;
    m_encoding = encodingOf(data);

    // Lines end at CR or CR LF; a lone LF stays in the line.
    int lineNumber = 0;
    while (!data.isEmpty()) {
        const qsizetype end = data.indexOf('\r');
        const QByteArrayView line = end < 0 ? data : data.first(end);
        data = end < 0 ? QByteArrayView() : data.sliced(end + 1);
        if (end >= 0 && data.startsWith('\n'))
            data = data.sliced(1);
        ++lineNumber;
        if (!takeLine(line, listed)) {
            // An empty last line ends the file harmlessly; any other stop hides what follows.
            if (lineNumber <= maxLines && (!data.isEmpty() || !trimmedBlanks(line).isEmpty()))
                qCWarning(lcUserDocuments, "'%s' line %d has no \"||\": it and the lines after it are not listed",
                          qPrintable(name), lineNumber);
            break;
        }
    }
    return listed;
}

} // namespace Voruvar::Catalog
