// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// A host collection as it arrives on the bus: the input is the body of a message whose one
// argument is a variant, as in a property write. The message goes over a real connection (the
// D-Bus library checks and sends it, Qt receives and reads it), and what arrives is decoded as
// the collections R_PATH, R_USER and R_FLAG are.
#include "fuzzsupport.h"
#include "host/dbusvalue.h"
#include "host/hostcontext.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServer>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QThread>

#include <dbus/dbus.h>

#include <atomic>
#include <cstring>

using namespace Voruvar;

namespace {

void decode(const QDBusMessage &message)
{
    const QVariant value = message.arguments().value(0).value<QDBusVariant>().variant();
    // The three collections differ only in how many items they take; a value is read once.
    const std::optional<QList<Core::HostValue>> items =
        Host::hostCollectionFromDBus(value, Host::HostContext::userItemCount);
    if (!items)
        return;
    FUZZ_CHECK(items->size() <= Host::HostContext::userItemCount);
    static const QList<QLocale> locales{QLocale::c(), QLocale(QLocale::German, QLocale::Germany)};
    for (const QLocale &locale : locales) {
        Host::HostContext context;
        context.storePaths(items->mid(0, Host::HostContext::pathItemCount), locale);
        context.storeUser(*items, locale);
        context.storeFlags(items->mid(0, Host::HostContext::flagItemCount), locale);
        FUZZ_CHECK(context.bytRemindersOff == 0 || items->size() >= 5);
    }
}

// The receiving end: decodes every call and answers it.
class Receiver final : public QDBusVirtualObject
{
public:
    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        decode(message);
        connection.send(message.createReply());
        return true;
    }
};

DBusConnection *sender = nullptr;
QByteArray header; // of a call with one variant argument, up to where the body starts

QByteArray callHeader()
{
    DBusMessage *call = dbus_message_new_method_call(nullptr, "/collection", "fuzz.Collection", "Set");
    DBusMessageIter arguments;
    DBusMessageIter variant;
    dbus_message_iter_init_append(call, &arguments);
    dbus_message_iter_open_container(&arguments, DBUS_TYPE_VARIANT, "s", &variant);
    const char *empty = "";
    dbus_message_iter_append_basic(&variant, DBUS_TYPE_STRING, &empty);
    dbus_message_iter_close_container(&arguments, &variant);
    dbus_message_set_serial(call, 1);
    char *marshalled = nullptr;
    int length = 0;
    FUZZ_CHECK(dbus_message_marshal(call, &marshalled, &length));
    quint32 bodyLength = 0;
    std::memcpy(&bodyLength, marshalled + 4, 4);
    QByteArray bytes(marshalled, length - int(bodyLength));
    dbus_free(marshalled);
    dbus_message_unref(call);
    return bytes;
}

} // namespace

// The connection, its thread and the receiver are made once and kept until the process ends,
// so the leak check at exit would report them. Leaks are still looked for after every input.
extern "C" const char *__lsan_default_options()
{
    return "leak_check_at_exit=0";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    Fuzzing::quietQtMessages();
    static QCoreApplication application(*argc, *argv);
    static QDBusServer server(QStringLiteral("unix:tmpdir=/tmp"));
    // Calls reach a receiving object in its own thread, so the sending thread may wait for the
    // answer. Both stay until the process ends (a running thread must not be destroyed).
    static Receiver *receiver = new Receiver;
    static QThread *receiverThread = new QThread;
    receiver->moveToThread(receiverThread);
    receiverThread->start();
    static QList<QDBusConnection> peers;
    static std::atomic<bool> connected = false;
    QObject::connect(&server, &QDBusServer::newConnection, [](const QDBusConnection &peer) {
        peers.append(peer);
        peers.last().registerVirtualObject(QStringLiteral("/"), receiver, QDBusConnection::SubPath);
        connected = true;
    });

    DBusError error;
    dbus_error_init(&error);
    sender = dbus_connection_open_private(server.address().toUtf8().constData(), &error);
    FUZZ_CHECK(sender);
    while (!connected) {
        dbus_connection_read_write(sender, 10);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    header = callHeader();
    FUZZ_CHECK(header.size() > 16);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 1 << 20)
        return 0;
    QByteArray bytes = header;
    const quint32 bodyLength = quint32(size);
    std::memcpy(bytes.data() + 4, &bodyLength, 4);
    bytes.append(reinterpret_cast<const char *>(data), qsizetype(size));

    // What the D-Bus library would refuse to send never reaches a receiver.
    DBusError error;
    dbus_error_init(&error);
    DBusMessage *call = dbus_message_demarshal(bytes.constData(), int(bytes.size()), &error);
    if (!call) {
        dbus_error_free(&error);
        return 0;
    }
    DBusMessage *reply = dbus_connection_send_with_reply_and_block(sender, call, 10000, &error);
    if (!reply)
        std::fprintf(stderr, "no answer: %s: %s\n", error.name, error.message);
    FUZZ_CHECK(reply);
    dbus_message_unref(reply);
    dbus_message_unref(call);
    return 0;
}
