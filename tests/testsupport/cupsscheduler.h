// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace Voruvar::Testing {

// A CUPS scheduler of the test's own: cupsd in the foreground with its configuration, spool,
// logs and socket in a temporary folder. Its printers take PDF and write every job, unchanged,
// to a file of that folder. The system's print set-up is neither used nor changed.
class CupsScheduler final
{
public:
    CupsScheduler();
    ~CupsScheduler();
    CupsScheduler(const CupsScheduler &) = delete;
    CupsScheduler &operator=(const CupsScheduler &) = delete;

    // Starts cupsd and waits until it answers on its socket; false with error() when it does not.
    bool start();
    // Ends cupsd and waits for it to go; its socket then answers nobody.
    void stop();
    bool isRunning() const { return m_cupsd.state() != QProcess::NotRunning; }

    QString socketPath() const { return m_dir.filePath(QStringLiteral("cups.sock")); }
    // Points the print clients of this process and of the programs it starts at this scheduler
    // (CUPS_SERVER), with no printer chosen by environment (LPDEST, PRINTER).
    void makeCurrent() const;

    // Adds a printer that writes each job to outputPath(name); the scheduler's default when asked.
    bool addPrinter(const QString &name, bool asDefault = true);
    // Sets the printer's default paper by its PWG name, such as "iso_a4_210x297mm".
    bool setDefaultMedia(const QString &name, const QString &media);
    // cupsreject: the printer refuses new jobs, giving the reason.
    bool rejectJobs(const QString &name, const QString &reason);
    // cupsdisable: the printer is stopped, giving the reason.
    bool stopPrinter(const QString &name, const QString &reason);

    QString outputPath(const QString &name) const;
    // The printer's output file holds a complete PDF document.
    bool hasOutput(const QString &name) const;

    // What went wrong last, with the scheduler's own log.
    QString error() const { return m_error; }

    // The text of a PDF file (pdftotext); empty when it cannot be read.
    static QString pdfText(const QString &pdfPath);

private:
    bool runTool(const QString &name, const QStringList &arguments);
    bool writeConfiguration();

    QTemporaryDir m_dir;
    QProcess m_cupsd;
    QString m_error;
};

} // namespace Voruvar::Testing
