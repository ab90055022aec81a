// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "dbushostlibrary.h"

#include "buslimits.h"
#include "hostlibraryfailure.h"

#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcHostLibrary, "voruvar.host.library")

namespace Voruvar::Host {

namespace {

const QString rootPath = QStringLiteral("/clsRuraro");
const QString rootInterface = QStringLiteral("dovavirev.clsRuraro");
const QString objectInterface = QStringLiteral("dovavirev.clsRuraro.Object");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

// The host's own message goes into logs and message boxes: a host that sends megabytes gets
// its first lines shown, not a box that takes minutes to lay out.
constexpr qsizetype descriptionLimit = 1000;

Core::ErrorDetail detail(HostLibraryFailure kind, const QString &description)
{
    if (description.size() <= descriptionLimit)
        return {hostLibraryService, static_cast<int>(kind), description};
    return {hostLibraryService, static_cast<int>(kind),
            description.left(descriptionLimit) +
                QStringLiteral("... (%1 characters in all)").arg(description.size())};
}

// The kind of failure a D-Bus error reply stands for.
HostLibraryFailure kindOf(const QDBusError &error)
{
    switch (error.type()) {
    case QDBusError::Disconnected:
    case QDBusError::NoServer:
    case QDBusError::BadAddress:
    case QDBusError::NoNetwork:
        return HostLibraryFailure::NoBus;
    case QDBusError::ServiceUnknown:
    case QDBusError::InvalidService:
        return HostLibraryFailure::ServiceMissing;
    case QDBusError::UnknownObject:
    case QDBusError::InvalidObjectPath:
        return HostLibraryFailure::ObjectMissing;
    case QDBusError::UnknownMethod:
    case QDBusError::UnknownInterface:
    case QDBusError::UnknownProperty:
    case QDBusError::PropertyReadOnly:
    case QDBusError::InvalidSignature:
    case QDBusError::InvalidArgs:
    case QDBusError::InvalidMember:
    case QDBusError::InvalidInterface:
        return HostLibraryFailure::MemberMissing;
    case QDBusError::NoReply:
    case QDBusError::Timeout:
    case QDBusError::TimedOut:
        return HostLibraryFailure::NoReply;
    default:
        break;
    }
    // The bus names these without Qt knowing them: the name has no owner, or starting it failed.
    if (error.name() == u"org.freedesktop.DBus.Error.NameHasNoOwner" ||
        error.name().startsWith(u"org.freedesktop.DBus.Error.Spawn."))
        return HostLibraryFailure::ServiceMissing;
    return HostLibraryFailure::Refused;
}

// One object of the library on the bus, addressed at the connection that made it.
class DBusHostLibraryObject final : public HostLibraryObject
{
public:
    DBusHostLibraryObject(DBusHostLibrary &library, QString owner, QString path)
        : m_library(library), m_owner(std::move(owner)), m_path(std::move(path))
    {}

    HostFailure setDTFormat(const QString &dateFormat) override
    {
        QDBusMessage message =
            QDBusMessage::createMethodCall(m_owner, m_path, propertiesInterface, QStringLiteral("Set"));
        message << objectInterface << QStringLiteral("setDTFormat") << QVariant::fromValue(QDBusVariant(dateFormat));
        return m_library.call(message);
    }

    HostFailure RuraroPath(const QString &ruraroPath) override
    {
        return invoke(QStringLiteral("RuraroPath"), {ruraroPath});
    }

    HostFailure writeLog(const QString &entry, const QString &user) override
    {
        return invoke(QStringLiteral("writeLog"), {entry, user});
    }

    HostFailure DetUser(const QString &accountName, const QString &userItem16, const QString &accountTitle,
                        const QString &accountId) override
    {
        return invoke(QStringLiteral("DetUser"), {accountName, userItem16, accountTitle, accountId});
    }

    HostFailure RemCreate(const ReminderArguments &a) override
    {
        return invoke(QStringLiteral("RemCreate"),
                      {a.hostPath5, a.accountName, a.today, a.dueDate, a.fifth, QVariant::fromValue(a.remArg6),
                       a.addinClass, a.subject, a.accountId, a.hostPath2});
    }

