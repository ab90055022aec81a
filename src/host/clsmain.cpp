// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "clsmain.h"

#include "automationhost.h"
#include "dbusvalue.h"
#include "hostcontext.h"
#include "productinfo.h"
#include "core/texttools.h"
#include "version.h"

#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcAutomation, "voruvar.host.clsmain")

namespace Voruvar::Host {

namespace {
QVariantList toCollection(const QStringList &texts)
{
    QVariantList collection;
    collection.reserve(texts.size());
    for (const QString &text : texts)
        collection.append(text);
    return collection;
}
} // namespace

clsMain::clsMain(HostContext &context, AutomationHost &host, QObject *parent)
    : QObject(parent), m_context(context), m_host(host)
{
    setObjectName(QStringLiteral("clsMain"));
}

QString clsMain::identification()
{
    return ProductInfo::identificationCode() + ProductInfo::name();
}

QStringList clsMain::authorTexts()
{
    return {ProductInfo::maker(), QStringLiteral("MSVS"), QStringLiteral("6.2")};
}

QStringList clsMain::registerTexts()
{
    return {ProductInfo::title(),
            QStringLiteral("Version %1.%2").arg(Version::major).arg(Version::minor),
            ProductInfo::rightsNotice(),
            ProductInfo::releaseDate(),
            ProductInfo::description(),
            ProductInfo::contactLine()};
}

QString clsMain::versionText()
{
    return QStringLiteral("Voruvar v.%1.%2.%3\r\n").arg(Version::major).arg(Version::minor).arg(Version::revision) +
           ProductInfo::rightsNotice();
}

QString clsMain::programDirectory(const QString &executableDirectory)
{
    // Only the root reports its trailing separator; it is dropped and the rest trimmed.
    if (executableDirectory.endsWith(QLatin1Char('/')) || executableDirectory.endsWith(QLatin1Char('\\')))
        return Core::trimBlanks(QStringView(executableDirectory).chopped(1));
    return executableDirectory;
}

void clsMain::setR_PATH(const QVariant &collection)
{
    if (const auto items = hostCollectionFromDBus(collection, HostContext::pathItemCount))
        m_context.storePaths(*items);
}

void clsMain::setR_USER(const QVariant &collection)
{
    if (const auto items = hostCollectionFromDBus(collection, HostContext::userItemCount))
        m_context.storeUser(*items);
}

void clsMain::setR_FLAG(const QVariant &collection)
{
    if (const auto items = hostCollectionFromDBus(collection, HostContext::flagItemCount))
        m_context.storeFlags(*items);
}

void clsMain::watchCaller()
{
    if (!calledFromDBus())
        return;
    const QString caller = message().service();
    if (caller.isEmpty() || (m_callers && m_callers->watchedServices().contains(caller)))
        return;
    if (!m_callers) {
        m_callers = new QDBusServiceWatcher(this);
        m_callers->setConnection(connection());
        m_callers->setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
        connect(m_callers, &QDBusServiceWatcher::serviceUnregistered, this, &clsMain::onCallerLeft);
    }
    m_callers->addWatchedService(caller);
    // A caller that expects no reply may have left before the watch was set up: asked after it,
    // the bus tells.
    if (QDBusConnectionInterface *bus = connection().interface(); bus && !bus->isServiceRegistered(caller).value())
        QMetaObject::invokeMethod(this, [this, caller] { onCallerLeft(caller); }, Qt::QueuedConnection);
}

void clsMain::onCallerLeft(const QString &caller)
{
    if (!m_callers || !m_callers->removeWatchedService(caller))
        return;
    if (m_callers->watchedServices().isEmpty() && !m_executed) {
        qCInfo(lcAutomation) << "Every client has left the bus and no window is open: ending the process";
        m_host.endProcess();
    }
}

QString clsMain::Identify()
{
    watchCaller();
    return identification();
}

QVariantList clsMain::Author()
{
    watchCaller();
    return toCollection(authorTexts());
}

QString clsMain::coLogPic()
{
    watchCaller();
    m_host.putLogoOnClipboard();
    return {};
}

void clsMain::Drop()
{
    qCInfo(lcAutomation) << "Drop: ending the process";
    m_host.endProcess();
}

QVariantList clsMain::Register()
{
    watchCaller();
    return toCollection(registerTexts());
}

void clsMain::M_Execute()
{
    m_executed = true;
    m_context.strAlertRef.clear();
    m_host.requestStart();
}

void clsMain::M_ExecAlert(const QString &strOX)
{
    m_executed = true;
    m_context.strAlertRef = strOX;
    m_host.requestStart();
}

QString clsMain::CLOC()
{
    watchCaller();
    return programDirectory(m_host.executableDirectory());
}

QString clsMain::DLOC()
{
    return CLOC();
}

QString clsMain::ELOC()
{
    return CLOC();
}

QString clsMain::Ping()
{
    watchCaller();
    return versionText();
}

void clsMain::SetOverride(const QString &strSitePath, const QString &strKey)
{
    watchCaller();
    if (Core::trimBlanks(strKey.toUpper()) != QStringView(accessCode))
        return;
    m_context.strSitePath = Core::trimBlanks(strSitePath.toUpper());
}

} // namespace Voruvar::Host
