// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace Voruvar::Standin {

// One writeLog call, with what the object had been told before it.
struct LogEntry
{
    QString entry;
    QString user;
    QString dateFormat; // setDTFormat
    QString hostPath;   // RuraroPath
    QDateTime time;
};

// One RemCreate call: its ten arguments (the sixth, a byte, as its number) and the four of the
// DetUser call made before it on the same object (empty when there was none).
struct ReminderRecord
{
    QStringList user;
    QStringList arguments;
    QString dateFormat;
    QDateTime time;
};

// One gBrowser call and whether the browser could be started.
struct AddressRecord
{
    QString address;
    qint16 second = 0;
    qint16 third = 0;
    QString dateFormat;
    bool opened = false;
    QDateTime time;
};

} // namespace Voruvar::Standin
