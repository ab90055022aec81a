// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "platform/printspool.h"

#include <QObject>
#include <QPageLayout>
#include <QPageRanges>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QDateTime;
class QPrinter;
class QTemporaryDir;
class QWidget;

namespace Voruvar::Platform {
class DocumentPane;
class MessagePresenter;
} // namespace Voruvar::Platform

namespace Voruvar::Startup {
struct AdminSettings;
}

namespace Voruvar::Windows {

// What the user chose in the print dialog.
struct PrintChoice
{
    QString file;                      // "Print to File": the PDF to write; empty: print on a printer
    Platform::PrintJobOptions options; // the printer (empty: the default) and its settings
    QPageLayout layout;                // not valid: the printer's default paper
    QPageRanges pages;                 // empty: every page
};

// The print command (the main window's print button, the zoom window's print button, Ctrl+P).
// A request waits until the clock's whole seconds have moved on by three, then prints the
// details pane's document: through the print dialog when the administrator's switch asks for it,
// else to the default printer, confirming with a message box once the printer has accepted the
// job. Every failure (no printer, a printer that is stopped or refuses jobs, no print service)
// shows a box with the reason. Requests made while one is pending are ignored.
class PrintCommand final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PrintCommand)

public:
    // Shows the print dialog over parent (null: over no window) and returns what the user chose,
    // or nothing when the user cancelled.
    using DialogOpener = std::function<std::optional<PrintChoice>(QWidget *parent)>;
    // How long a request waits before it prints, asked at the moment of the request.
    using WaitLength = std::function<std::chrono::milliseconds()>;

    // The pane, settings, presenter and spool must outlive the command; the dialog's parent need
    // not (a zoom window may close while its print waits).
    PrintCommand(Platform::DocumentPane &pane, const Startup::AdminSettings &settings,
                 Platform::MessagePresenter &messages, Platform::PrintSpool &spool, DialogOpener openDialog,
                 QWidget *dialogParent, WaitLength wait = &PrintCommand::waitFromNow, QObject *parent = nullptr);
    ~PrintCommand() override;

    // The click: starts a print unless one is pending.
    void request();
    // A print has been requested and has not finished yet.
    bool pending() const { return m_pending; }

    // When a print requested at that moment goes: at the start of the third whole second after
    // the second of the request (so 2 to 3 seconds later).
    static QDateTime printMoment(const QDateTime &requested);
    // From now to printMoment(now), on the system clock.
    static std::chrono::milliseconds waitFromNow();
    // Qt's print dialog, modal over parent.
    static std::optional<PrintChoice> showPrintDialog(QWidget *parent);

Q_SIGNALS:
    // A request has ended: ok when the printer accepted the job or the file was written; false
    // on failure (after its box) and when the dialog was cancelled.
    void finished(bool ok);

private:
    // Where the job under way goes.
    enum class Route {
        DefaultPrinter, // without the dialog; confirmed by a box
        ChosenPrinter,  // the printer chosen in the dialog
        File,           // the dialog's "Print to File"
    };

    void print();
    // Renders the document into a temporary PDF laid out as chosen (by default on the printer's
    // default paper) and hands it to the spool once rendered.
    void printToSpool(Route route, const PrintChoice &choice);
    void printToFile(const PrintChoice &choice);
    void render(std::shared_ptr<QPrinter> printer);
    void onRendered(bool ok);
    void fail(const QString &reason);
    void end(bool ok);
    QString documentTitle() const;

    Platform::DocumentPane &m_pane;
    const Startup::AdminSettings &m_settings;
    Platform::MessagePresenter &m_messages;
    Platform::PrintSpool &m_spool;
    DialogOpener m_openDialog;
    QPointer<QWidget> m_dialogParent;
    WaitLength m_wait;
    QTimer m_timer;
    bool m_pending = false;

    // The job under way. The printer is shared with the pane's callback, so a renderer that
    // finishes late never paints into a deleted printer.
    Route m_route = Route::DefaultPrinter;
    std::shared_ptr<QPrinter> m_printer;
    std::unique_ptr<QTemporaryDir> m_spoolDir;
    Platform::PrintJobOptions m_options;
};

} // namespace Voruvar::Windows
