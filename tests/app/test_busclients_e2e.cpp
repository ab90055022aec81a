// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// What clients on the session bus send the real `voruvar --automation`, careless or hostile:
// every call must be answered, and the add-in must stay up.
#include "wrongcollections.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
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

} // namespace

class TestBusClientsEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        if (m_addin.state() == QProcess::NotRunning) {
            m_addin.setProgram(qEnvironmentVariable("VORUVAR_BIN_DIR") + QStringLiteral("/voruvar"));
            m_addin.setArguments({QStringLiteral("--automation")});
            m_addin.setProcessChannelMode(QProcess::ForwardedChannels);
            m_addin.start();
            QVERIFY(m_addin.waitForStarted());
            QTRY_VERIFY_WITH_TIMEOUT(QDBusConnection::sessionBus().interface()->isServiceRegistered(service), 10000);
        }
        // This test's own connection is a client that stays on the bus.
        QCOMPARE(ping().type(), QDBusMessage::ReplyMessage);
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
        for (const char *property : {"R_PATH", "R_USER", "R_FLAG"})
            QCOMPARE(Voruvar::Testing::setPropertyWithGdbus(QLatin1String(property), value), 0);
        QCOMPARE(ping().type(), QDBusMessage::ReplyMessage);
        QCOMPARE(m_addin.state(), QProcess::Running);
    }

private:
    QProcess m_addin;
};

QTEST_GUILESS_MAIN(TestBusClientsEndToEnd)
#include "test_busclients_e2e.moc"
