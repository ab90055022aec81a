// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace Voruvar::Startup {

// The three installation-wide switches an administrator sets. One record per process; read at
// every start and changed by the administrator's save.
struct AdminSettings
{
    QString strMaximize;          // the first line as read; numeric value 1 opens the main window maximized
    quint8 bytPrinterDialog = 0;  // 1: printing shows the printer dialog
    quint8 bytBypassBuiltIns = 0; // 1: the built-in categories are left out of the list

    // "DARUD.DCT" in the given folder (the executable's directory).
    static QString filePath(const QString &directory);

    // Reads the file: one switch per line, on when the line's numeric value is exactly 1. A missing,
    // short or unreadable file leaves the missing switches off ("0" for the first line). Only the
    // first 16 MiB of a file are looked at.
    static AdminSettings readFrom(const QString &directory);
    // The same from the file's content.
    static AdminSettings parse(QByteArrayView content);

    // The file's content as writeTo writes it.
    QByteArray fileContent() const;

    // Writes the three switches as "1" or "0" lines ended by CR LF (9 bytes). The new file
    // replaces the old one only once it is complete, or, in a folder where no file can be made,
    // overwrites a writable old one in place; nullopt on success, else the reason. A save also
    // removes the temporary files of earlier saves that were cut off (a crash, a kill, a power
    // cut) once they are a minute old, so no save in progress loses its file.
    std::optional<QString> writeTo(const QString &directory) const;

    bool opensMaximized() const;

    friend bool operator==(const AdminSettings &, const AdminSettings &) = default;
};

} // namespace Voruvar::Startup
