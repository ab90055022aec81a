// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// What clients on the session bus send the real `voruvar --automation`, careless or hostile:
// every call must be answered, and the add-in must stay up.
#include "processmemory.h"
#include "wrongcollections.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QProcess>
#include <QTest>

namespace {

const QString service = QStringLiteral("Voruvar.clsMain");

QDBusMessage ping()
{
    return QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(service, QStringLiteral("/clsMain"), service, QStringLiteral("Ping")),
        QDBus::Block, 5000);
}

const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

// A call of one of clsMain's members, or of its properties, with arguments it does not take.
struct WrongCall
{
    QString name;
    QString interface;
    QString member;
    QVariantList arguments;
};

QDBusMessage message(const WrongCall &call)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, QStringLiteral("/clsMain"), call.interface, call.member);
    message.setArguments(call.arguments);
    return message;
}

QVariant variant(const QVariant &value)
{
    return QVariant::fromValue(QDBusVariant(value));
}

// Every member with arguments of other types and counts than it takes: the methods without
// arguments with some, those with texts with numbers, too few or too many, and the
// properties' interface with other interfaces, names and types.
QList<WrongCall> wrongCalls()
{
    QList<WrongCall> calls;
    const QVariantList collection{QStringLiteral("/opt/ruraro"), 5};
    for (const char *member :
         {"Identify", "coLogPic", "CLOC", "DLOC", "ELOC", "Ping", "Author", "Register", "M_Execute", "Drop"}) {
        const QString name = QLatin1String(member);
        calls.append({name + u" with a text", service, name, {QStringLiteral("x")}});
        calls.append({name + u" with a number and a collection", service, name, {7, variant(collection)}});
    }
    calls.append({QStringLiteral("M_ExecAlert with a number"), service, QStringLiteral("M_ExecAlert"), {5}});
    calls.append({QStringLiteral("M_ExecAlert without its text"), service, QStringLiteral("M_ExecAlert"), {}});
    calls.append({QStringLiteral("M_ExecAlert with two texts"), service, QStringLiteral("M_ExecAlert"),
                  {QStringLiteral("a"), QStringLiteral("b")}});
    calls.append({QStringLiteral("M_ExecAlert with a variant"), service, QStringLiteral("M_ExecAlert"),
                  {variant(QStringLiteral("a"))}});
    calls.append({QStringLiteral("SetOverride with one text"), service, QStringLiteral("SetOverride"),
                  {QStringLiteral("/site")}});
    calls.append({QStringLiteral("SetOverride with three texts"), service, QStringLiteral("SetOverride"),
                  {QStringLiteral("/site"), QStringLiteral("key"), QStringLiteral("more")}});
    calls.append({QStringLiteral("SetOverride with a number and a text"), service, QStringLiteral("SetOverride"),
                  {1, QStringLiteral("key")}});
    calls.append({QStringLiteral("SetOverride without arguments"), service, QStringLiteral("SetOverride"), {}});
    calls.append({QStringLiteral("a member that is not there"), service, QStringLiteral("R_PATH"), {}});
    calls.append({QStringLiteral("Get of another interface"), propertiesInterface, QStringLiteral("Get"),
                  {QStringLiteral("Other.Interface"), QStringLiteral("R_PATH")}});
    calls.append({QStringLiteral("Get of a write-only property"), propertiesInterface, QStringLiteral("Get"),
                  {service, QStringLiteral("R_USER")}});
    calls.append({QStringLiteral("Get of no such property"), propertiesInterface, QStringLiteral("Get"),
                  {service, QStringLiteral("R_NONE")}});
    calls.append({QStringLiteral("Get with numbers"), propertiesInterface, QStringLiteral("Get"), {1, 2}});
    calls.append({QStringLiteral("Set of another interface"), propertiesInterface, QStringLiteral("Set"),
                  {QStringLiteral("Other.Interface"), QStringLiteral("R_PATH"), variant(collection)}});
    calls.append({QStringLiteral("Set of no such property"), propertiesInterface, QStringLiteral("Set"),
                  {service, QStringLiteral("R_NONE"), variant(collection)}});
    calls.append({QStringLiteral("Set without a value"), propertiesInterface, QStringLiteral("Set"),
                  {service, QStringLiteral("R_FLAG")}});
    calls.append({QStringLiteral("Set with a text for a variant"), propertiesInterface, QStringLiteral("Set"),
                  {service, QStringLiteral("R_FLAG"), QStringLiteral("1")}});
    calls.append({QStringLiteral("Set with a number for the interface"), propertiesInterface, QStringLiteral("Set"),
                  {3, QStringLiteral("R_FLAG"), variant(collection)}});
    calls.append({QStringLiteral("GetAll of another interface"), propertiesInterface, QStringLiteral("GetAll"),
                  {QStringLiteral("Other.Interface")}});
    calls.append({QStringLiteral("GetAll with a number"), propertiesInterface, QStringLiteral("GetAll"), {1}});
    calls.append({QStringLiteral("GetAll without arguments"), propertiesInterface, QStringLiteral("GetAll"), {}});
    return calls;
}

