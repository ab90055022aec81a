// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "ruraroobject.h"

#include "standinstore.h"

#include <QProcess>

#include <cstdio>

namespace Voruvar::Standin {

RuraroObject::RuraroObject(QDBusConnection bus, QString path, StandinStore &store, QStringList browserCommand,
                           QObject *parent)
    : QObject(parent), m_bus(std::move(bus)), m_path(std::move(path)), m_store(store),
      m_browserCommand(std::move(browserCommand))
{}

void RuraroObject::refuse(const QString &reason)
{
    std::fprintf(stderr, "voruvar-standin-host: %s\n", qPrintable(reason));
    sendErrorReply(QStringLiteral("dovavirev.clsRuraro.Error.Failed"), reason);
}

void RuraroObject::RuraroPath(const QString &path)
{
    m_hostPath = path;
}

void RuraroObject::writeLog(const QString &entry, const QString &user)
{
    QString error;
    if (!m_store.addLogEntry({entry, user, m_dateFormat, m_hostPath, QDateTime::currentDateTime()}, &error))
        refuse(QStringLiteral("Cannot store the log entry: %1").arg(error));
}

void RuraroObject::DetUser(const QString &accountName, const QString &userItem16, const QString &accountTitle,
                           const QString &accountId)
{
    m_user = {accountName, userItem16, accountTitle, accountId};
}

void RuraroObject::RemCreate(const QString &a1, const QString &a2, const QString &a3, const QString &a4,
                             const QString &a5, uchar a6, const QString &a7, const QString &a8, const QString &a9,
                             const QString &a10)
{
    const QStringList arguments{a1, a2, a3, a4, a5, QString::number(a6), a7, a8, a9, a10};
    QString error;
    if (!m_store.addReminder({m_user, arguments, m_dateFormat, QDateTime::currentDateTime()}, &error))
        refuse(QStringLiteral("Cannot store the reminder: %1").arg(error));
}

void RuraroObject::gBrowser(const QString &address, short second, short third)
{
    bool opened = false;
    QString reason;
    if (address.trimmed().isEmpty()) {
        reason = QStringLiteral("No address to open.");
    } else if (m_browserCommand.isEmpty()) {
        reason = QStringLiteral("No browser command.");
    } else {
        opened = QProcess::startDetached(m_browserCommand.first(), m_browserCommand.mid(1) << address);
        if (!opened)
            reason = QStringLiteral("Cannot start '%1' to open %2.").arg(m_browserCommand.first(), address);
    }
    QString error;
    if (!m_store.addAddress({address, second, third, m_dateFormat, opened, QDateTime::currentDateTime()}, &error))
        reason = QStringLiteral("Cannot store the address: %1").arg(error);
    if (!reason.isEmpty())
        refuse(reason);
}

void RuraroObject::Release()
{
    m_bus.unregisterObject(m_path);
    deleteLater();
}

} // namespace Voruvar::Standin
