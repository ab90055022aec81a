// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// A host that calls Voruvar.clsMain before anything serves it gets the add-in started by the bus.
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
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

    // The stand-in host, given no add-in arguments, lets the bus start the add-in it executes.
    void standinHost_busStartsTheAddin_hostEndsWithIt()
    {
        const QString service = QStringLiteral("Voruvar.clsMain");
        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY(!bus.interface()->isServiceRegistered(service));
        QTemporaryDir dir;
        const QString profile = dir.filePath(QStringLiteral("p.ini"));
        QFile file(profile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[R_USER]\n2=Dana Admin\n");
        file.close();

        QProcess host;
        host.start(qEnvironmentVariable("VORUVAR_BIN_DIR") + QStringLiteral("/voruvar-standin-host"),
                   {QStringLiteral("--store"), dir.filePath(QStringLiteral("s.sqlite")), QStringLiteral("--profile"),
                    profile, QStringLiteral("--addin"), QStringLiteral("/nonexistent/voruvar")});
        QByteArray output;
        QTRY_VERIFY2_WITH_TIMEOUT((output += host.readAllStandardOutput()).contains("executed the add-in") ||
                                      host.state() == QProcess::NotRunning,
                                  output.constData(), 20000);
        QVERIFY(bus.interface()->isServiceRegistered(service));
        bus.call(QDBusMessage::createMethodCall(service, QStringLiteral("/clsMain"), service, QStringLiteral("Drop")),
                 QDBus::Block, 5000);
        QVERIFY(host.waitForFinished(10000));
        QCOMPARE(host.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestActivation)
#include "test_activation.moc"
