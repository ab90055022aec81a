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

private:
    QProcess m_addin;
};

QTEST_GUILESS_MAIN(TestBusClientsEndToEnd)
#include "test_busclients_e2e.moc"
