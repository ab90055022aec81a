// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QStringList>

namespace Voruvar::Standin {

class StandinStore;

// One object of the stand-in host library, made by CreateObject at its own path and removed from
// the bus by Release. It remembers what it was told (date format, host folder, user) and stores
// each log entry, reminder and web address with it. A call it cannot carry out is answered with
// an error naming the reason.
class RuraroObject final : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "dovavirev.clsRuraro.Object")
    // setDTFormat is write-only for callers; reading it answers what was set, for inspection.
    Q_CLASSINFO(
        "D-Bus Introspection",
        ""
        "  <interface name=\"dovavirev.clsRuraro.Object\">\n"
        "    <property name=\"setDTFormat\" type=\"s\" access=\"write\"/>\n"
        "    <method name=\"RuraroPath\"><arg name=\"path\" type=\"s\" direction=\"in\"/></method>\n"
        "    <method name=\"writeLog\"><arg name=\"entry\" type=\"s\" direction=\"in\"/>"
        "<arg name=\"user\" type=\"s\" direction=\"in\"/></method>\n"
        "    <method name=\"DetUser\"><arg name=\"accountName\" type=\"s\" direction=\"in\"/>"
        "<arg name=\"userItem16\" type=\"s\" direction=\"in\"/><arg name=\"accountTitle\" type=\"s\" direction=\"in\"/>"
        "<arg name=\"accountId\" type=\"s\" direction=\"in\"/></method>\n"
        "    <method name=\"RemCreate\"><arg name=\"hostPath5\" type=\"s\" direction=\"in\"/>"
        "<arg name=\"accountName\" type=\"s\" direction=\"in\"/><arg name=\"today\" type=\"s\" direction=\"in\"/>"
        "<arg name=\"dueDate\" type=\"s\" direction=\"in\"/><arg name=\"empty\" type=\"s\" direction=\"in\"/>"
        "<arg name=\"remArg6\" type=\"y\" direction=\"in\"/><arg name=\"addinClass\" type=\"s\" direction=\"in\"/>"
        "<arg name=\"subject\" type=\"s\" direction=\"in\"/><arg name=\"accountId\" type=\"s\" direction=\"in\"/>"
        "<arg name=\"hostPath2\" type=\"s\" direction=\"in\"/></method>\n"
        "    <method name=\"gBrowser\"><arg name=\"address\" type=\"s\" direction=\"in\"/>"
        "<arg name=\"second\" type=\"n\" direction=\"in\"/><arg name=\"third\" type=\"n\" direction=\"in\"/></method>\n"
        "    <method name=\"Release\"/>\n"
        "  </interface>\n")
    Q_PROPERTY(QString setDTFormat READ dateFormat WRITE putDateFormat)

public:
    RuraroObject(QDBusConnection bus, QString path, StandinStore &store, QStringList browserCommand,
                 QObject *parent = nullptr);

    QString path() const { return m_path; }
    QString dateFormat() const { return m_dateFormat; }
    void putDateFormat(const QString &format) { m_dateFormat = format; }

public Q_SLOTS:
    void RuraroPath(const QString &path);
    void writeLog(const QString &entry, const QString &user);
    void DetUser(const QString &accountName, const QString &userItem16, const QString &accountTitle,
                 const QString &accountId);
    void RemCreate(const QString &a1, const QString &a2, const QString &a3, const QString &a4, const QString &a5,
                   uchar a6, const QString &a7, const QString &a8, const QString &a9, const QString &a10);
    void gBrowser(const QString &address, short second, short third);
    void Release();

private:
    void refuse(const QString &reason);

    QDBusConnection m_bus;
    QString m_path;
    StandinStore &m_store;
    QStringList m_browserCommand;
    QString m_dateFormat;
    QString m_hostPath;
    QStringList m_user;
};

} // namespace Voruvar::Standin
