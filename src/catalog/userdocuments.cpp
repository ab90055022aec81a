// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "userdocuments.h"

#include "host/texttools.h"
#include "windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcUserDocuments, "voruvar.catalog.userdocuments")

namespace Voruvar::Catalog {

namespace {

QByteArrayView trimmedBlanks(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && bytes.front() == ' ')
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && bytes.back() == ' ')
        bytes.chop(1);
    return bytes;
}

} // namespace

QString UserDocuments::filePath(const QString &executableDirectory)
{
    QString directory = executableDirectory;
    if (directory.endsWith(u'/'))
        directory = Host::trimBlanks(QStringView(directory).chopped(1));
    return directory + u"/USER.ADD";
}

bool UserDocuments::takeLine(QByteArrayView line, QStringList &listed)
{
    if (m_titles.size() > maxLines)
        return false;
    m_titles.append(QString());
    m_locations.append(QString());
    // The file is single-byte text, so the separator is found among the bytes.
    const qsizetype separator = line.indexOf(QByteArrayView("||"));
    if (separator < 0)
        return false;
    // The blank is the same byte in the code page: trim before decoding.
    m_titles.last() = Windows1252::decode(trimmedBlanks(line.first(separator))).toUpper();
    m_locations.last() = Windows1252::decode(trimmedBlanks(line.sliced(separator + 2)));
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

    // Lines end at CR or CR LF; a lone LF stays in the line. Read in blocks so that a file
    // without line ends, however large, is taken in one piece without re-scanning it.
    QByteArray line;
    QByteArray block(64 * 1024, Qt::Uninitialized);
    bool skipLineFeed = false;
    for (;;) {
        const qint64 got = file.read(block.data(), block.size());
        if (got <= 0)
            break;
        QByteArrayView rest(block.constData(), got);
        if (skipLineFeed && rest.front() == '\n')
            rest = rest.sliced(1);
        skipLineFeed = false;
        for (;;) {
            const qsizetype end = rest.indexOf('\r');
            if (end < 0) {
                line.append(rest);
                break;
            }
            // A line that lies whole in the block is taken from it without a copy.
            bool goOn = true;
            if (line.isEmpty()) {
                goOn = takeLine(rest.first(end), listed);
            } else {
                line.append(rest.first(end));
                goOn = takeLine(line, listed);
                line.truncate(0);
            }
            if (!goOn)
                return listed;
            rest = rest.sliced(end + 1);
            if (rest.isEmpty()) {
                skipLineFeed = true;
                break;
            }
            if (rest.front() == '\n')
                rest = rest.sliced(1);
        }
    }
    if (!line.isEmpty())
        takeLine(line, listed);
    return listed;
}

} // namespace Voruvar::Catalog
