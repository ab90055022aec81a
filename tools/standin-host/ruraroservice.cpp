// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "ruraroservice.h"

#include "ruraroobject.h"

#include <QDBusConnectionInterface>
#include <QDBusError>

namespace Voruvar::Standin {

namespace {
const QString serviceName = QStringLiteral("dovavirev.clsRuraro");
const QString rootPath = QStringLiteral("/clsRuraro");
constexpr QDBusConnection::RegisterOptions exported =
    QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties;
} // namespace

RuraroService::RuraroService(QDBusConnection bus, StandinStore &store, QStringList browserCommand, QObject *parent)
    : QObject(parent), m_bus(std::move(bus)), m_store(store), m_browserCommand(std::move(browserCommand))
{}

bool RuraroService::serve(QString *error)
{
    if (!m_bus.isConnected()) {
        *error = QStringLiteral("No session bus: %1").arg(m_bus.lastError().message());
        return false;
    }
    if (!m_bus.registerObject(rootPath, this, exported)) {
        *error = QStringLiteral("Cannot serve %1: %2").arg(rootPath, m_bus.lastError().message());
        return false;
    }
    const auto reply = m_bus.interface()->registerService(serviceName, QDBusConnectionInterface::DontQueueService,
                                                          QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid() || reply.value() != QDBusConnectionInterface::ServiceRegistered) {
        *error = QStringLiteral("Cannot take the name %1 (is another host running?)").arg(serviceName);
        m_bus.unregisterObject(rootPath);
        return false;
    }
    return true;
}

QDBusObjectPath RuraroService::CreateObject()
{
    const QString path = rootPath + QLatin1Char('/') + QString::number(++m_made);
    auto *object = new RuraroObject(m_bus, path, m_store, m_browserCommand, this);
    if (!m_bus.registerObject(path, object, exported)) {
        delete object;
        sendErrorReply(QDBusError::Failed, QStringLiteral("Cannot serve a new object at %1.").arg(path));
        return {};
    }
    return QDBusObjectPath(path);
}

} // namespace Voruvar::Standin
