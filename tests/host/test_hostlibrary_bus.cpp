// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The host-library client against real services on a private session bus: the stand-in host
// program, and a broken library that stays silent, lacks members or refuses.
#include "fakeplatform.h"
#include "processmemory.h"
#include "host/dbushostlibrary.h"
#include "host/errorreport.h"
#include "host/hostcontext.h"
#include "host/hostlibrarycalls.h"
#include "host/hostlibraryfailure.h"
#include "host/hostlibrarylog.h"
#include "host/retryfields.h"
#include "standinstore.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace Core = Voruvar::Core;
using namespace Voruvar::Host;
using namespace std::chrono_literals;
using Voruvar::Standin::StandinStore;
using Voruvar::Testing::FakeMessagePresenter;

namespace {

bool serviceOnBus()
{
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(hostLibraryService);
}

bool waitForService(bool onBus)
{
    return QTest::qWaitFor([onBus] { return serviceOnBus() == onBus; }, 10000);
}

// A program serving dovavirev.clsRuraro for the length of one test.
class Service
{
public:
    Service(const QString &program, const QStringList &arguments)
    {
        m_process.setProgram(program);
        m_process.setArguments(arguments);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
    }
    ~Service()
    {
        m_process.kill();
        m_process.waitForFinished();
        waitForService(false);
    }
    bool ready() { return waitForService(true); }

    // The members of the messages the broken library received, in order, up to now: a marker
    // sent on this connection arrives after everything sent on it before, so once the library
    // has reported the marker, nothing this connection sent earlier is still on its way.
    QStringList received()
    {
        QDBusConnection::sessionBus().send(QDBusMessage::createMethodCall(
            hostLibraryService, QStringLiteral("/clsRuraro"), QStringLiteral("test.Marker"), QStringLiteral("Marker")));
        if (!QTest::qWaitFor(
                [this] {
                    m_output += m_process.readAllStandardOutput();
                    return m_output.contains("call Marker\n");
                },
                10000))
            return {QStringLiteral("<no marker>")};
        QStringList members;
        for (const QByteArray &line : m_output.split('\n'))
            if (line.startsWith("call ") && line != "call Marker")
                members.append(QString::fromUtf8(line.mid(5)));
        m_output.clear();
        return members;
    }

private:
    QProcess m_process;
    QByteArray m_output;
};

Core::ErrorDetail failure(HostLibraryFailure kind, const QString &description)
{
    return {hostLibraryService, int(kind), description};
}

HostContext dana()
{
    HostContext context;
    context.strDateFormat = QStringLiteral("MM/dd/yyyy");
    context.strRuraroPath = QStringLiteral("/opt/ruraro");
    context.strAccountName = QStringLiteral("Dana Admin");
    return context;
}

} // namespace

class TestHostLibraryBus : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString storePath() const { return m_dir->filePath(QStringLiteral("store.sqlite")); }
    Service standinHost(const QString &browser = QStringLiteral("true"))
    {
        return Service(qEnvironmentVariable("VORUVAR_BIN_DIR") + QStringLiteral("/voruvar-standin-host"),
                       {QStringLiteral("--store"), storePath(), QStringLiteral("--browser"), browser});
    }
    static Service broken(const QStringList &arguments)
    {
        return Service(QStringLiteral(FAKE_RURARO_SERVICE), arguments);
    }

