// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The print command end to end: the real details pane renders, the real CUPS client submits, and
// a CUPS scheduler of the test's own writes each job to a file, whose text is read back.
#include "cupsscheduler.h"
#include "fakeplatform.h"
#include "platform/browserpane.h"
#include "platform/pluginprintspool.h"
#include "startup/adminsettings.h"
#include "windows/printcommand.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace std::chrono_literals;
using Voruvar::Platform::BrowserPane;
using Voruvar::Platform::MessageIcon;
using Voruvar::Testing::CupsScheduler;
using Voruvar::Windows::PrintCommand;

namespace {

const QString printer = QStringLiteral("testprinter");

QString pdfInfo(const QString &path)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {path});
    pdfinfo.waitForFinished(30000);
    return QString::fromUtf8(pdfinfo.readAllStandardOutput());
}

} // namespace

class TestPrintE2E : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<BrowserPane> m_pane;
    Voruvar::Platform::PluginPrintSpool m_spool{qEnvironmentVariable("VORUVAR_BIN_DIR")};
    Voruvar::Startup::AdminSettings m_settings;
    Voruvar::Testing::FakeMessagePresenter m_messages;

    QString referencePage() const { return qEnvironmentVariable("VORUVAR_BIN_DIR") + QStringLiteral("/DS.DOX"); }

    bool show(const QString &path)
    {
        QSignalSpy shown(m_pane.get(), &BrowserPane::documentShown);
        m_pane->navigate(path);
        return (!shown.isEmpty() || shown.wait(30000)) && shown.last().at(1).toBool();
    }

    // Prints the pane's document with a fresh command and waits for its end: whether it succeeded.
    bool print(
        PrintCommand::DialogOpener dialog = {}, PrintCommand::WaitLength wait = [] { return 0ms; },
        const std::function<void()> &afterRequest = {})
    {
        m_messages.shown.clear();
        PrintCommand command(*m_pane, m_settings, m_messages, m_spool, std::move(dialog), m_pane.get(),
                             std::move(wait));
        QSignalSpy finished(&command, &PrintCommand::finished);
        command.request();
        if (afterRequest)
            afterRequest();
        if (!finished.wait(60000))
            qFatal("the print did not finish");
        return finished.first().first().toBool();
    }

    // A scheduler with the default printer, used by this process.
    static std::unique_ptr<CupsScheduler> startScheduler()
    {
        auto scheduler = std::make_unique<CupsScheduler>();
        if (!scheduler->start() || !scheduler->addPrinter(printer))
            qFatal("%s", qPrintable(scheduler->error()));
        scheduler->makeCurrent();
        return scheduler;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_pane = std::make_unique<BrowserPane>(qEnvironmentVariable("VORUVAR_BIN_DIR"));
        m_pane->resize(800, 600);
        m_pane->show();
    }

    void init() { m_settings.bytPrinterDialog = 0; }

    void defaultPrinter_referencePage_printedAfterTheWaitAndConfirmed()
    {
        const auto scheduler = startScheduler();
        QVERIFY2(scheduler->setDefaultMedia(printer, QStringLiteral("iso_a4_210x297mm")),
                 qPrintable(scheduler->error()));
        QVERIFY(show(referencePage()));
        QElapsedTimer sinceRequest;
        sinceRequest.start();
        QVERIFY(print({}, &PrintCommand::waitFromNow));
        QTRY_VERIFY_WITH_TIMEOUT(scheduler->hasOutput(printer), 30000);
        // The job cannot reach the printer before two whole seconds have passed.
        QVERIFY2(sinceRequest.elapsed() >= 2000, qPrintable(QString::number(sinceRequest.elapsed())));
        QCOMPARE(m_messages.shown.size(), 1);
        QCOMPARE(m_messages.shown.first().title, QStringLiteral("Output Success"));
        QCOMPARE(m_messages.shown.first().text, QStringLiteral("Document has been sent to your printer."));
        QCOMPARE(m_messages.shown.first().icon, MessageIcon::Information);
        const QString text = CupsScheduler::pdfText(scheduler->outputPath(printer));
        QVERIFY2(text.contains(QStringLiteral("DRILL SIZES (LETTERED)")), qPrintable(text.left(300)));
        QVERIFY2(pdfInfo(scheduler->outputPath(printer)).contains(QStringLiteral("(A4)")), "the printer's paper");
    }

    void defaultPrinter_webDocument_printedAsText()
    {
        const auto scheduler = startScheduler();
        const QString page = m_dir.filePath(QStringLiteral("torque.html"));
        QFile html(page);
        QVERIFY(html.open(QIODevice::WriteOnly));
        html.write("<html><head><title>Torque</title></head><body><h1>Torque limits</h1>"
                   "<p>Flange bolts: 45 newton metres.</p></body></html>");
        html.close();
        QVERIFY(show(page));
        QVERIFY(m_pane->showingWebRenderer());
        QVERIFY(print());
        QTRY_VERIFY_WITH_TIMEOUT(scheduler->hasOutput(printer), 30000);
        const QString text = CupsScheduler::pdfText(scheduler->outputPath(printer));
        QVERIFY2(text.contains(QStringLiteral("Flange bolts: 45 newton metres.")), qPrintable(text));
        QCOMPARE(m_messages.shown.size(), 1);
        QCOMPARE(m_messages.shown.first().title, QStringLiteral("Output Success"));
    }

    void dialog_printToFile_writesPdfWithoutBox()
    {
        // No print service is needed for a file.
        qputenv("CUPS_SERVER", QFile::encodeName(m_dir.filePath(QStringLiteral("nobody.sock"))));
        m_settings.bytPrinterDialog = 1;
        const QString file = m_dir.filePath(QStringLiteral("chosen.pdf"));
        QVERIFY(show(referencePage()));
        QVERIFY(print([&](QWidget *) { return Voruvar::Windows::PrintChoice{file, {}, {}, {}}; }));
        QVERIFY(m_messages.shown.isEmpty());
        QVERIFY(CupsScheduler::pdfText(file).contains(QStringLiteral("DRILL SIZES (LETTERED)")));
    }

    void dialog_chosenPrinter_getsTheJob()
    {
        const auto scheduler = startScheduler();
        QVERIFY2(scheduler->addPrinter(QStringLiteral("second"), false), qPrintable(scheduler->error()));
        m_settings.bytPrinterDialog = 1;
        QVERIFY(show(referencePage()));
        QVERIFY(print([](QWidget *) {
            Voruvar::Windows::PrintChoice choice;
            choice.options.printer = QStringLiteral("second");
            return choice;
        }));
        QTRY_VERIFY_WITH_TIMEOUT(scheduler->hasOutput(QStringLiteral("second")), 30000);
        QVERIFY(!scheduler->hasOutput(printer));
        QVERIFY(m_messages.shown.isEmpty());
    }

    void qtPrintDialog_accepted_choosesTheDefaultPrinter()
    {
        const auto scheduler = startScheduler();
        m_spool.printer({}); // the client library reads the new CUPS_SERVER for Qt's dialog too
        QTimer::singleShot(0, [] {
            if (auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget()))
                dialog->accept();
        });
        const std::optional<Voruvar::Windows::PrintChoice> choice = PrintCommand::showPrintDialog(nullptr);
        QVERIFY(choice);
        QVERIFY(choice->file.isEmpty());
        QCOMPARE(choice->options.printer, printer);
        QCOMPARE(choice->options.copies, 1);
        QVERIFY(choice->layout.isValid());
    }

    void failure_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QStringList>("reasonNames"); // what the reason must mention
        QTest::newRow("printer refuses jobs")
            << QStringLiteral("reject") << QStringList{printer, QStringLiteral("Out of paper")};
        QTest::newRow("printer stopped") << QStringLiteral("stop") << QStringList{printer, QStringLiteral("Paper jam")};
        QTest::newRow("no printer") << QStringLiteral("no printer") << QStringList();
        QTest::newRow("no print service") << QStringLiteral("no service") << QStringList{QStringLiteral("nobody.sock")};
        QTest::newRow("service ends during the wait")
            << QStringLiteral("ends") << QStringList{QStringLiteral("cups.sock")};
    }

    void failure()
    {
        QFETCH(QString, situation);
        QFETCH(QStringList, reasonNames);
        CupsScheduler scheduler;
        QVERIFY2(scheduler.start(), qPrintable(scheduler.error()));
        scheduler.makeCurrent();
        if (situation == QLatin1String("no service"))
            qputenv("CUPS_SERVER", QFile::encodeName(m_dir.filePath(QStringLiteral("nobody.sock"))));
        if (situation != QLatin1String("no printer"))
            QVERIFY2(scheduler.addPrinter(printer), qPrintable(scheduler.error()));
        if (situation == QLatin1String("reject"))
            QVERIFY2(scheduler.rejectJobs(printer, QStringLiteral("Out of paper")), qPrintable(scheduler.error()));
        if (situation == QLatin1String("stop"))
            QVERIFY2(scheduler.stopPrinter(printer, QStringLiteral("Paper jam")), qPrintable(scheduler.error()));
        QVERIFY(show(referencePage()));

        // The scheduler stops after the request and before the print goes.
        const bool ok = print(
            {}, [] { return 0ms; },
            [&] {
                if (situation == QLatin1String("ends"))
                    scheduler.stop();
            });
        QVERIFY(!ok);
        QCOMPARE(m_messages.shown.size(), 1);
        const auto box = m_messages.shown.first();
        QCOMPARE(box.title, QStringLiteral("Output Failure"));
        QCOMPARE(box.icon, MessageIcon::Error);
        const QString prefix = QStringLiteral("The document could not be sent to your printer.\r\n");
        QVERIFY2(box.text.startsWith(prefix) && box.text.size() > prefix.size() + 5, qPrintable(box.text));
        for (const QString &name : reasonNames)
            QVERIFY2(box.text.contains(name), qPrintable(box.text));
        QVERIFY(!scheduler.hasOutput(printer));
    }

    void cleanupTestCase() { m_pane.reset(); }
};

QTEST_MAIN(TestPrintE2E)
#include "test_print_e2e.moc"
