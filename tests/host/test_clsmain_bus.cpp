// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "clsmainadaptor.h"
#include "fakeautomationhost.h"
#include "host/hostcontext.h"
#include "wrongcollections.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QTest>

#include <future>

namespace Core = Voruvar::Core;
using namespace Voruvar::Host;
using Voruvar::Testing::FakeAutomationHost;

namespace {

const QString service = QStringLiteral("Voruvar.clsMain");
const QString path = QStringLiteral("/clsMain");

QVariant item(const QVariant &value)
{
    return QVariant::fromValue(QDBusVariant(value));
}

QVariant dateItem(double days)
{
    QDBusArgument argument;
    argument.beginStructure();
    argument << days;
    argument.endStructure();
    return item(QVariant::fromValue(argument));
}

// Calls the service from a connection of its own on another thread, so this thread's event loop
// can serve the call as the add-in's would.
QDBusMessage call(const QDBusMessage &message)
{
    std::packaged_task<QDBusMessage()> task([message] {
        QDBusConnection client = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("client"));
        return client.call(message, QDBus::Block, 5000);
    });
    std::future<QDBusMessage> reply = task.get_future();
    std::thread thread(std::move(task));
    while (reply.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready)
        QCoreApplication::processEvents();
    thread.join();
    return reply.get();
}

QDBusMessage setCollection(const QString &property, const QVariantList &items)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                          QStringLiteral("Set"));
    message << service << property << QVariant::fromValue(QDBusVariant(QVariant::fromValue(items)));
    return call(message);
}

QDBusMessage method(const QString &name, const QVariantList &arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, service, name);
    message.setArguments(arguments);
    return call(message);
}

} // namespace