private Q_SLOTS:
    // Each function has a store of its own, so none depends on what another stored.
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void noService_serviceMissing_nothingShown()
    {
        QVERIFY(!serviceOnBus());
        DBusHostLibrary library;
        Core::ErrorDetail detail;
        QVERIFY(!library.CreateObject(detail));
        QCOMPARE(detail.component, hostLibraryService);
        QCOMPARE(detail.number, int(HostLibraryFailure::ServiceMissing));
        QVERIFY2(detail.description.contains(hostLibraryService), qPrintable(detail.description));

        // The log writer loses the entry quietly; the coded report still shows its one box.
        HostContext context = dana();
        HostLibraryLog log(library, context);
        FakeMessagePresenter messages;
        reportCodedError(log, messages, TB101, QStringLiteral("Line."), detail.text());
        QCOMPARE(messages.shown.size(), 1);
    }

    // A retry count of 32767 with no library: one question to the bus, then the same answer at
    // once, and the report after the last attempt.
    void noService_everyAttemptFails_theBusAskedOnce()
    {
        QVERIFY(!serviceOnBus());
        DBusHostLibrary library;
        RetryFields retry;
        retry.intRetryLimit = 32767;
        HostContext context = dana();
        HostLibraryLog log(library, context);
        FakeMessagePresenter messages;
        QVERIFY(!openAddressWithRetries(library, context, retry, log, messages, QStringLiteral("a"), {}));
        QCOMPARE(retry.intRetryCounter, 32767);
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY2(retry.strLastError.startsWith(u"dovavirev.clsRuraro: 2: "), qPrintable(retry.strLastError));
        QCOMPARE(library.callsSent(), 1);
    }

    void noBus_noBusFailure()
    {
        DBusHostLibrary library(QDBusConnection(QStringLiteral("never connected")));
        Core::ErrorDetail detail;
        QVERIFY(!library.CreateObject(detail));
        QCOMPARE(detail.number, int(HostLibraryFailure::NoBus));
    }

    void standinHost_logEntry_storedWithTextUserAndContext()
    {
        QVERIFY(m_dir->isValid());
        Service host = standinHost();
        QVERIFY(host.ready());
        DBusHostLibrary library;
        HostContext context = dana();
        HostLibraryLog log(library, context);
        log.writeHostLog(QStringLiteral("Administrative Options Updated"));
        context.strAccountName.clear();
        context.strDateFormat = QStringLiteral("dd.MM.yyyy");
        log.writeHostLog(QStringLiteral("ERROR: TB101 : Retrieval Error"));

        StandinStore store;
        QString error;
        QVERIFY2(store.open(storePath(), &error), qPrintable(error));
        const auto entries = store.logEntries();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[0].entry, QStringLiteral("Administrative Options Updated (Voruvar)"));
        QCOMPARE(entries[0].user, QStringLiteral("Dana Admin"));
        QCOMPARE(entries[0].dateFormat, QStringLiteral("MM/dd/yyyy"));
        QCOMPARE(entries[0].hostPath, QStringLiteral("/opt/ruraro"));
        QCOMPARE(entries[1].entry, QStringLiteral("ERROR: TB101 : Retrieval Error (Voruvar)"));
        QCOMPARE(entries[1].user, QString());
        QCOMPARE(entries[1].dateFormat, QStringLiteral("dd.MM.yyyy"));
    }

    void standinHost_reminderAndAddress_stored()
    {
        Service host = standinHost();
        QVERIFY(host.ready());
        DBusHostLibrary library;
        HostContext context = dana();
        context.strUserItem16 = QStringLiteral("MAINT");
        context.strAccountTitle = QStringLiteral("Supervisor");
        context.strAccountId = QStringLiteral("DADMIN");
        const ReminderArguments arguments{QStringLiteral("/tasks"),
                                          QStringLiteral("Dana Admin"),
                                          QStringLiteral("12/28/2026"),
                                          QStringLiteral("01/04/2027"),
                                          QString(),
                                          200,
                                          QStringLiteral("VORUVAR.CLSMAIN"),
                                          QStringLiteral("TORX BITS"),
                                          QStringLiteral("DADMIN"),
                                          QStringLiteral("/rem")};
        createReminder(library, context, [&] { return std::optional(arguments); });
        int eventRuns = 0;
        QVERIFY(!openAddressOnce(library, context, QStringLiteral("https://example.invalid/"), [&] { ++eventRuns; }));
        QCOMPARE(eventRuns, 1);

        StandinStore store;
        QString error;
        QVERIFY2(store.open(storePath(), &error), qPrintable(error));
        const auto reminders = store.reminders();
        QCOMPARE(reminders.size(), 1);
        QCOMPARE(reminders[0].user, (QStringList{QStringLiteral("Dana Admin"), QStringLiteral("MAINT"),
                                                 QStringLiteral("Supervisor"), QStringLiteral("DADMIN")}));
        QCOMPARE(reminders[0].arguments,
                 (QStringList{QStringLiteral("/tasks"), QStringLiteral("Dana Admin"), QStringLiteral("12/28/2026"),
                              QStringLiteral("01/04/2027"), QString(), QStringLiteral("200"),
                              QStringLiteral("VORUVAR.CLSMAIN"), QStringLiteral("TORX BITS"), QStringLiteral("DADMIN"),
                              QStringLiteral("/rem")}));
        const auto addresses = store.addresses();
        QCOMPARE(addresses.size(), 1);
        QCOMPARE(addresses[0].address, QStringLiteral("https://example.invalid/"));
        QCOMPARE(addresses[0].second, 1);
        QCOMPARE(addresses[0].third, 0);
        QVERIFY(addresses[0].opened);
    }

    void standinHost_refusalsAndReleasedObjects()
    {
        Service host = standinHost(QStringLiteral("/nonexistent/browser"));
        QVERIFY(host.ready());
        DBusHostLibrary library;
        const HostFailure refused = openAddressOnce(library, dana(), QStringLiteral("https://example.invalid/"), {});
        QCOMPARE(refused,
                 failure(HostLibraryFailure::Refused,
                         QStringLiteral("Cannot start '/nonexistent/browser' to open https://example.invalid/.")));

        Core::ErrorDetail detail;
        std::unique_ptr<HostLibraryObject> object = library.CreateObject(detail);
        QVERIFY(object);
        QVERIFY(!object->Release());
        const HostFailure gone = object->writeLog(QStringLiteral("late"), QString());
        QVERIFY(gone);
        QCOMPARE(gone->number, int(HostLibraryFailure::ObjectMissing));
        QVERIFY(!gone->description.isEmpty());
    }

    void brokenLibrary_eachKindOfFailure()
    {
        {
            Service service = broken({QStringLiteral("bare")});
            QVERIFY(service.ready());
            DBusHostLibrary library;
            Core::ErrorDetail detail;
            std::unique_ptr<HostLibraryObject> object = library.CreateObject(detail);
            QVERIFY(object);
            QCOMPARE(object->setDTFormat(QStringLiteral("x")),
                     failure(HostLibraryFailure::MemberMissing, QStringLiteral("No such property 'setDTFormat'")));
            QCOMPARE(object->gBrowser(QStringLiteral("a"), 1, 0),
                     failure(HostLibraryFailure::MemberMissing,
                             QStringLiteral("No such method 'gBrowser' at object path '/clsRuraro/1'")));
        }
        {
            Service service = broken({QStringLiteral("refusing"), QStringLiteral("No objects today.")});
            QVERIFY(service.ready());
            DBusHostLibrary library;
            Core::ErrorDetail detail;
            QVERIFY(!library.CreateObject(detail));
            QCOMPARE(detail, failure(HostLibraryFailure::Refused, QStringLiteral("No objects today.")));
        }
        {
            // A refusal without a message of its own leaves the detail ending in ": ".
            Service service = broken({QStringLiteral("refusing"), QString()});
            QVERIFY(service.ready());
            DBusHostLibrary library;
            Core::ErrorDetail detail;
            QVERIFY(!library.CreateObject(detail));
            QCOMPARE(detail.text(), QStringLiteral("dovavirev.clsRuraro: 6: "));
        }
        {
            Service service = broken({QStringLiteral("badreply")});
            QVERIFY(service.ready());
            DBusHostLibrary library;
            Core::ErrorDetail detail;
            QVERIFY(!library.CreateObject(detail));
            QCOMPARE(detail.number, int(HostLibraryFailure::BadReply));
        }
    }

    void silentLibrary_timesOutThenLeftAlone_untilTheQuietTimeEnds()
    {
        Service service = broken({QStringLiteral("silent")});
        QVERIFY(service.ready());
        DBusHostLibrary library(QDBusConnection::sessionBus(), 300ms, 1500ms);
        Core::ErrorDetail detail;
        QVERIFY(!library.CreateObject(detail));
        QCOMPARE(detail.number, int(HostLibraryFailure::NoReply));

        // Within the quiet time nothing is sent: a whole retry loop ends at once.
        RetryFields retry;
        retry.intRetryLimit = 50;
        HostContext context = dana();
        HostLibraryLog log(library, context);
        FakeMessagePresenter messages;
        QVERIFY(!openAddressWithRetries(library, context, retry, log, messages, QStringLiteral("a"), {}));
        QCOMPARE(retry.intRetryCounter, 50);
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY2(retry.strLastError.startsWith(u"dovavirev.clsRuraro: 5: "), qPrintable(retry.strLastError));
        QCOMPARE(service.received(), QStringList{QStringLiteral("CreateObject")});

        // Once the quiet time is over, the host is asked again.
        bool askedAgain = false; // the macro tests its condition once more after it held
        QTRY_VERIFY_WITH_TIMEOUT(askedAgain || (library.CreateObject(detail), askedAgain = !service.received().isEmpty()),
                                 10000);
    }

    void hostEndingDuringACall_noReply_nextHostAskedAtOnce()
    {
        DBusHostLibrary library(QDBusConnection::sessionBus(), 2000ms, 10000ms);
        {
            Service service = broken({QStringLiteral("dying")});
            QVERIFY(service.ready());
            Core::ErrorDetail detail;
            QVERIFY(!library.CreateObject(detail));
            QCOMPARE(detail.number, int(HostLibraryFailure::NoReply));
        }
        std::unique_ptr<HostLibraryObject> orphan;
        {
            Service host = standinHost();
            QVERIFY(host.ready());
            Core::ErrorDetail detail;
            std::unique_ptr<HostLibraryObject> object = library.CreateObject(detail);
            QVERIFY2(object, qPrintable(detail.text()));
            QVERIFY(!object->Release());
            orphan = library.CreateObject(detail);
            QVERIFY(orphan);
        }
        // The object's host has ended, and with it the object.
        QCOMPARE(orphan->RuraroPath(QStringLiteral("/opt")).value_or(Core::ErrorDetail{}).number,
                 int(HostLibraryFailure::ObjectMissing));
    }

    // Answers of the wrong type, of 64 MiB, or naming objects that are not there: each call
    // ends within the timeout with its kind of failure (or success where the answer's content
    // does not matter), and a description short enough for a message box.
    void hostileAnswers_eachCallEndsWithItsFailure_data()
    {
        QTest::addColumn<QStringList>("mode");
        QTest::addColumn<int>("createFailure"); // 0: CreateObject succeeds
        QTest::addColumn<int>("callFailure");   // of a call on the object made; 0: success
        QTest::newRow("path inside a structure") << QStringList{QStringLiteral("wrongtypes")}
                                                 << int(HostLibraryFailure::BadReply) << 0;
        QTest::newRow("64 MiB error message") << QStringList{QStringLiteral("hugeerror")}
                                              << int(HostLibraryFailure::Refused) << 0;
        QTest::newRow("64 MiB text for a path") << QStringList{QStringLiteral("hugereply")}
                                                << int(HostLibraryFailure::BadReply) << 0;
        QTest::newRow("path of no object") << QStringList{QStringLiteral("nopath")} << 0
                                           << int(HostLibraryFailure::ObjectMissing);
        QTest::newRow("numbers for answers") << QStringList{QStringLiteral("oddanswers")} << 0 << 0;
    }
    void hostileAnswers_eachCallEndsWithItsFailure()
    {
        QFETCH(QStringList, mode);
        QFETCH(int, createFailure);
        QFETCH(int, callFailure);
        Service service = broken(mode);
        QVERIFY(service.ready());
        DBusHostLibrary library(QDBusConnection::sessionBus(), 3000ms, 5000ms);
        QElapsedTimer timer;
        timer.start();
        Core::ErrorDetail detail;
        std::unique_ptr<HostLibraryObject> object = library.CreateObject(detail);
        QCOMPARE(object ? 0 : detail.number, createFailure);
        QVERIFY2(detail.text().size() < 1200, qPrintable(detail.text().left(200)));
        if (object) {
            const HostFailure failed = object->writeLog(QStringLiteral("entry"), QStringLiteral("user"));
            QCOMPARE(failed ? failed->number : 0, callFailure);
            QVERIFY(!failed || failed->text().size() < 1200);
        }
        // Within the timeout, and the moments it takes to read an answer of 64 MiB.
        QVERIFY2(timer.elapsed() < 6000, qPrintable(QString::number(timer.elapsed())));
        // The connection serves the next call at once.
        timer.restart();
        QVERIFY(serviceOnBus());
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    }

    // Round after round of 64 MiB answers: the client keeps none of them.
    void hugeAnswers_repeated_memorySettles()
    {
        Service service = broken({QStringLiteral("hugeerror")});
        QVERIFY(service.ready());
        DBusHostLibrary library(QDBusConnection::sessionBus(), 5000ms, 5000ms);
        QString why;
        const bool settled = Voruvar::Testing::memorySettles(
            QCoreApplication::applicationPid(), 4, 32 * 1024,
            [&] {
                Core::ErrorDetail detail;
                return !library.CreateObject(detail) && detail.number == int(HostLibraryFailure::Refused) &&
                       !library.CreateObject(detail) && detail.description.size() < 1100;
            },
            &why);
        QVERIFY2(settled, qPrintable(why));
    }

    // Answers that come with a delay: just under the timeout they are taken, just over it the
    // call fails when the timeout runs out, and the host is left alone for the quiet time.
    void slowHost_justUnderTakenJustOverTimesOut()
    {
        DBusHostLibrary library(QDBusConnection::sessionBus(), 2000ms, 5000ms);
        QElapsedTimer timer;
        Core::ErrorDetail detail;
        {
            Service service = broken({QStringLiteral("slow"), QStringLiteral("1200")});
            QVERIFY(service.ready());
            timer.start();
            std::unique_ptr<HostLibraryObject> object = library.CreateObject(detail);
            QVERIFY2(object, qPrintable(detail.text()));
            QVERIFY(!object->writeLog(QStringLiteral("entry"), QString()));
            QVERIFY2(timer.elapsed() >= 2400, qPrintable(QString::number(timer.elapsed())));
        }
        Service service = broken({QStringLiteral("slow"), QStringLiteral("3000")});
        QVERIFY(service.ready());
        timer.restart();
        QVERIFY(!library.CreateObject(detail));
        QCOMPARE(detail.number, int(HostLibraryFailure::NoReply));
        // The bus library's timers may fire a little early.
        QVERIFY2(timer.elapsed() >= 1800 && timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
        // Calls within the quiet time fail at once; the late answer, when it comes, is dropped.
        timer.restart();
        QVERIFY(!library.CreateObject(detail));
        QCOMPARE(detail.number, int(HostLibraryFailure::NoReply));
        QVERIFY(timer.elapsed() < 100);
    }

    // A host that leaves the bus while a call waits for its answer: the call fails as soon as it
    // has gone, long before the timeout, and the host is not left alone as a hung one would be.
    void hostLeavingDuringACall_failsWhenItLeaves()
    {
        DBusHostLibrary library(QDBusConnection::sessionBus(), 5000ms, 10000ms);
        Service service = broken({QStringLiteral("leaving"), QStringLiteral("300")});
        QVERIFY(service.ready());
        QElapsedTimer timer;
        timer.start();
        Core::ErrorDetail detail;
        QVERIFY(!library.CreateObject(detail));
        QCOMPARE(detail.number, int(HostLibraryFailure::NoReply));
        QVERIFY2(timer.elapsed() >= 250 && timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(waitForService(false));
        Service host = standinHost();
        QVERIFY(host.ready());
        QVERIFY2(library.CreateObject(detail), qPrintable(detail.text()));
    }

    void muteObject_logWriterWaitsOneTimeoutOnly()
    {
        Service service = broken({QStringLiteral("mute")});
        QVERIFY(service.ready());
        DBusHostLibrary library(QDBusConnection::sessionBus(), 300ms, 5000ms);
        HostContext context = dana();
        HostLibraryLog(library, context).writeHostLog(QStringLiteral("lost"));
        // setDTFormat times out; RuraroPath, writeLog and Release are not sent into the silence.
        QCOMPARE(service.received(), (QStringList{QStringLiteral("CreateObject"), QStringLiteral("Set")}));
    }
};

QTEST_GUILESS_MAIN(TestHostLibraryBus)
#include "test_hostlibrary_bus.moc"
