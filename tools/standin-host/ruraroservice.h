// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QObject>
#include <QStringList>

namespace Voruvar::Standin {

class StandinStore;

// The stand-in host library on the bus: dovavirev.clsRuraro at /clsRuraro, whose CreateObject
// makes a fresh RuraroObject at /clsRuraro/<number> for every use.
class RuraroService final : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "dovavirev.clsRuraro")

public:
    RuraroService(QDBusConnection bus, StandinStore &store, QStringList browserCommand, QObject *parent = nullptr);

    // Takes the bus name and serves the root object; false with the reason when it cannot.
    bool serve(QString *error);

public Q_SLOTS:
    QDBusObjectPath CreateObject();

private:
    QDBusConnection m_bus;
    StandinStore &m_store;
    QStringList m_browserCommand;
    quint64 m_made = 0;
};

} // namespace Voruvar::Standin
