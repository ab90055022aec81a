// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "cupsprintspool.h"

#include <QFile>
#include <QLoggingCategory>

#include <cups/cups.h>

#include <memory>

Q_LOGGING_CATEGORY(lcSpool, "voruvar.platform.cupsprintspool", QtInfoMsg)

namespace Voruvar::Platform {

namespace {

struct HttpClose
{
    void operator()(http_t *http) const { httpClose(http); }
};
using Connection = std::unique_ptr<http_t, HttpClose>;

struct DestFree
{
    void operator()(cups_dest_t *dest) const { cupsFreeDests(1, dest); }
};
using Dest = std::unique_ptr<cups_dest_t, DestFree>;

QString lastCupsError()
{
    return QString::fromUtf8(cupsLastErrorString());
}

QString option(const cups_dest_t &dest, const char *name)
{
    return QString::fromUtf8(cupsGetOption(name, dest.num_options, dest.options));
}

// A connection to the scheduler the client configuration names now; none, with the reason, when
// nobody answers there.
Connection connectToScheduler(QString *failure)
{
    cupsSetServer(nullptr); // forget the server of the last call: read the configuration again
    const char *server = cupsServer();
    Connection http(httpConnect2(server, ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 10000, nullptr));
    if (!http) {
        *failure = CupsPrintSpool::tr("The print service (%1) is not running or cannot be reached.")
                       .arg(QString::fromLocal8Bit(server));
        qCInfo(lcSpool) << "No print service at" << server << lastCupsError();
    }
    return http;
}

// The printer of that name, or the default printer for an empty name; none, with the reason,
// when there is no such printer.
Dest findPrinter(http_t *http, const QString &name, QString *failure)
{
    const QByteArray utf8 = name.toUtf8();
    Dest dest(cupsGetNamedDest(http, name.isEmpty() ? nullptr : utf8.constData(), nullptr));
    if (dest)
        return dest;
    qCInfo(lcSpool) << "No printer" << name << lastCupsError();
    if (!name.isEmpty()) {
        *failure = CupsPrintSpool::tr("The printer %1 does not exist.").arg(name);
    } else {
        cups_dest_t *all = nullptr;
        const int count = cupsGetDests2(http, &all);
        cupsFreeDests(count, all);
        *failure = count == 0 ? CupsPrintSpool::tr("No printer is set up.")
                              : CupsPrintSpool::tr("No default printer is chosen.");
    }
    return {};
}

QString stateMessage(http_t *http, const cups_dest_t &dest)
{
    const QByteArray uri = option(dest, "printer-uri-supported").toUtf8();
    if (uri.isEmpty())
        return {};
    ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "printer-state-message");
    ipp_t *response = cupsDoRequest(http, request, "/");
    QString message;
    if (ipp_attribute_t *attribute = ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT))
        message = QString::fromUtf8(ippGetString(attribute, 0, nullptr)).trimmed();
    ippDelete(response);
    return message;
}

// Why the printer cannot take a job now; empty when it can.
QString unreadyReason(http_t *http, const cups_dest_t &dest)
{
    const QString name = QString::fromUtf8(dest.name);
    const bool stopped = option(dest, "printer-state").toInt() == IPP_PSTATE_STOPPED;
    if (!stopped && option(dest, "printer-is-accepting-jobs") != QLatin1String("false"))
        return {};
    // The administrator's note with the state ("Out of paper"), if any.
    if (const QString message = stateMessage(http, dest); !message.isEmpty())
        return stopped ? CupsPrintSpool::tr("The printer %1 is stopped: %2").arg(name, message)
                       : CupsPrintSpool::tr("The printer %1 is not accepting jobs: %2").arg(name, message);
    return stopped ? CupsPrintSpool::tr("The printer %1 is stopped.").arg(name)
                   : CupsPrintSpool::tr("The printer %1 is not accepting jobs.").arg(name);
}

QSizeF defaultPaper(http_t *http, cups_dest_t *dest)
{
    QSizeF size;
    if (cups_dinfo_t *info = cupsCopyDestInfo(http, dest)) {
        cups_size_t media{};
        if (cupsGetDestMediaDefault(http, dest, info, CUPS_MEDIA_FLAGS_DEFAULT, &media) && media.width > 0 &&
            media.length > 0)
            size = QSizeF(media.width / 100.0, media.length / 100.0); // hundredths of a millimetre
        cupsFreeDestInfo(info);
    }
    return size;
}

// The IPP keyword for each choice; none for the printer's own default.
const char *sidesKeyword(PrintJobOptions::Sides sides)
{
    switch (sides) {
    case PrintJobOptions::Sides::OneSided:
        return "one-sided";
    case PrintJobOptions::Sides::TwoSidedLongEdge:
        return "two-sided-long-edge";
    case PrintJobOptions::Sides::TwoSidedShortEdge:
        return "two-sided-short-edge";
    case PrintJobOptions::Sides::PrinterDefault:
        break;
    }
    return nullptr;
}

const char *colourKeyword(PrintJobOptions::Colour colour)
{
    switch (colour) {
    case PrintJobOptions::Colour::Colour:
        return "color";
    case PrintJobOptions::Colour::Monochrome:
        return "monochrome";
    case PrintJobOptions::Colour::PrinterDefault:
        break;
    }
    return nullptr;
}

} // namespace

SpoolPrinter CupsPrintSpool::printer(const QString &name)
{
    SpoolPrinter result;
    const Connection http = connectToScheduler(&result.failure);
    if (!http)
        return result;
    const Dest dest = findPrinter(http.get(), name, &result.failure);
    if (!dest)
        return result;
    result.name = QString::fromUtf8(dest->name);
    result.failure = unreadyReason(http.get(), *dest);
    if (result.ready())
        result.paperMillimetres = defaultPaper(http.get(), dest.get());
    return result;
}

SpoolJob CupsPrintSpool::submit(const QString &pdfPath, const QString &title, const PrintJobOptions &options)
{
    SpoolJob job;
    const Connection http = connectToScheduler(&job.failure);
    if (!http)
        return job;
    QByteArray printerName = options.printer.toUtf8();
    if (printerName.isEmpty()) {
        const Dest dest = findPrinter(http.get(), {}, &job.failure);
        if (!dest)
            return job;
        printerName = dest->name;
    }

    cups_option_t *cupsOptions = nullptr;
    int count = 0;
    if (options.copies > 1)
        count = cupsAddOption("copies", QByteArray::number(options.copies).constData(), count, &cupsOptions);
    if (const char *sides = sidesKeyword(options.sides))
        count = cupsAddOption("sides", sides, count, &cupsOptions);
    if (const char *colour = colourKeyword(options.colour))
        count = cupsAddOption("print-color-mode", colour, count, &cupsOptions);

    job.id = cupsPrintFile2(http.get(), printerName.constData(), QFile::encodeName(pdfPath).constData(),
                            title.toUtf8().constData(), count, cupsOptions);
    cupsFreeOptions(count, cupsOptions);
    if (job.id == 0) {
        job.failure = lastCupsError();
        if (job.failure.isEmpty())
            job.failure = tr("The print service refused the job.");
    }
    qCInfo(lcSpool) << "Job" << job.id << "for" << printerName << title << job.failure;
    return job;
}

} // namespace Voruvar::Platform
