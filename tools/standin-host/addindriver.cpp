// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "addindriver.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

#include <cstdio>

namespace Voruvar::Standin {

namespace {
const QString addinService = QStringLiteral("Voruvar.clsMain");
const QString addinPath = QStringLiteral("/clsMain");
constexpr int callTimeoutMs = 10000;
constexpr int startLimitMs = 30000;

void say(const QString &text)
{
    std::printf("voruvar-standin-host: %s\n", qPrintable(text));
    std::fflush(stdout);
}
} // namespace

AddinDriver::AddinDriver(QDBusConnection bus, Profile profile, QString program, QStringList arguments, QObject *parent)
    : QObject(parent), m_bus(std::move(bus)), m_profile(std::move(profile)), m_program(std::move(program)),
      m_arguments(std::move(arguments))
{
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
    m_startLimit.setSingleShot(true);
    m_startLimit.setInterval(startLimitMs);
    connect(&m_startLimit, &QTimer::timeout, this,
            [this] { fail(QStringLiteral("the add-in did not come on the bus")); });
}

void AddinDriver::start()
{
    m_watcher = new QDBusServiceWatcher(
        addinService, m_bus, QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration,
        this);
    connect(m_watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        m_startLimit.stop();
        if (!m_executed)
            execute();
    });
    connect(m_watcher, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
        if (m_executed)
            end(0);
    });

    QDBusConnectionInterface *bus = m_bus.interface();
    if (bus->isServiceRegistered(addinService)) {
        if (!m_arguments.isEmpty())
            say(QStringLiteral("the add-in is running already; its arguments are not used"));
        QMetaObject::invokeMethod(this, &AddinDriver::execute, Qt::QueuedConnection);
        return;
    }
    m_startLimit.start();
    const QStringList activatable = bus->activatableServiceNames();
    if (m_arguments.isEmpty() && activatable.contains(addinService)) {
        say(QStringLiteral("asking the bus to start %1").arg(addinService));
        const QDBusReply<void> started = bus->startService(addinService);
        if (!started.isValid())
            fail(QStringLiteral("the bus could not start %1: %2").arg(addinService, started.error().message()));
        return;
    }
    say(QStringLiteral("starting %1 %2")
            .arg(m_program, (QStringList{QStringLiteral("--automation")} + m_arguments).join(QLatin1Char(' '))));
    connect(&m_process, &QProcess::finished, this, [this](int exitCode) {
        if (!m_executed)
            fail(QStringLiteral("the add-in ended (exit code %1) before it could be executed").arg(exitCode));
        else
            end(0);
    });
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            fail(QStringLiteral("cannot start %1: %2").arg(m_program, m_process.errorString()));
    });
    m_process.start(m_program, QStringList{QStringLiteral("--automation")} + m_arguments);
}

bool AddinDriver::setCollection(const QString &name, const QList<std::optional<QString>> &items)
{
    QVariantList values;
    for (const std::optional<QString> &item : items)
        values.append(QVariant::fromValue(QDBusVariant(item ? QVariant(*item) : QVariant(QVariantList()))));
    QDBusMessage message = QDBusMessage::createMethodCall(
        addinService, addinPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"));
    message << addinService << name << QVariant::fromValue(QDBusVariant(QVariant::fromValue(values)));
    const QDBusMessage reply = m_bus.call(message, QDBus::BlockWithGui, callTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return true;
    fail(QStringLiteral("setting %1 failed: %2").arg(name, reply.errorMessage()));
    return false;
}

void AddinDriver::execute()
{
    if (m_executed || m_ended)
        return;
    m_executed = true;
    if (!setCollection(QStringLiteral("R_PATH"), m_profile.paths) ||
        !setCollection(QStringLiteral("R_USER"), m_profile.user) ||
        !setCollection(QStringLiteral("R_FLAG"), m_profile.flags))
        return;
    QDBusMessage message =
        QDBusMessage::createMethodCall(addinService, addinPath, addinService,
                                       m_profile.alert ? QStringLiteral("M_ExecAlert") : QStringLiteral("M_Execute"));
    if (m_profile.alert)
        message << *m_profile.alert;
    const QDBusMessage reply = m_bus.call(message, QDBus::BlockWithGui, callTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        fail(QStringLiteral("%1 failed: %2").arg(message.member(), reply.errorMessage()));
        return;
    }
    say(m_profile.alert ? QStringLiteral("executed the add-in with the alert \"%1\"").arg(*m_profile.alert)
                        : QStringLiteral("executed the add-in"));
}

void AddinDriver::fail(const QString &reason)
{
    std::fprintf(stderr, "voruvar-standin-host: %s\n", qPrintable(reason));
    end(1);
}

void AddinDriver::end(int exitCode)
{
    if (m_ended)
        return;
    m_ended = true;
    m_startLimit.stop();
    // An add-in started here goes with the host when executing it failed; one that has left the
    // bus is given a moment to finish exiting.
    if (m_process.state() != QProcess::NotRunning) {
        if (exitCode != 0)
            m_process.kill();
        m_process.waitForFinished(3000);
    }
    if (exitCode == 0)
        say(QStringLiteral("the add-in has ended"));
    Q_EMIT finished(exitCode);
}

} // namespace Voruvar::Standin
