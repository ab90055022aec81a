// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "printcommand.h"

#include "platform/documentpane.h"
#include "platform/messagepresenter.h"
#include "startup/adminsettings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLoggingCategory>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QUrl>

Q_LOGGING_CATEGORY(lcPrint, "voruvar.windows.printcommand", QtInfoMsg)

namespace Voruvar::Windows {

using Platform::PrintJobOptions;

namespace {

// Whole seconds the clock must move on from the second of the request.
constexpr int waitSeconds = 3;

PrintJobOptions::Sides sidesOf(const QPrinter &printer)
{
    switch (printer.duplex()) {
    case QPrinter::DuplexNone:
        return PrintJobOptions::Sides::OneSided;
    case QPrinter::DuplexLongSide:
        return PrintJobOptions::Sides::TwoSidedLongEdge;
    case QPrinter::DuplexShortSide:
        return PrintJobOptions::Sides::TwoSidedShortEdge;
    case QPrinter::DuplexAuto:
        break;
    }
    return PrintJobOptions::Sides::PrinterDefault;
}

// A PDF printer laid out as chosen, or on the given paper.
std::shared_ptr<QPrinter> pdfPrinter(const QString &file, const PrintChoice &choice, const QSizeF &paperMillimetres)
{
    auto pdf = std::make_shared<QPrinter>(QPrinter::HighResolution);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    pdf->setOutputFileName(file);
    pdf->setCreator(QCoreApplication::applicationName());
    if (choice.layout.isValid()) {
        pdf->setPageLayout(choice.layout);
    } else {
        pdf->setPageSize(paperMillimetres.isEmpty() ? QPageSize(QPageSize::Letter)
                                                    : QPageSize(paperMillimetres, QPageSize::Millimeter));
    }
    if (!choice.pages.isEmpty()) {
        pdf->setPrintRange(QPrinter::PageRange);
        pdf->setPageRanges(choice.pages);
    }
    return pdf;
}

} // namespace

PrintCommand::PrintCommand(Platform::DocumentPane &pane, const Startup::AdminSettings &settings,
                           Platform::MessagePresenter &messages, Platform::PrintSpool &spool, DialogOpener openDialog,
                           QWidget *dialogParent, WaitLength wait, QObject *parent)
    : QObject(parent), m_pane(pane), m_settings(settings), m_messages(messages), m_spool(spool),
      m_openDialog(std::move(openDialog)), m_dialogParent(dialogParent), m_wait(std::move(wait))
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &PrintCommand::print);
}

PrintCommand::~PrintCommand() = default;

QDateTime PrintCommand::printMoment(const QDateTime &requested)
{
    const qint64 intoSecond = (requested.toMSecsSinceEpoch() % 1000 + 1000) % 1000;
    return requested.addMSecs(-intoSecond).addSecs(waitSeconds);
}

std::chrono::milliseconds PrintCommand::waitFromNow()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    return std::chrono::milliseconds(now.msecsTo(printMoment(now)));
}

std::optional<PrintChoice> PrintCommand::showPrintDialog(QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    // On the heap: a parent that closes while the dialog is open takes the dialog with it.
    QPointer<QPrintDialog> dialog = new QPrintDialog(&printer, parent);
    dialog->setObjectName(QStringLiteral("printDialog"));
    const int result = dialog->exec();
    delete dialog;
    if (result != QDialog::Accepted)
        return std::nullopt;
    PrintChoice choice;
    // The dialog names an output file only for "Print to File"; otherwise it chose a printer
    // (none where no printer is set up, which the spool then reports).
    choice.file = printer.outputFileName();
    choice.options.printer = printer.printerName();
    choice.options.copies = printer.copyCount();
    choice.options.sides = sidesOf(printer);
    choice.options.colour = printer.colorMode() == QPrinter::GrayScale ? PrintJobOptions::Colour::Monochrome
                                                                       : PrintJobOptions::Colour::Colour;
    choice.layout = printer.pageLayout();
    if (printer.printRange() == QPrinter::PageRange)
        choice.pages = printer.pageRanges();
    return choice;
}

