// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The add-in's start steps on real files: the retry count through the real reader program,
// the settings file beside the executable and the administrator's save.

#include "fakeplatform.h"
#include "jetfixturewriter.h"
#include "startup/noconsoledatabase.h"
#include "windows/addin.h"
#include "windows/frmmain.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Voruvar;
using namespace Voruvar::Testing;

class TestAddinFiles : public QObject
{
    Q_OBJECT

private:
    struct Fixture
    {
        QTemporaryDir programDir;
        QTemporaryDir dataDir;
        FakeMessagePresenter messages;
        FakeInstanceProbe instances;
        FakeScreenMetrics screen;
        FakeProcessControl process;
        FakeShell shell;
        std::unique_ptr<Windows::Addin> addin;

        // The executable's directory is a folder of its own, with the reader program beside it.
        Fixture()
        {
            QFile::link(qEnvironmentVariable("VORUVAR_BIN_DIR") + QStringLiteral("/voruvar-jetread"),
                        programDir.filePath(QStringLiteral("voruvar-jetread")));
            addin = std::make_unique<Windows::Addin>(
                Windows::Addin::PlatformServices{messages, instances, screen, process, shell}, programDir.path());
            addin->context().strDataPath = dataDir.path();
        }
        QString database() const { return dataDir.filePath(QStringLiteral("z_udez.mdb")); }
    };

private Q_SLOTS:
    void retryCount_readThroughTheReaderProgram_thenFileGone()
    {
        Fixture f;
        QVERIFY(
            JetFixtureWriter::keys(QStringLiteral("tundra"), JetType::Double, {{QStringLiteral("Retry_Count"), 2.5}})
                .save(f.database()));
        f.addin->fetchRetryCount();
        QCOMPARE(f.addin->retry().intRetryLimit, qint16(2));
        QVERIFY(f.messages.shown.isEmpty());

        QVERIFY(QFile::remove(f.database()));
        f.addin->fetchRetryCount();
        QCOMPARE(f.addin->retry().intRetryCounter, qint16(2));
        QCOMPARE(f.addin->retry().intRetryLimit, qint16(2));
        QCOMPARE(f.messages.shown.size(), 1);
        QCOMPARE(f.messages.shown.first().title, QStringLiteral("TB101 : Retrieval Error"));
        QCOMPARE(f.messages.shown.first().text, QStringLiteral("Could not retrieve key from Console.\r\n"
                                                               "(voruvar-jetread: 3101: no database file %1)")
                                                    .arg(f.database()));
    }

    void retryCount_wrongPasswordAndNoRow()
    {
        Fixture f;
        QVERIFY(JetFixtureWriter::keys(QStringLiteral("tundra"), JetType::Text,
                                       {{QStringLiteral("Other"), QStringLiteral("1")}})
                    .save(f.database()));
        f.addin->fetchRetryCount();
        QCOMPARE(f.addin->retry().intRetryLimit, qint16(50));

        QVERIFY(JetFixtureWriter::keys(QStringLiteral("wrong"), JetType::Text, {}).save(f.database()));
        f.addin->fetchRetryCount();
        QCOMPARE(f.addin->retry().intRetryCounter, qint16(50));
        QCOMPARE(f.messages.shown.size(), 1);
        QVERIFY(f.messages.shown.first().text.contains(u"voruvar-jetread: 3105: "));
    }

    // The whole start with no database at all: TB101, then the main window opens all the same.
    void start_withoutDatabase_reportsTB101AndGoesOn()
    {
        Fixture f;
        QSignalSpy finished(f.addin.get(), &Windows::Addin::startFinished);
        f.addin->requestStart();
        QVERIFY(finished.wait(5000));
        QVERIFY(f.addin->mainWindow().isVisible());
        QCOMPARE(f.messages.shown.size(), 1);
        QCOMPARE(f.messages.shown.first().title, QStringLiteral("TB101 : Retrieval Error"));
        QCOMPARE(f.addin->retry().intRetryCounter, qint16(1));
        QCOMPARE(f.process.endRequests, 0);
    }

    // Started on its own with no database named, the add-in reads none: the retry count is the
    // one a database without the key gives, and no TB101 box interrupts the start.
    void start_withoutConsoleDatabase_quietlyTakes50()
    {
        Fixture f;
        f.addin->setDatabase(std::make_unique<Startup::NoConsoleDatabase>());
        f.addin->context().strDataPath.clear();
        QSignalSpy finished(f.addin.get(), &Windows::Addin::startFinished);
        f.addin->requestStart();
        QVERIFY(finished.wait(5000));
        QVERIFY(f.addin->mainWindow().isVisible());
        QVERIFY(f.messages.shown.isEmpty());
        QCOMPARE(f.addin->retry().intRetryLimit, qint16(50));
        QCOMPARE(f.addin->retry().intRetryCounter, qint16(0));
    }

    void settings_readBesideTheExecutable_setTheWindowState()
    {
        Fixture f;
        QFile file(f.programDir.filePath(QStringLiteral("DARUD.DCT")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("1.0\r\n1\r\n0\r\n");
        file.close();
        f.addin->readSettings();
        QCOMPARE(f.addin->settings().strMaximize, QStringLiteral("1.0"));
        QCOMPARE(f.addin->settings().bytPrinterDialog, quint8(1));
        QCOMPARE(f.addin->settings().bytBypassBuiltIns, quint8(0));
        f.addin->showMainWindow();
        QVERIFY(f.addin->mainWindow().isMaximized());
    }

    void settings_noFile_normalWindow()
    {
        Fixture f;
        f.addin->settings().bytBypassBuiltIns = 1;
        f.addin->readSettings();
        QCOMPARE(f.addin->settings().bytBypassBuiltIns, quint8(0));
        f.addin->showMainWindow();
        QVERIFY(!f.addin->mainWindow().isMaximized());
    }

    void save_writesTheFileBesideTheExecutable()
    {
        Fixture f;
        QVERIFY(f.addin->saveAdminSettings({true, false, true}));
        QFile file(f.programDir.filePath(QStringLiteral("DARUD.DCT")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("1\r\n0\r\n1\r\n"));
        QCOMPARE(f.addin->settings().bytBypassBuiltIns, quint8(1));
        QCOMPARE(f.messages.shown.size(), 1);
        QCOMPARE(f.messages.shown.first().text, QStringLiteral("Administrative options updated."));
    }
};

QTEST_MAIN(TestAddinFiles)
#include "test_addinfiles.moc"
