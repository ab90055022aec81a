// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QSizeF>
#include <QString>
#include <QtPlugin>

#include <memory>

namespace Voruvar::Platform {

// How a job is to be printed. Settings left at PrinterDefault are the printer's own.
struct PrintJobOptions
{
    enum class Sides { PrinterDefault, OneSided, TwoSidedLongEdge, TwoSidedShortEdge };
    enum class Colour { PrinterDefault, Colour, Monochrome };

    QString printer; // empty: the default printer
    int copies = 1;
    Sides sides = Sides::PrinterDefault;
    Colour colour = Colour::PrinterDefault;

    friend bool operator==(const PrintJobOptions &, const PrintJobOptions &) = default;
};

// A printer that is ready to take a job, or the reason it is not.
struct SpoolPrinter
{
    QString name;
    QSizeF paperMillimetres; // the printer's default paper; empty when it names none
    QString failure;         // empty: ready

    bool ready() const { return failure.isEmpty(); }
};

// The outcome of handing a job to the print service.
struct SpoolJob
{
    int id = 0;      // the service's job number; 0 when the job was refused
    QString failure; // why it was refused

    bool accepted() const { return id > 0; }
};

// The system's print service: finds printers and takes finished PDF documents as print jobs.
class PrintSpool
{
public:
    virtual ~PrintSpool() = default;
    // The printer of that name (the default printer for an empty name) if it exists and takes jobs
    // now; otherwise the reason: no printer, stopped, refusing jobs, no print service.
    virtual SpoolPrinter printer(const QString &name) = 0;
    // Hands the PDF file to the print service as one job with that title. The file may be removed
    // as soon as this returns.
    virtual SpoolJob submit(const QString &pdfPath, const QString &title, const PrintJobOptions &options) = 0;
};

// Makes the print service; what the print service's plugin provides.
class PrintSpoolFactory
{
public:
    virtual ~PrintSpoolFactory() = default;
    virtual std::unique_ptr<PrintSpool> create() = 0;
};

} // namespace Voruvar::Platform

#define VoruvarPrintSpoolFactory_iid "org.voruvar.Platform.PrintSpoolFactory/1"
Q_DECLARE_INTERFACE(Voruvar::Platform::PrintSpoolFactory, VoruvarPrintSpoolFactory_iid)
