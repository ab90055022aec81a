// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The print command's rules over a fake pane, spool and presenter: which route a print takes,
// which box follows, and that a request while one is pending is ignored.
#include "fakeplatform.h"
#include "fakeprintspool.h"
#include "windows/printcommand.h"
#include "platform/documentpane.h"
#include "startup/adminsettings.h"

#include <QDateTime>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace std::chrono_literals;
using Voruvar::Platform::Message;
using Voruvar::Platform::MessageIcon;
using Voruvar::Platform::PrintJobOptions;
using Voruvar::Windows::PrintCommand;

namespace {

const Message success{QStringLiteral("Output Success"), QStringLiteral("Document has been sent to your printer."),
                      MessageIcon::Information};
const QString failurePrefix = QStringLiteral("The document could not be sent to your printer.\r\n");

// Paints one line into the printer and reports later, as the web renderer does; can hold its
// report until the test releases it.
class FakeDocumentPane final : public Voruvar::Platform::DocumentPane
{
public:
    void navigate(const QString &address) override { location = address; }
    QString locationURL() const override { return location; }
    void print(QPrinter *printer, std::function<void(bool ok)> finished) override
    {
        ++prints;
        paper = printer->pageLayout().pageSize().id();
        QPainter painter;
        const bool ok = renders && painter.begin(printer);
        if (ok) {
            painter.drawText(100, 100, QStringLiteral("Drill sizes"));
            painter.end();
        }
        held = [finished, ok] { finished(ok); };
        if (!hold)
            QTimer::singleShot(0, [report = std::exchange(held, {})] { report(); });
    }
    void release() { std::exchange(held, {})(); }

    QString location = QStringLiteral("file:///opt/voruvar/DS.DOX");
    bool renders = true;
    bool hold = false;
    int prints = 0;
    QPageSize::PageSizeId paper = QPageSize::Custom;
    std::function<void()> held;
};

enum class DialogAnswer { Cancel, File, Printer };

// One command with its fakes; the dialog is answered as the test says.
struct Printing
{
    explicit Printing(QWidget *dialogParent = nullptr)
        : command(pane, settings, messages, spool,
                  [this](QWidget *parent) {
                      ++dialogs;
                      parentGiven = parent;
                      return answerDialog;
                  },
                  dialogParent, [] { return 0ms; })
    {
    }

    // Requests a print and waits for its end: whether it succeeded.
    bool printAndWait()
    {
        QSignalSpy finished(&command, &PrintCommand::finished);
        command.request();
        if (!finished.wait(10000))
            qFatal("the print did not finish");
        return finished.first().first().toBool();
    }

    FakeDocumentPane pane;
    Voruvar::Startup::AdminSettings settings;
    Voruvar::Testing::FakeMessagePresenter messages;
    Voruvar::Testing::FakePrintSpool spool;
    std::optional<Voruvar::Windows::PrintChoice> answerDialog; // none: cancel
    int dialogs = 0;
    QWidget *parentGiven = nullptr;
    PrintCommand command;
};

bool isPdf(const QByteArray &bytes)
{
    return bytes.startsWith("%PDF-");
}

} // namespace

class TestPrintCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noDialog_data()
    {
        QTest::addColumn<QString>("printerFailure");
        QTest::addColumn<QSizeF>("paper");
        QTest::addColumn<bool>("renders");
        QTest::addColumn<QString>("jobFailure");
        QTest::addColumn<QPageSize::PageSizeId>("printedOn");
        QTest::addColumn<int>("submissions");
        QTest::addColumn<QString>("reason"); // empty: success

        const QString none;
        QTest::newRow("accepted, no paper named") << none << QSizeF() << true << none << QPageSize::Letter << 1 << none;
        QTest::newRow("accepted, A4 paper") << none << QSizeF(209.9, 297.04) << true << none << QPageSize::A4 << 1 << none;
        QTest::newRow("printer stopped") << QStringLiteral("The printer office is stopped.") << QSizeF() << true << none
                                         << QPageSize::Custom << 0 << QStringLiteral("The printer office is stopped.");
        QTest::newRow("job refused") << none << QSizeF() << true << QStringLiteral("Not accepting jobs.")
                                     << QPageSize::Letter << 1 << QStringLiteral("Not accepting jobs.");
        QTest::newRow("not rendered") << none << QSizeF() << false << none << QPageSize::Letter << 0
                                      << QStringLiteral("The document could not be prepared for printing.");
    }

    void noDialog()
    {
        QFETCH(QString, printerFailure);
        QFETCH(QSizeF, paper);
        QFETCH(bool, renders);
        QFETCH(QString, jobFailure);
        QFETCH(QPageSize::PageSizeId, printedOn);
        QFETCH(int, submissions);
        QFETCH(QString, reason);
        Printing printing;
        printing.spool.printerAnswer = {{}, paper, printerFailure};
        printing.spool.jobAnswer = {jobFailure.isEmpty() ? 7 : 0, jobFailure};
        printing.pane.renders = renders;

        QCOMPARE(printing.printAndWait(), reason.isEmpty());
        QCOMPARE(printing.dialogs, 0);
        QCOMPARE(printing.spool.printersAsked, QStringList{QString()});
        QCOMPARE(printing.pane.prints, printerFailure.isEmpty() ? 1 : 0);
        if (printerFailure.isEmpty())
            QCOMPARE(printing.pane.paper, printedOn);
        QCOMPARE(printing.spool.submissions.size(), submissions);
        for (const auto &submitted : printing.spool.submissions) {
            QVERIFY(isPdf(submitted.pdf));
            QCOMPARE(submitted.title, QStringLiteral("DS.DOX"));
            QCOMPARE(submitted.options, PrintJobOptions{QStringLiteral("office")});
            QVERIFY2(!QFile::exists(submitted.path), "the temporary PDF is removed");
        }
        const Message expected = reason.isEmpty() ? success
                                                  : Message{QStringLiteral("Output Failure"), failurePrefix + reason,
                                                            MessageIcon::Error};
        QCOMPARE(printing.messages.shown, QList<Message>{expected});
        QVERIFY(!printing.command.pending());
    }

    void dialog_data()
    {
        QTest::addColumn<DialogAnswer>("answer");
        QTest::addColumn<QString>("jobFailure");
        QTest::addColumn<bool>("ok");
        QTest::newRow("cancelled") << DialogAnswer::Cancel << QString() << false;
        QTest::newRow("print to file") << DialogAnswer::File << QString() << true;
        QTest::newRow("printer chosen") << DialogAnswer::Printer << QString() << true;
        QTest::newRow("chosen printer refuses") << DialogAnswer::Printer << QStringLiteral("Printer is jammed.") << false;
    }

    void dialog()
    {
        QFETCH(DialogAnswer, answer);
        QFETCH(QString, jobFailure);
        QFETCH(bool, ok);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("chosen.pdf"));
        Printing printing;
        printing.spool.jobAnswer = {jobFailure.isEmpty() ? 3 : 0, jobFailure};
        const PrintJobOptions lab{QStringLiteral("lab"), 2, PrintJobOptions::Sides::TwoSidedLongEdge,
                                  PrintJobOptions::Colour::Monochrome};
        if (answer == DialogAnswer::File)
            printing.answerDialog = Voruvar::Windows::PrintChoice{file, {}, {}, {}};
        else if (answer == DialogAnswer::Printer)
            printing.answerDialog = Voruvar::Windows::PrintChoice{
                {}, lab, QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Portrait, {}), {}};

        QSignalSpy finished(&printing.command, &PrintCommand::finished);
        printing.command.request();
        // The switch is read when the print goes, not when it is requested.
        printing.settings.bytPrinterDialog = 1;
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.first().first().toBool(), ok);
        QCOMPARE(printing.dialogs, 1);

        QFile written(file);
        QCOMPARE(written.open(QIODevice::ReadOnly) && isPdf(written.readAll()), answer == DialogAnswer::File);
        if (answer == DialogAnswer::Printer) {
            QCOMPARE(printing.spool.printersAsked, QStringList{QStringLiteral("lab")});
            QCOMPARE(printing.pane.paper, QPageSize::A5);
            QCOMPARE(printing.spool.submissions.size(), 1);
            QCOMPARE(printing.spool.submissions.first().options, lab);
        } else {
            QVERIFY(printing.spool.submissions.isEmpty());
        }
        // Success through the dialog shows nothing; a failure shows its reason.
        const QList<Message> boxes =
            jobFailure.isEmpty()
                ? QList<Message>()
                : QList<Message>{{QStringLiteral("Output Failure"), failurePrefix + jobFailure, MessageIcon::Error}};
        QCOMPARE(printing.messages.shown, boxes);
    }

    void request_whilePending_isIgnored()
    {
        Printing printing;
        printing.pane.hold = true;
        QSignalSpy finished(&printing.command, &PrintCommand::finished);
        printing.command.request();
        printing.command.request(); // during the wait
        QVERIFY(printing.command.pending());
        QTRY_COMPARE(printing.pane.prints, 1);
        printing.command.request(); // while the document renders
        printing.pane.release();
        QTRY_COMPARE(finished.size(), 1);
        QCOMPARE(printing.spool.submissions.size(), 1);
        QCOMPARE(printing.messages.shown, QList<Message>{success});

        // Once finished, the next click prints again.
        printing.pane.hold = false;
        QVERIFY(printing.printAndWait());
        QCOMPARE(printing.pane.prints, 2);
    }

    void dialogParent_closedDuringWait_dialogOpensWithoutIt()
    {
        auto *zoomWindow = new QWidget;
        Printing printing(zoomWindow);
        printing.settings.bytPrinterDialog = 1;
        QSignalSpy finished(&printing.command, &PrintCommand::finished);
        printing.command.request();
        delete zoomWindow;
        QVERIFY(finished.wait(10000));
        QCOMPARE(printing.dialogs, 1);
        QCOMPARE(printing.parentGiven, nullptr);
    }

    void printMoment_data()
    {
        QTest::addColumn<QDateTime>("requested");
        QTest::addColumn<QDateTime>("printed");
        const auto at = [](int day, int h, int m, int s, int ms) {
            return QDateTime(QDate(2026, 3, day), QTime(h, m, s, ms), Qt::UTC);
        };
        QTest::newRow("late in the second") << at(2, 12, 0, 0, 999) << at(2, 12, 0, 3, 0);
        QTest::newRow("on the second") << at(2, 12, 0, 0, 0) << at(2, 12, 0, 3, 0);
        QTest::newRow("across midnight") << at(2, 23, 59, 59, 500) << at(3, 0, 0, 2, 0);
    }

    void printMoment()
    {
        QFETCH(QDateTime, requested);
        QFETCH(QDateTime, printed);
        QCOMPARE(PrintCommand::printMoment(requested), printed);
        const auto wait = PrintCommand::waitFromNow();
        QVERIFY2(wait > 2000ms && wait <= 3000ms, qPrintable(QString::number(wait.count())));
    }
};

QTEST_MAIN(TestPrintCommand)
#include "test_printcommand.moc"