// Sends the calls in a row without waiting, then waits for every answer. True when each got one.
bool sendAll(const QList<QDBusMessage> &messages)
{
    QList<QDBusPendingCall> pending;
    pending.reserve(messages.size());
    for (const QDBusMessage &message : messages)
        pending.append(QDBusConnection::sessionBus().asyncCall(message, 20000));
    for (QDBusPendingCall &call : pending) {
        call.waitForFinished();
        const QDBusError::ErrorType error = call.error().type();
        if (error == QDBusError::NoReply || error == QDBusError::Timeout || error == QDBusError::TimedOut ||
            error == QDBusError::Disconnected)
            return false;
    }
    return true;
}

} // namespace

class TestBusClientsEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The add-in as the bus would start it, with no client yet.
    void startAddin()
    {
        if (m_addin.state() != QProcess::NotRunning) {
            m_addin.kill();
            m_addin.waitForFinished();
        }
        m_addin.setProgram(qEnvironmentVariable("VORUVAR_BIN_DIR") + QStringLiteral("/voruvar"));
        m_addin.setArguments({QStringLiteral("--automation")});
        m_addin.setProcessChannelMode(QProcess::ForwardedChannels);
        m_addin.start();
        QVERIFY(m_addin.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QDBusConnection::sessionBus().interface()->isServiceRegistered(service), 10000);
    }

    // Calls a member from a client process of its own, which leaves the bus when it ends.
    static int callFromAnotherClient(const QString &member)
    {
        return QProcess::execute(QStringLiteral("gdbus"),
                                 {QStringLiteral("call"), QStringLiteral("--session"), QStringLiteral("--dest"), service,
                                  QStringLiteral("--object-path"), QStringLiteral("/clsMain"), QStringLiteral("--method"),
                                  service + u'.' + member});
    }

    void cleanupTestCase()
    {
        m_addin.kill();
        m_addin.waitForFinished();
    }

    void collections_ofAnyOtherType_areAnsweredWithSuccess_addinStaysUp_data()
    {
        QTest::addColumn<QString>("value");
        for (const auto &wrong : Voruvar::Testing::wrongCollections())
            QTest::newRow(wrong.signature) << QString::fromLatin1(wrong.text);
    }

    void collections_ofAnyOtherType_areAnsweredWithSuccess_addinStaysUp()
    {
        QFETCH(QString, value);
        if (m_addin.state() == QProcess::NotRunning)
            startAddin();
        // This test's own connection is a client that stays on the bus.
        QCOMPARE(ping().type(), QDBusMessage::ReplyMessage);
        for (const char *property : {"R_PATH", "R_USER", "R_FLAG"})
            QCOMPARE(Voruvar::Testing::setPropertyWithGdbus(QLatin1String(property), value), 0);
        QCOMPARE(ping().type(), QDBusMessage::ReplyMessage);
        QCOMPARE(m_addin.state(), QProcess::Running);
    }

    // A host that only asked for texts and left: nothing would ever end the add-in, so it ends.
    void clientsThatNeverExecute_leave_addinEnds()
    {
        startAddin();
        QCOMPARE(callFromAnotherClient(QStringLiteral("Identify")), 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_addin.state(), QProcess::NotRunning, 10000);
        QCOMPARE(m_addin.exitStatus(), QProcess::NormalExit);
    }

    // Once asked to execute, the add-in has its window: it stays for its user.
    void clientThatExecuted_leaves_addinStays()
    {
        startAddin();
        QCOMPARE(callFromAnotherClient(QStringLiteral("M_Execute")), 0);
        // Sent after that client left, this call is served after the add-in heard of it.
        QCOMPARE(ping().type(), QDBusMessage::ReplyMessage);
        QCOMPARE(m_addin.state(), QProcess::Running);
    }

    void wrongSignatures_answeredAtOnce_addinStaysUp_data()
    {
        QTest::addColumn<int>("index");
        const QList<WrongCall> calls = wrongCalls();
        for (int i = 0; i < calls.size(); ++i)
            QTest::newRow(qPrintable(calls[i].name)) << i;
    }

    void wrongSignatures_answeredAtOnce_addinStaysUp()
    {
        QFETCH(int, index);
        if (m_addin.state() == QProcess::NotRunning)
            startAddin();
        QCOMPARE(ping().type(), QDBusMessage::ReplyMessage);
        const QDBusMessage answer = QDBusConnection::sessionBus().call(message(wrongCalls().at(index)), QDBus::Block, 5000);
        // Refused for its signature (or, reading a write-only property, answered with an empty
        // collection), never left without an answer.
        QVERIFY2(answer.type() == QDBusMessage::ErrorMessage || answer.type() == QDBusMessage::ReplyMessage,
                 qPrintable(answer.errorMessage()));
        const QDBusError::ErrorType error = QDBusError(answer).type();
        QVERIFY2(error != QDBusError::NoReply && error != QDBusError::Timeout && error != QDBusError::Disconnected,
                 qPrintable(answer.errorMessage()));
        QCOMPARE(ping().type(), QDBusMessage::ReplyMessage);
        QCOMPARE(m_addin.state(), QProcess::Running);
    }

    // A 64 MiB message from one client, taken or refused, leaves the add-in answering the others.
    void hugeMessages_addinKeepsAnswering_data()
    {
        QTest::addColumn<QString>("member");
        QTest::newRow("refused: Identify with a 64 MiB text") << QStringLiteral("Identify");
        QTest::newRow("taken: SetOverride with 64 MiB texts") << QStringLiteral("SetOverride");
    }
    void hugeMessages_addinKeepsAnswering()
    {
        QFETCH(QString, member);
        if (m_addin.state() == QProcess::NotRunning)
            startAddin();
        QCOMPARE(ping().type(), QDBusMessage::ReplyMessage);
        const QString huge(32 << 20, u'x'); // 64 MiB as UTF-16, 32 MiB on the bus per text
        QDBusMessage call =
            QDBusMessage::createMethodCall(service, QStringLiteral("/clsMain"), service, member);
        call << huge << huge << huge;
        if (member == u"SetOverride")
            call.setArguments({huge, huge});
        const QDBusMessage answer = QDBusConnection::sessionBus().call(call, QDBus::Block, 20000);
        QVERIFY2(answer.type() == QDBusMessage::ReplyMessage || answer.type() == QDBusMessage::ErrorMessage,
                 qPrintable(answer.errorMessage()));
        QVERIFY(QDBusError(answer).type() != QDBusError::NoReply);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(ping().type(), QDBusMessage::ReplyMessage);
        QCOMPARE(m_addin.state(), QProcess::Running);
    }

    // Round after round of every wrong call, and of collections large and odd: each is
    // answered, and the add-in's memory does not keep growing.
    void wrongCallsAndCollections_repeated_memorySettles()
    {
        startAddin();
        QCOMPARE(ping().type(), QDBusMessage::ReplyMessage);
        QList<QDBusMessage> round;
        for (const WrongCall &call : wrongCalls()) {
            if (call.member != u"M_Execute" && call.member != u"M_ExecAlert")
                round.append(message(call));
        }
        // Collections of 17 texts of 4 KiB each, and collections inside collections.
        QVariantList large;
        for (int i = 0; i < 17; ++i)
            large.append(QString(4096, QChar(u'a' + i)));
        const QVariantList nested{QVariant::fromValue(QDBusVariant(large)), QVariantList{}, 1.5};
        for (const char *property : {"R_PATH", "R_USER", "R_FLAG"}) {
            for (const QVariantList &collection : {large, nested}) {
                WrongCall set{{}, propertiesInterface, QStringLiteral("Set"),
                              {service, QLatin1String(property), variant(collection)}};
                round.append(message(set));
            }
        }
        QList<QDBusMessage> many;
        for (int i = 0; i < 60; ++i)
            many += round;
        QString why;
        const bool settled = Voruvar::Testing::memorySettles(m_addin.processId(), 5, 8 * 1024, [&] { return sendAll(many); }, &why);
        QVERIFY2(settled, qPrintable(why));
        qInfo() << many.size() << "calls a round;" << why;
        QCOMPARE(ping().type(), QDBusMessage::ReplyMessage);
    }

    // 10,000 requests to execute, in five rounds: the first opens the main window (offscreen),
    // every one is answered, memory settles, and Drop ends the process.
    void executeFlood_everyCallAnswered_memorySettles_dropEnds()
    {
        startAddin();
        QCOMPARE(ping().type(), QDBusMessage::ReplyMessage);
        const QList<QDBusMessage> round(
            2000, QDBusMessage::createMethodCall(service, QStringLiteral("/clsMain"), service,
                                                 QStringLiteral("M_Execute")));
        QString why;
        const bool settled = Voruvar::Testing::memorySettles(m_addin.processId(), 5, 8 * 1024, [&] { return sendAll(round); }, &why);
        QVERIFY2(settled, qPrintable(why));
        qInfo() << "10,000 M_Execute:" << why;
        QCOMPARE(ping().type(), QDBusMessage::ReplyMessage);

        QDBusConnection::sessionBus().call(
            QDBusMessage::createMethodCall(service, QStringLiteral("/clsMain"), service, QStringLiteral("Drop")),
            QDBus::Block, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(m_addin.state(), QProcess::NotRunning, 10000);
    }

private:
    QProcess m_addin;
};

QTEST_GUILESS_MAIN(TestBusClientsEndToEnd)
#include "test_busclients_e2e.moc"
