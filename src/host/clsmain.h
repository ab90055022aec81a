// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QDBusContext>
#include <QObject>
#include <QVariantList>

class QDBusServiceWatcher;

namespace Voruvar::Host {

class AutomationHost;
struct HostContext;

// The add-in's automation class, served on the session bus as Voruvar.clsMain. Its members read
// or write the host context and hand window work to the application; none fails towards the
// host, none blocks it. A process that was never asked to execute ends once every client that
// called it has left the bus: nothing else would ever end it.
class clsMain final : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(clsMain)
    // Write-only for the host; the read side exists only because Qt's property system needs one.
    Q_PROPERTY(QVariant R_PATH READ emptyCollection WRITE setR_PATH)
    Q_PROPERTY(QVariant R_USER READ emptyCollection WRITE setR_USER)
    Q_PROPERTY(QVariant R_FLAG READ emptyCollection WRITE setR_FLAG)

public:
    clsMain(HostContext &context, AutomationHost &host, QObject *parent = nullptr);

    // Each takes the host's collection as it arrived, undecoded, so that a value of any type is
    // looked at before it is read: only an array of variants is read, item by item. Anything
    // else cannot be converted, and every field of the group keeps its value.
    void setR_PATH(const QVariant &collection);
    void setR_USER(const QVariant &collection);
    void setR_FLAG(const QVariant &collection);
    static QVariant emptyCollection() { return QVariant::fromValue(QVariantList()); }

    static QString identification();
    static QStringList authorTexts();
    static QStringList registerTexts();
    static QString versionText();
    static QString programDirectory(const QString &executableDirectory);
    static constexpr char16_t accessCode[] = u"$318547";

public Q_SLOTS:
    QString Identify();
    QVariantList Author();
    QString coLogPic();
    void Drop();
    QVariantList Register();
    void M_Execute();
    void M_ExecAlert(const QString &strOX);
    QString CLOC();
    QString DLOC();
    QString ELOC();
    QString Ping();
    void SetOverride(const QString &strSitePath, const QString &strKey);

private:
    // Watches the bus client of the call being served, until it leaves the bus.
    void watchCaller();
    void onCallerLeft(const QString &caller);

    HostContext &m_context;
    AutomationHost &m_host;
    QDBusServiceWatcher *m_callers = nullptr;
    bool m_executed = false;
};

} // namespace Voruvar::Host
