// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "standinstore.h"

#include <QAtomicInt>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace Voruvar::Standin {

namespace {

QAtomicInt connectionCount;

const char *const setup[] = {
    // Each record is committed at once; the write-ahead log keeps that cheap and lets readers in.
    "PRAGMA journal_mode=WAL",
    "PRAGMA synchronous=NORMAL",
    "CREATE TABLE IF NOT EXISTS log (id INTEGER PRIMARY KEY, entry TEXT, user TEXT, date_format TEXT,"
    " host_path TEXT, time TEXT)",
    "CREATE TABLE IF NOT EXISTS reminders (id INTEGER PRIMARY KEY, det_user1 TEXT, det_user2 TEXT, det_user3 TEXT,"
    " det_user4 TEXT, arg1 TEXT, arg2 TEXT, arg3 TEXT, arg4 TEXT, arg5 TEXT, arg6 INTEGER, arg7 TEXT, arg8 TEXT,"
    " arg9 TEXT, arg10 TEXT, date_format TEXT, time TEXT)",
    "CREATE TABLE IF NOT EXISTS addresses (id INTEGER PRIMARY KEY, address TEXT, arg2 INTEGER, arg3 INTEGER,"
    " date_format TEXT, opened INTEGER, time TEXT)",
};

QString timeText(const QDateTime &time)
{
    return time.toString(Qt::ISODateWithMs);
}

bool run(QSqlQuery &query, QString *error)
{
    if (query.exec())
        return true;
    if (error)
        *error = query.lastError().text();
    return false;
}

} // namespace

StandinStore::StandinStore()
    : m_connection(QStringLiteral("standin-store-%1").arg(connectionCount.fetchAndAddRelaxed(1)))
{}

StandinStore::~StandinStore()
{
    {
        QSqlDatabase::database(m_connection, false).close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

bool StandinStore::open(const QString &path, QString *error)
{
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
                          ? QSqlDatabase::database(m_connection, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open()) {
        if (error)
            *error = QStringLiteral("Cannot open '%1': %2").arg(path, db.lastError().text());
        return false;
    }
    for (const char *statement : setup) {
        QSqlQuery query(db);
        if (!query.exec(QString::fromLatin1(statement))) {
            if (error)
                *error = QStringLiteral("Cannot prepare '%1': %2").arg(path, query.lastError().text());
            db.close();
            return false;
        }
    }
    return true;
}

bool StandinStore::addLogEntry(const LogEntry &entry, QString *error)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("INSERT INTO log (entry, user, date_format, host_path, time) VALUES (?, ?, ?, ?, ?)"));
    for (const QVariant &value : {QVariant(entry.entry), QVariant(entry.user), QVariant(entry.dateFormat),
                                  QVariant(entry.hostPath), QVariant(timeText(entry.time))})
        query.addBindValue(value);
    return run(query, error);
}

bool StandinStore::addReminder(const ReminderRecord &reminder, QString *error)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("INSERT INTO reminders (det_user1, det_user2, det_user3, det_user4, arg1, arg2, arg3,"
                                 " arg4, arg5, arg6, arg7, arg8, arg9, arg10, date_format, time)"
                                 " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int i = 0; i < 4; ++i)
        query.addBindValue(reminder.user.value(i));
    for (int i = 0; i < 10; ++i)
        query.addBindValue(i == 5 ? QVariant(reminder.arguments.value(i).toInt())
                                  : QVariant(reminder.arguments.value(i)));
    query.addBindValue(reminder.dateFormat);
    query.addBindValue(timeText(reminder.time));
    return run(query, error);
}

bool StandinStore::addAddress(const AddressRecord &address, QString *error)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral(
        "INSERT INTO addresses (address, arg2, arg3, date_format, opened, time) VALUES (?, ?, ?, ?, ?, ?)"));
    for (const QVariant &value :
         {QVariant(address.address), QVariant(int(address.second)), QVariant(int(address.third)),
          QVariant(address.dateFormat), QVariant(address.opened ? 1 : 0), QVariant(timeText(address.time))})
        query.addBindValue(value);
    return run(query, error);
}

QList<LogEntry> StandinStore::logEntries() const
{
    QList<LogEntry> entries;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.exec(QStringLiteral("SELECT entry, user, date_format, host_path, time FROM log ORDER BY id"));
    while (query.next())
        entries.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                        query.value(3).toString(),
                        QDateTime::fromString(query.value(4).toString(), Qt::ISODateWithMs)});
    return entries;
}

QList<ReminderRecord> StandinStore::reminders() const
{
    QList<ReminderRecord> reminders;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.exec(QStringLiteral("SELECT det_user1, det_user2, det_user3, det_user4, arg1, arg2, arg3, arg4, arg5, arg6,"
                              " arg7, arg8, arg9, arg10, date_format, time FROM reminders ORDER BY id"));
    while (query.next()) {
        ReminderRecord reminder;
        for (int i = 0; i < 4; ++i)
            reminder.user.append(query.value(i).toString());
        for (int i = 4; i < 14; ++i)
            reminder.arguments.append(query.value(i).toString());
        reminder.dateFormat = query.value(14).toString();
        reminder.time = QDateTime::fromString(query.value(15).toString(), Qt::ISODateWithMs);
        reminders.append(reminder);
    }
    return reminders;
}

QList<AddressRecord> StandinStore::addresses() const
{
    QList<AddressRecord> addresses;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.exec(QStringLiteral("SELECT address, arg2, arg3, date_format, opened, time FROM addresses ORDER BY id"));
    while (query.next())
        addresses.append({query.value(0).toString(), qint16(query.value(1).toInt()), qint16(query.value(2).toInt()),
                          query.value(3).toString(), query.value(4).toInt() != 0,
                          QDateTime::fromString(query.value(5).toString(), Qt::ISODateWithMs)});
    return addresses;
}

} // namespace Voruvar::Standin
