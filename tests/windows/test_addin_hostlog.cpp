// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The add-in's host log, as composed in the add-in object, reaches the stand-in host's store with
// the user the host handed over.
#include "fakeplatform.h"
#include "host/dbushostlibrary.h"
#include "standinstore.h"
#include "windows/addin.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Voruvar;

class TestAddinHostLog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hostLog_entryReachesTheHostWithTheHandedOverUser()
    {
        QTemporaryDir dir;
        const QString storePath = dir.filePath(QStringLiteral("store.sqlite"));
        QProcess host;
        host.setProcessChannelMode(QProcess::ForwardedChannels);
        host.start(qEnvironmentVariable("VORUVAR_BIN_DIR") + QStringLiteral("/voruvar-standin-host"),
                   {QStringLiteral("--store"), storePath});
        QTRY_VERIFY_WITH_TIMEOUT(
            QDBusConnection::sessionBus().interface()->isServiceRegistered(QStringLiteral("dovavirev.clsRuraro")),
            10000);

        Testing::FakeMessagePresenter messages;
        Testing::FakeInstanceProbe instances;
        Testing::FakeScreenMetrics screen;
        Testing::FakeProcessControl process;
        Testing::FakeShell shell;
        Host::DBusHostLibrary library;
        Windows::Addin addin({messages, instances, screen, process, shell, &library}, dir.path());
        const auto text = [](const char *value) { return Core::HostValue(QString::fromUtf8(value)); };
        addin.context().storePaths({text("1"), text("2"), text("3"), text("/opt/ruraro")});
        addin.context().storeUser({text("DADMIN"), text("Dana Admin")});
        addin.context().storeFlags(QList<Core::HostValue>(9, text("")) << text("MM/dd/yyyy"));

        addin.hostLog().writeHostLog(QStringLiteral("ERROR: TB101 : Retrieval Error"));

        Standin::StandinStore store;
        QString error;
        QVERIFY2(store.open(storePath, &error), qPrintable(error));
        const QList<Standin::LogEntry> entries = store.logEntries();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].entry, QStringLiteral("ERROR: TB101 : Retrieval Error (Voruvar)"));
        QCOMPARE(entries[0].user, QStringLiteral("Dana Admin"));
        QCOMPARE(entries[0].hostPath, QStringLiteral("/opt/ruraro"));
        QCOMPARE(entries[0].dateFormat, QStringLiteral("MM/dd/yyyy"));
        QVERIFY(messages.shown.isEmpty());
        host.kill();
        host.waitForFinished();
    }
};

QTEST_MAIN(TestAddinHostLog)
#include "test_addin_hostlog.moc"
