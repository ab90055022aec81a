// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// A host that calls Voruvar.clsMain before anything serves it gets the add-in started by the bus.
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QTest>

class TestActivation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstCall_startsTheAddin_dropEndsIt()
    {
        const QString service = QStringLiteral("Voruvar.clsMain");
        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY(!bus.interface()->isServiceRegistered(service));

        const QDBusMessage ping = bus.call(
            QDBusMessage::createMethodCall(service, QStringLiteral("/clsMain"), service, QStringLiteral("Ping")),
            QDBus::Block, 20000);
        QCOMPARE(ping.type(), QDBusMessage::ReplyMessage);
        QVERIFY(ping.arguments().value(0).toString().startsWith(u"Voruvar v.3.7.1"));
        QVERIFY(bus.interface()->isServiceRegistered(service));

        bus.call(QDBusMessage::createMethodCall(service, QStringLiteral("/clsMain"), service, QStringLiteral("Drop")),
                 QDBus::Block, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!bus.interface()->isServiceRegistered(service), 5000);
    }
};

QTEST_GUILESS_MAIN(TestActivation)
#include "test_activation.moc"