    HostFailure gBrowser(const QString &address, qint16 second, qint16 third) override
    {
        return invoke(QStringLiteral("gBrowser"), {address, QVariant::fromValue(second), QVariant::fromValue(third)});
    }

    HostFailure Release() override { return invoke(QStringLiteral("Release"), {}); }

private:
    HostFailure invoke(const QString &member, const QVariantList &arguments)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(m_owner, m_path, objectInterface, member);
        message.setArguments(arguments);
        return m_library.call(message);
    }

    DBusHostLibrary &m_library;
    QString m_owner;
    QString m_path;
};

} // namespace

DBusHostLibrary::DBusHostLibrary(QDBusConnection bus, std::chrono::milliseconds callTimeout,
                                 std::chrono::milliseconds quietTime)
    : m_bus(std::move(bus)), m_callTimeoutMs(int(callTimeout.count())), m_quietTime(quietTime)
{
    // A host that answers with a huge message must not leave the connection deaf.
    keepReadingLargeMessages(m_bus);
}

HostFailure DBusHostLibrary::call(const QDBusMessage &message, QDBusMessage *reply)
{
    if (m_sinceSilence.isValid() && m_sinceSilence.elapsed() < m_quietTime.count())
        return detail(HostLibraryFailure::NoReply,
                      QStringLiteral("The host library did not answer a call %1 ms ago and is left alone for %2 ms.")
                          .arg(m_sinceSilence.elapsed())
                          .arg(m_quietTime.count()));
    if (m_sinceMissing.isValid() && m_sinceMissing.elapsed() < missingHold.count())
        return m_missing;
    if (!m_bus.isConnected())
        return detail(HostLibraryFailure::NoBus, m_bus.lastError().message());

    QElapsedTimer waited;
    waited.start();
    ++m_callsSent;
    QDBusMessage answer = m_bus.call(message, QDBus::Block, m_callTimeoutMs);
    if (answer.type() != QDBusMessage::ReplyMessage) {
        const QDBusError error(answer);
        HostLibraryFailure kind = kindOf(error);
        // Objects are addressed at the connection that made them: when that is gone, so is the object.
        if (kind == HostLibraryFailure::ServiceMissing && message.service().startsWith(QLatin1Char(':')))
            kind = HostLibraryFailure::ObjectMissing;
        // A host that ended during the call says so at once; one that let the timeout run out is hung.
        if (kind == HostLibraryFailure::NoReply && waited.elapsed() >= m_callTimeoutMs / 2)
            m_sinceSilence.start();
        Core::ErrorDetail failure = detail(kind, error.message());
        qCDebug(lcHostLibrary, "%s on %s failed: %s: %s", qPrintable(message.member()), qPrintable(message.path()),
                qPrintable(error.name()), qPrintable(failure.description));
        if (kind == HostLibraryFailure::ServiceMissing) {
            m_missing = failure;
            m_sinceMissing.start();
        }
        return failure;
    }
    m_sinceSilence.invalidate();
    m_sinceMissing.invalidate();
    if (reply)
        *reply = std::move(answer);
    return std::nullopt;
}

bool DBusHostLibrary::present() const
{
    const QDBusConnectionInterface *bus = m_bus.isConnected() ? m_bus.interface() : nullptr;
    return bus && bus->isServiceRegistered(hostLibraryService).value();
}

std::unique_ptr<HostLibraryObject> DBusHostLibrary::CreateObject(Core::ErrorDetail &failure)
{
    QDBusMessage reply;
    if (HostFailure callFailure = call(
            QDBusMessage::createMethodCall(hostLibraryService, rootPath, rootInterface, QStringLiteral("CreateObject")),
            &reply)) {
        failure = *callFailure;
        return nullptr;
    }
    const QVariant path = reply.arguments().value(0);
    if (reply.signature() != u"o" || reply.service().isEmpty()) {
        failure =
            detail(HostLibraryFailure::BadReply,
                   QStringLiteral("CreateObject answered '%1' instead of an object path.").arg(reply.signature()));
        return nullptr;
    }
    return std::make_unique<DBusHostLibraryObject>(*this, reply.service(), path.value<QDBusObjectPath>().path());
}

} // namespace Voruvar::Host