void PrintCommand::request()
{
    if (m_pending) {
        qCInfo(lcPrint) << "A print is pending; request ignored";
        return;
    }
    m_pending = true;
    const std::chrono::milliseconds wait = m_wait ? m_wait() : std::chrono::milliseconds(0);
    qCInfo(lcPrint) << "Printing in" << wait.count() << "ms";
    m_timer.start(std::max(wait, std::chrono::milliseconds(0)));
}

void PrintCommand::print()
{
    if (m_settings.bytPrinterDialog == 0) {
        printToSpool(Route::DefaultPrinter, {});
        return;
    }
    const std::optional<PrintChoice> choice = m_openDialog ? m_openDialog(m_dialogParent.data()) : std::nullopt;
    if (!choice) {
        qCInfo(lcPrint) << "Print dialog cancelled";
        end(false);
    } else if (!choice->file.isEmpty()) {
        printToFile(*choice);
    } else {
        printToSpool(Route::ChosenPrinter, *choice);
    }
}

void PrintCommand::printToFile(const PrintChoice &choice)
{
    qCInfo(lcPrint) << "Printing to" << choice.file;
    m_route = Route::File;
    auto pdf = pdfPrinter(choice.file, choice, {});
    pdf->setDocName(documentTitle());
    render(std::move(pdf));
}

void PrintCommand::printToSpool(Route route, const PrintChoice &choice)
{
    const Platform::SpoolPrinter target = m_spool.printer(choice.options.printer);
    if (!target.ready()) {
        fail(target.failure);
        return;
    }
    m_spoolDir = std::make_unique<QTemporaryDir>();
    if (!m_spoolDir->isValid()) {
        fail(tr("No temporary file can be made: %1").arg(m_spoolDir->errorString()));
        return;
    }
    auto pdf = pdfPrinter(m_spoolDir->filePath(QStringLiteral("document.pdf")), choice, target.paperMillimetres);
    pdf->setDocName(documentTitle());
    m_route = route;
    m_options = choice.options;
    m_options.printer = target.name;
    render(std::move(pdf));
}

void PrintCommand::render(std::shared_ptr<QPrinter> printer)
{
    m_printer = printer;
    QPointer<PrintCommand> self(this);
    m_pane.print(printer.get(), [self, printer](bool ok) {
        if (self)
            self->onRendered(ok);
    });
}

void PrintCommand::onRendered(bool ok)
{
    if (!ok) {
        fail(m_route == Route::File ? tr("The file %1 could not be written.").arg(m_printer->outputFileName())
                                    : tr("The document could not be prepared for printing."));
        return;
    }
    if (m_route == Route::File) {
        end(true);
        return;
    }
    const Platform::SpoolJob job = m_spool.submit(m_printer->outputFileName(), documentTitle(), m_options);
    if (!job.accepted()) {
        fail(job.failure);
        return;
    }
    qCInfo(lcPrint) << "Job" << job.id << "accepted by" << m_options.printer;
    if (m_route == Route::DefaultPrinter)
        m_messages.show({QStringLiteral("Output Success"), QStringLiteral("Document has been sent to your printer."),
                         Platform::MessageIcon::Information});
    end(true);
}

void PrintCommand::fail(const QString &reason)
{
    qCWarning(lcPrint, "Cannot print: %s", qPrintable(reason));
    m_messages.show({QStringLiteral("Output Failure"),
                     QStringLiteral("The document could not be sent to your printer.\r\n") + reason,
                     Platform::MessageIcon::Error});
    end(false);
}

void PrintCommand::end(bool ok)
{
    m_printer.reset();
    m_spoolDir.reset(); // removes the temporary PDF
    m_options = {};
    m_pending = false;
    Q_EMIT finished(ok);
}

QString PrintCommand::documentTitle() const
{
    const QUrl url(m_pane.locationURL());
    if (const QString name = url.fileName(); !name.isEmpty())
        return name;
    return url.isEmpty() ? QCoreApplication::applicationName() : url.toString();
}

} // namespace Voruvar::Windows