class TestClsMainBus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_automation = new clsMain(m_context, m_host, this);
        new clsMainAdaptor(m_automation);
        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY(bus.registerObject(path, m_automation, QDBusConnection::ExportAdaptors));
        QVERIFY(bus.registerService(service));
    }

    void properties_everyKindOfValue()
    {
        const QVariantList flags{item(QStringLiteral("f1")),
                                 item(short(-3)),                  // n
                                 item(true),                       // b
                                 dateItem(46384.5),                // (d)
                                 item(QVariant::fromValue(quint8(1))), // y, a byte
                                 item(2.5),                        // d, half to even
                                 item(QStringList{QStringLiteral("x")}), // as: not convertible
                                 item(qlonglong(7)),               // x
                                 item(QVariantList()),             // empty av: null
                                 item(uint(4)),                    // u
                                 item(QStringLiteral("Plant 4")),
                                 item(QStringLiteral("ignored 12th item"))};
        m_context.bytRemArg6 = 9;
        m_context.strFlagItem9 = QStringLiteral("before");
        const QDBusMessage reply = setCollection(QStringLiteral("R_FLAG"), flags);
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        QCOMPARE(m_context.strFlagItem1, QStringLiteral("f1"));
        QCOMPARE(m_context.strFlagItem2, QStringLiteral("-3"));
        QCOMPARE(m_context.strFlagItem3, QStringLiteral("True"));
        QVERIFY(!m_context.strFlagItem4.isEmpty()); // a date as text, in this system's format
        QCOMPARE(m_context.bytRemindersOff, quint8(1));
        QCOMPARE(m_context.bytReadOnlyReminders, quint8(2));
        QCOMPARE(m_context.bytRemArg6, quint8(9));
        QCOMPARE(m_context.strReminderDays, QStringLiteral("7"));
        QCOMPARE(m_context.strFlagItem9, QStringLiteral("before"));
        QCOMPARE(m_context.strDateFormat, QStringLiteral("4"));
        QCOMPARE(m_context.strSiteName, QStringLiteral("Plant 4"));
    }

    void properties_userDateAndTooFewItems()
    {
        QVariantList user;
        for (int i = 1; i <= 14; ++i)
            user << item(QStringLiteral("u%1").arg(i));
        user << dateItem(45000.25);
        QCOMPARE(setCollection(QStringLiteral("R_USER"), user).type(), QDBusMessage::ReplyMessage);
        QCOMPARE(m_context.strAccessLevel, QStringLiteral("u14"));
        QCOMPARE(m_context.dtUserItem15.days, 45000.25);
        QVERIFY(m_context.strMultiInstance.isEmpty());
    }

    void properties_emptyCollectionAndWrongType_neverAnError()
    {
        m_context.strDataPath = QStringLiteral("/data");
        QCOMPARE(setCollection(QStringLiteral("R_PATH"), {}).type(), QDBusMessage::ReplyMessage);
        QCOMPARE(m_context.strDataPath, QStringLiteral("/data"));
    }

    void properties_anythingButAnArrayOfVariants_keepsEveryField_data()
    {
        QTest::addColumn<QString>("value");
        for (const auto &wrong : Voruvar::Testing::wrongCollections())
            QTest::newRow(wrong.signature) << QString::fromLatin1(wrong.text);
    }

    void properties_anythingButAnArrayOfVariants_keepsEveryField()
    {
        QFETCH(QString, value);
        HostContext before;
        before.strDataPath = QStringLiteral("/data");
        before.strAccountName = QStringLiteral("Ann");
        before.strAccessLevel = QStringLiteral("2");
        before.dtUserItem15 = Core::HostDate{45000.5};
        before.bytRemindersOff = 1;
        before.strSiteName = QStringLiteral("Plant 4");
        m_context = before;
        for (const char *property : {"R_PATH", "R_USER", "R_FLAG"})
            QCOMPARE(Voruvar::Testing::setPropertyWithGdbus(QLatin1String(property), value), 0);
        QVERIFY(m_context == before);
    }

    void methods_texts()
    {
        QCOMPARE(method(QStringLiteral("Identify")).arguments().value(0).toString(), clsMain::identification());
        QCOMPARE(method(QStringLiteral("Ping")).arguments().value(0).toString(), clsMain::versionText());
        QCOMPARE(method(QStringLiteral("CLOC")).arguments().value(0).toString(), QStringLiteral("/opt/voruvar"));
        QCOMPARE(method(QStringLiteral("ELOC")).arguments().value(0).toString(), QStringLiteral("/opt/voruvar"));
        const QDBusMessage author = method(QStringLiteral("Author"));
        QCOMPARE(author.signature(), QStringLiteral("av"));
        const QDBusMessage description = method(QStringLiteral("Register"));
        QCOMPARE(description.signature(), QStringLiteral("av"));
        QCOMPARE(qdbus_cast<QVariantList>(description.arguments().value(0)).size(), 6);
    }

    void methods_executeAndOverride()
    {
        QCOMPARE(method(QStringLiteral("M_ExecAlert"), {QStringLiteral("torx bits")}).type(), QDBusMessage::ReplyMessage);
        QCOMPARE(m_context.strAlertRef, QStringLiteral("torx bits"));
        QCOMPARE(method(QStringLiteral("SetOverride"), {QStringLiteral(" site "), QStringLiteral(" $318547 ")}).type(),
                 QDBusMessage::ReplyMessage);
        QCOMPARE(m_context.strSitePath, QStringLiteral("SITE"));
        QVERIFY(m_host.starts >= 1);
    }

    void introspection_declaresWriteOnlyCollections()
    {
        QDBusMessage message = QDBusMessage::createMethodCall(service, path, QStringLiteral("org.freedesktop.DBus.Introspectable"),
                                                              QStringLiteral("Introspect"));
        const QString xml = call(message).arguments().value(0).toString();
        QVERIFY(xml.contains(QStringLiteral("<property name=\"R_PATH\" type=\"av\" access=\"write\"/>")));
        QVERIFY(xml.contains(QStringLiteral("<method name=\"M_ExecAlert\">")));
    }

private:
    HostContext m_context;
    FakeAutomationHost m_host;
    clsMain *m_automation = nullptr;
};

QTEST_GUILESS_MAIN(TestClsMainBus)
#include "test_clsmain_bus.moc"
