// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
//
// The print command's rules over a fake pane, spool and presenter: which route a print takes,
// which box follows, and that a request while one is pending is ignored.
#include "fakeplatform.h"
#include "fakeprintspool.h"
#include "platform/documentpane.h"
#include "startup/adminsettings.h"
#include "windows/printcommand.h"

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
        : command(
              pane, settings, messages, spool,
              [this](QWidget *parent) {
                  ++dialogs;
                  parentGiven = parent;
                  return answerDialog;
              },
              dialogParent, [] { return 0ms; })
    {}

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

} // namespace

class TestPrintCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noDialog_data()
    {
        QTest::addColumn<QString>("printerFailure");
        QTest::addColumn<QString>("jobFailure");
        QTest::addColumn<bool>("renders");
        QTest::addColumn<QSizeF>("paper");
        QTest::addColumn<QPageSize::PageSizeId>("printedOn");
        const QString none;
        QTest::newRow("no paper named") << none << none << true << QSizeF() << QPageSize::Letter;
        QTest::newRow("A4 paper") << none << none << true << QSizeF(209.9, 297.04) << QPageSize::A4;
        QTest::newRow("printer stopped") << QStringLiteral("Stopped.") << none << true << QSizeF() << QPageSize::Letter;
        QTest::newRow("job refused") << none << QStringLiteral("Refused.") << true << QSizeF() << QPageSize::Letter;
        QTest::newRow("not rendered") << none << none << false << QSizeF() << QPageSize::Letter;
    }

    void noDialog()
    {
        QFETCH(QString, printerFailure);
        QFETCH(QString, jobFailure);
        QFETCH(bool, renders);
        QFETCH(QSizeF, paper);
        QFETCH(QPageSize::PageSizeId, printedOn);
        Printing printing;
        printing.spool.printerAnswer = {{}, paper, printerFailure};
        printing.spool.jobAnswer = {jobFailure.isEmpty() ? 7 : 0, jobFailure};
        printing.pane.renders = renders;
        const bool accepted = printerFailure.isEmpty() && jobFailure.isEmpty() && renders;

        QCOMPARE(printing.printAndWait(), accepted);
        QCOMPARE(printing.dialogs, 0);
        QCOMPARE(printing.spool.printersAsked, QStringList{QString()});
        QCOMPARE(printing.pane.prints, printerFailure.isEmpty() ? 1 : 0);
        QCOMPARE(printing.spool.submissions.size(), accepted || !jobFailure.isEmpty() ? 1 : 0);
        QCOMPARE(printing.messages.shown.size(), 1);
        const Message box = printing.messages.shown.first();
        if (accepted) {
            QCOMPARE(printing.pane.paper, printedOn);
            const auto submitted = printing.spool.submissions.first();
            QVERIFY(submitted.pdf.startsWith("%PDF-"));
            QCOMPARE(submitted.title, QStringLiteral("DS.DOX"));
            QCOMPARE(submitted.options, PrintJobOptions{QStringLiteral("office")});
            QVERIFY2(!QFile::exists(submitted.path), "the temporary PDF is removed");
            QCOMPARE(box, success);
        } else {
            QCOMPARE(box.title, QStringLiteral("Output Failure"));
            QCOMPARE(box.icon, MessageIcon::Error);
            QVERIFY(box.text.startsWith(failurePrefix));
            QVERIFY(box.text.endsWith(printerFailure + jobFailure));
        }
        QVERIFY(!printing.command.pending());
    }

    void dialog_data()
    {
        QTest::addColumn<DialogAnswer>("answer");
        QTest::newRow("cancelled") << DialogAnswer::Cancel;
        QTest::newRow("print to file") << DialogAnswer::File;
        QTest::newRow("printer chosen") << DialogAnswer::Printer;
    }

    void dialog()
    {
        QFETCH(DialogAnswer, answer);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("chosen.pdf"));
        Printing printing;
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
        QCOMPARE(finished.first().first().toBool(), answer != DialogAnswer::Cancel);
        QCOMPARE(printing.dialogs, 1);
        // Success through the dialog shows no box.
        QVERIFY(printing.messages.shown.isEmpty());
        QFile written(file);
        QCOMPARE(written.open(QIODevice::ReadOnly) && written.readAll().startsWith("%PDF-"),
                 answer == DialogAnswer::File);
        QCOMPARE(printing.spool.submissions.size(), answer == DialogAnswer::Printer ? 1 : 0);
        if (answer == DialogAnswer::Printer) {
            QCOMPARE(printing.spool.printersAsked, QStringList{QStringLiteral("lab")});
            QCOMPARE(printing.pane.paper, QPageSize::A5);
            QCOMPARE(printing.spool.submissions.first().options, lab);
        }
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
