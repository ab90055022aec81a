// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>
#include <QStringList>

namespace Voruvar::Catalog {

// The installation's own entries from "USER.ADD" beside the executable: one entry a line, a title,
// "||" and a location. Slot k of both arrays holds line k; slot 0 is never filled.
class UserDocuments final
{
public:
    // Lines are counted with a 16-bit counter: no more are taken.
    static constexpr int maxLines = 32767;

    static QString filePath(const QString &executableDirectory);

    // Rebuilds both arrays from the file and returns the titles to list, in file order. A missing
    // or unreadable file gives no entries; reading stops at the first line without "||" (which
    // still gets its empty slot, and is named in the program's log unless it is an empty last
    // line) and after the last line that may be taken. The file is read as UTF-8 when it starts
    // with a byte-order mark (which is dropped) or is valid UTF-8 holding non-ASCII bytes, and as
    // Windows-1252 otherwise, so files written on Windows read as they always did.
    QStringList load(const QString &filePath);
    // The same from the file's content; name stands for the file in the log.
    QStringList parse(QByteArrayView content, const QString &name);

    const QStringList &strUserTitles() const { return m_titles; }
    const QStringList &strUserLocations() const { return m_locations; }
    int highestIndex() const { return int(m_titles.size()) - 1; }

private:
    enum class Encoding { Windows1252, Utf8 };
    // The file's encoding; drops a UTF-8 byte-order mark from the data.
    static Encoding encodingOf(QByteArrayView &data);
    QString decode(QByteArrayView bytes) const;
    // Takes one line; false when the reading must stop.
    bool takeLine(QByteArrayView line, QStringList &listed);

    Encoding m_encoding = Encoding::Windows1252;
    QStringList m_titles{QString()};
    QStringList m_locations{QString()};
};

} // namespace Voruvar::Catalog
