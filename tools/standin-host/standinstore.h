// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "standinrecords.h"

#include <QList>
#include <QString>

namespace Voruvar::Standin {

// The stand-in host's records in one SQLite file: log entries, reminders and web addresses.
// Every record is committed when it is added, so other processes can read the file at once.
class StandinStore final
{
    Q_DISABLE_COPY_MOVE(StandinStore)

public:
    StandinStore();
    ~StandinStore();

    // Opens (and when needed creates) the file and its tables.
    bool open(const QString &path, QString *error);

    bool addLogEntry(const LogEntry &entry, QString *error);
    bool addReminder(const ReminderRecord &reminder, QString *error);
    bool addAddress(const AddressRecord &address, QString *error);

    // Everything stored, oldest first.
    QList<LogEntry> logEntries() const;
    QList<ReminderRecord> reminders() const;
    QList<AddressRecord> addresses() const;

private:
    QString m_connection;
};

} // namespace Voruvar::Standin
