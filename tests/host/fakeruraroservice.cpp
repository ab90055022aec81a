// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// A broken host library for the tests: takes the name dovavirev.clsRuraro, prints "call MEMBER"
// for every message it receives, and misbehaves in one way, named by its first argument:
//   silent          answers nothing
//   mute            CreateObject works; the object answers nothing
//   dying           ends, without answering, on the first call
//   bare            CreateObject works; the object has no members
//   refusing [TEXT] every call is answered with an error whose message is TEXT
//   badreply        CreateObject answers a text instead of an object path
//   wrongtypes      CreateObject answers a structure holding a path
//   oddanswers      CreateObject works; the object's calls are answered with arrays of numbers
//   hugeerror       every call is answered with an error whose message is 64 MiB long
//   hugereply       CreateObject answers a 64 MiB text
//   nopath          CreateObject answers a path where no object is
//   slow MS         answers as the stand-in host would, each answer MS milliseconds late
//   leaving MS      leaves the bus MS milliseconds after the first call came, without answering it
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusMetaType>
#include <QDBusVirtualObject>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

class BrokenLibrary final : public QDBusVirtualObject
{
public:
    BrokenLibrary(QString mode, QString text) : m_mode(std::move(mode)), m_text(std::move(text)) {}

    QString introspect(const QString &) const override { return {}; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        std::printf("call %s\n", qPrintable(message.member()));
        std::fflush(stdout);
        const bool create = message.member() == u"CreateObject";
        if (m_mode == u"dying")
            std::_Exit(3);
        if (m_mode == u"leaving") {
            QTimer::singleShot(m_text.toInt(), [] { std::_Exit(3); });
            return true;
        }
        if (m_mode == u"slow") {
            const QDBusMessage reply =
                create ? message.createReply(QVariant::fromValue(QDBusObjectPath(QStringLiteral("/clsRuraro/1"))))
                       : message.createReply();
            QTimer::singleShot(m_text.toInt(), [reply, connection] { QDBusConnection(connection).send(reply); });
            return true;
        }
        if (const QDBusMessage reply = oddAnswer(message, create); reply.type() != QDBusMessage::InvalidMessage) {
            connection.send(reply);
            return true;
        }
        if (m_mode == u"silent" || (m_mode == u"mute" && !create))
            return true;
        QDBusMessage reply;
        if (m_mode == u"refusing")
            reply = message.createErrorReply(QStringLiteral("dovavirev.clsRuraro.Error.Refused"), m_text);
        else if (create && (m_mode == u"bare" || m_mode == u"mute"))
            reply = message.createReply(QVariant::fromValue(QDBusObjectPath(QStringLiteral("/clsRuraro/1"))));
        else if (create && m_mode == u"badreply")
            reply = message.createReply(QStringLiteral("not a path"));
        else if (message.interface() == u"org.freedesktop.DBus.Properties")
            reply = message.createErrorReply(
                QDBusError::UnknownProperty,
                QStringLiteral("No such property '%1'").arg(message.arguments().value(1).toString()));
        else
            reply = message.createErrorReply(
                QDBusError::UnknownMethod,
                QStringLiteral("No such method '%1' at object path '%2'").arg(message.member(), message.path()));
        connection.send(reply);
        return true;
    }

private:
    // The answers of the modes that answer at once with something a library should not.
    QDBusMessage oddAnswer(const QDBusMessage &message, bool create) const
    {
        static const QString huge(64 << 20, u'x');
        if (m_mode == u"hugeerror")
            return message.createErrorReply(QStringLiteral("dovavirev.clsRuraro.Error.Refused"), huge);
        if (m_mode == u"hugereply" && create)
            return message.createReply(huge);
        if (m_mode == u"wrongtypes" && create) {
            QDBusArgument structure;
            structure.beginStructure();
            structure << QDBusObjectPath(QStringLiteral("/clsRuraro/1")) << QStringLiteral("extra");
            structure.endStructure();
            return message.createReply(QVariant::fromValue(structure));
        }
        if (m_mode == u"oddanswers") {
            return create ? message.createReply(QVariant::fromValue(QDBusObjectPath(QStringLiteral("/clsRuraro/1"))))
                          : message.createReply(QVariant::fromValue(QList<int>{1, 2, 3}));
        }
        if (m_mode == u"nopath") {
            if (create)
                return message.createReply(QVariant::fromValue(QDBusObjectPath(QStringLiteral("/clsRuraro/nowhere"))));
            return message.createErrorReply(QDBusError::UnknownObject,
                                            QStringLiteral("No such object path '%1'").arg(message.path()));
        }
        return {};
    }

    QString m_mode;
    QString m_text;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    BrokenLibrary library(arguments.value(1), arguments.value(2));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerVirtualObject(QStringLiteral("/"), &library, QDBusConnection::SubPath) ||
        !bus.registerService(QStringLiteral("dovavirev.clsRuraro"))) {
        std::fprintf(stderr, "fakeruraroservice: cannot serve dovavirev.clsRuraro\n");
        return 1;
    }
    return app.exec();
}
