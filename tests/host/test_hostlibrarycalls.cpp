// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "fakehostlibrary.h"
#include "fakeplatform.h"
#include "host/errorreport.h"
#include "host/hostcontext.h"
#include "host/hostlibrarycalls.h"
#include "host/hostlibrarylog.h"
#include "host/retryfields.h"

#include <QTest>

using namespace Voruvar::Host;
using Voruvar::Platform::MessageIcon;
using Voruvar::Testing::FakeHostLibrary;
using Voruvar::Testing::FakeMessagePresenter;

namespace {

HostContext danaAtNorth()
{
    HostContext context;
    context.strDateFormat = QStringLiteral("MM/dd/yyyy");
    context.strRuraroPath = QStringLiteral("/opt/ruraro");
    context.strAccountName = QStringLiteral("Dana Admin");
    context.strAccountId = QStringLiteral("DADMIN");
    context.strAccountTitle = QStringLiteral("Supervisor");
    context.strUserItem16 = QStringLiteral("MAINT");
    return context;
}

// Records the log entries a report writes.
class RecordingLog final : public HostLog
{
public:
    void writeHostLog(const QString &message) override { entries.append(message); }
    QStringList entries;
};

} // namespace

class TestHostLibraryCalls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void logEntry_callsInOrderWithTextAndUser()
    {
        FakeHostLibrary library;
        HostContext context = danaAtNorth();
        HostLibraryLog log(library, context);
        context.strAccountName = QStringLiteral("Dana Later"); // read when the entry is written
        log.writeHostLog(QStringLiteral("Administrative Options Updated"));
        QCOMPARE(library.calls,
                 (QStringList{QStringLiteral("CreateObject"), QStringLiteral("setDTFormat(MM/dd/yyyy)"),
                              QStringLiteral("RuraroPath(/opt/ruraro)"),
                              QStringLiteral("writeLog(Administrative Options Updated (Voruvar), Dana Later)"),
                              QStringLiteral("Release()")}));
    }

    void logEntry_emptyUser_stillWritten()
    {
        FakeHostLibrary library;
        HostContext context;
        HostLibraryLog(library, context).writeHostLog(QStringLiteral("ERROR: TB101 : Retrieval Error"));
        QVERIFY(library.calls.contains(QStringLiteral("writeLog(ERROR: TB101 : Retrieval Error (Voruvar), )")));
    }

    void logEntry_failingStep_skippedAndNextRuns_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QStringList>("calls");
        const QString create = QStringLiteral("CreateObject"), format = QStringLiteral("setDTFormat(f)"),
                      path = QStringLiteral("RuraroPath(p)"), write = QStringLiteral("writeLog(m (Voruvar), u)"),
                      release = QStringLiteral("Release()");
        QTest::newRow("no object: nothing else") << create << QStringList{create};
        QTest::newRow("date format") << QStringLiteral("setDTFormat")
                                     << QStringList{create, format, path, write, release};
        QTest::newRow("host folder") << QStringLiteral("RuraroPath")
                                     << QStringList{create, format, path, write, release};
        QTest::newRow("entry: still released")
            << QStringLiteral("writeLog") << QStringList{create, format, path, write, release};
        QTest::newRow("release") << QStringLiteral("Release") << QStringList{create, format, path, write, release};
    }
    void logEntry_failingStep_skippedAndNextRuns()
    {
        QFETCH(QString, failing);
        QFETCH(QStringList, calls);
        FakeHostLibrary library;
        library.failing = {failing};
        HostContext context;
        context.strDateFormat = QStringLiteral("f");
        context.strRuraroPath = QStringLiteral("p");
        context.strAccountName = QStringLiteral("u");
        HostLibraryLog(library, context).writeHostLog(QStringLiteral("m"));
        QCOMPARE(library.calls, calls);
    }

    void codedReport_libraryMissing_boxStillShownOnce()
    {
        FakeHostLibrary library;
        library.failing = {QStringLiteral("CreateObject")};
        HostContext context;
        HostLibraryLog log(library, context);
        FakeMessagePresenter messages;
        reportCodedError(log, messages, TB101, QStringLiteral("Line."), QStringLiteral("x: 1: y"));
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].title, QStringLiteral("TB101 : Retrieval Error"));
        QCOMPARE(library.calls, QStringList{QStringLiteral("CreateObject")});
    }

    void reminder_detUserThenRemCreate()
    {
        FakeHostLibrary library;
        const HostContext context = danaAtNorth();
        ReminderArguments arguments{QStringLiteral("/tasks"),
                                    QStringLiteral("Dana Admin"),
                                    QStringLiteral("12/28/2026"),
                                    QStringLiteral("01/04/2027"),
                                    QString(),
                                    1,
                                    QStringLiteral("VORUVAR.CLSMAIN"),
                                    QStringLiteral("TORX BITS"),
                                    QStringLiteral("DADMIN"),
                                    QStringLiteral("/rem")};
        createReminder(library, context, [&] { return std::optional(arguments); });
        QCOMPARE(library.calls,
                 (QStringList{QStringLiteral("CreateObject"), QStringLiteral("setDTFormat(MM/dd/yyyy)"),
                              QStringLiteral("DetUser(Dana Admin, MAINT, Supervisor, DADMIN)"),
                              QStringLiteral("RemCreate(/tasks, Dana Admin, 12/28/2026, 01/04/2027, , 1, "
                                             "VORUVAR.CLSMAIN, TORX BITS, DADMIN, /rem)"),
                              QStringLiteral("Release()")}));
    }

    void reminder_noArguments_detUserOnly()
    {
        FakeHostLibrary library;
        library.failing = {QStringLiteral("DetUser")};
        createReminder(library, danaAtNorth(), [] { return std::optional<ReminderArguments>(); });
        QCOMPARE(library.calls, (QStringList{QStringLiteral("CreateObject"), QStringLiteral("setDTFormat(MM/dd/yyyy)"),
                                             QStringLiteral("DetUser(Dana Admin, MAINT, Supervisor, DADMIN)"),
                                             QStringLiteral("Release()")}));
    }

    void openAddress_eventsRunBetweenCallAndRelease()
    {
        FakeHostLibrary library;
        const HostFailure failure = openAddressOnce(library, danaAtNorth(), QStringLiteral("https://a.example"),
                                                    [&] { library.calls.append(QStringLiteral("events")); });
        QVERIFY(!failure);
        QCOMPARE(library.calls, (QStringList{QStringLiteral("CreateObject"), QStringLiteral("setDTFormat(MM/dd/yyyy)"),
                                             QStringLiteral("gBrowser(https://a.example, 1, 0)"),
                                             QStringLiteral("events"), QStringLiteral("Release()")}));
    }

    void openAddress_firstFailureEndsTheAttempt()
    {
        FakeHostLibrary library;
        library.failing = {QStringLiteral("setDTFormat"), QStringLiteral("Release")};
        const HostFailure failure = openAddressOnce(library, danaAtNorth(), QStringLiteral("a"), {});
        QCOMPARE(failure->text(), QStringLiteral("dovavirev.clsRuraro: 6: setDTFormat refused"));
        QCOMPARE(library.calls, (QStringList{QStringLiteral("CreateObject"), QStringLiteral("setDTFormat(MM/dd/yyyy)"),
                                             QStringLiteral("Release()")}));
    }

    void openAddressWithRetries_alwaysFailing_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("attempts");
        QTest::newRow("3") << 3 << 3;
        QTest::newRow("0: once") << 0 << 1;
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("50") << 50 << 50;
    }
    void openAddressWithRetries_alwaysFailing()
    {
        QFETCH(int, limit);
        QFETCH(int, attempts);
        FakeHostLibrary library;
        library.failing = {QStringLiteral("gBrowser")};
        RetryFields retry;
        retry.intRetryLimit = qint16(limit);
        retry.intRetryCounter = 17;
        RecordingLog log;
        FakeMessagePresenter messages;
        QVERIFY(!openAddressWithRetries(library, danaAtNorth(), retry, log, messages, QStringLiteral("a"), {}));
        QCOMPARE(library.calls.count(QStringLiteral("gBrowser(a, 1, 0)")), attempts);
        QCOMPARE(library.calls.count(QStringLiteral("Release()")), attempts);
        QCOMPARE(retry.intRetryCounter, attempts);
        QCOMPARE(retry.strLastError, QStringLiteral("dovavirev.clsRuraro: 6: gBrowser refused"));
        QCOMPARE(log.entries, QStringList{QStringLiteral("ERROR: TB700 : DLL Call Failure")});
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].title, QStringLiteral("TB700 : DLL Call Failure"));
        QCOMPARE(messages.shown[0].icon, MessageIcon::Error);
        QCOMPARE(messages.shown[0].text,
                 QStringLiteral("An incompatibility problem has been experienced with your DLL.\r\n"
                                "Your DOVAVIREV.DLL file needs to be updated.\r\n"
                                "(dovavirev.clsRuraro: 6: gBrowser refused)"));
    }

    void openAddressWithRetries_laterAttemptWorks_noReport()
    {
        FakeHostLibrary library;
        library.failing = {QStringLiteral("CreateObject"), QStringLiteral("gBrowser")};
        library.failuresLeft = 2;
        RetryFields retry;
        retry.intRetryLimit = 5;
        RecordingLog log;
        FakeMessagePresenter messages;
        int eventRuns = 0;
        QVERIFY(openAddressWithRetries(library, danaAtNorth(), retry, log, messages, QStringLiteral("a"),
                                       [&] { ++eventRuns; }));
        QCOMPARE(retry.intRetryCounter, 2);
        QCOMPARE(retry.strLastError, QStringLiteral("dovavirev.clsRuraro: 6: CreateObject refused"));
        QCOMPARE(eventRuns, 1);
        QVERIFY(log.entries.isEmpty());
        QVERIFY(messages.shown.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestHostLibraryCalls)
#include "test_hostlibrarycalls.moc"
