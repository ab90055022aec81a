// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "profile.h"

#include <QDBusConnection>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTimer>

class QDBusServiceWatcher;

namespace Voruvar::Standin {

// Executes the add-in as a host console does: makes sure Voruvar.clsMain is on the bus (already
// there, started by the bus, or started here as "<program> --automation <arguments>"), sets
// R_PATH, R_USER and R_FLAG from the profile, calls M_Execute or M_ExecAlert, and reports
// `finished` when the add-in has left the bus.
class AddinDriver final : public QObject
{
    Q_OBJECT

public:
    AddinDriver(QDBusConnection bus, Profile profile, QString program, QStringList arguments,
                QObject *parent = nullptr);

    void start();

Q_SIGNALS:
    // 0 once the executed add-in has ended; 1 when it could not be started or executed.
    void finished(int exitCode);

private:
    void execute();
    void fail(const QString &reason);
    void end(int exitCode);
    bool setCollection(const QString &name, const QList<std::optional<QString>> &items);

    QDBusConnection m_bus;
    Profile m_profile;
    QString m_program;
    QStringList m_arguments;
    QDBusServiceWatcher *m_watcher = nullptr;
    QProcess m_process;
    QTimer m_startLimit;
    bool m_executed = false;
    bool m_ended = false;
};

} // namespace Voruvar::Standin
