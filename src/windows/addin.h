// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "catalog/documentdisplay.h"
#include "catalog/userdocuments.h"
#include "host/automationhost.h"
#include "host/hostcontext.h"
#include "host/hostlog.h"
#include "host/retryfields.h"
#include "platform/jetdatabase.h"
#include "platform/textzoom.h"
#include "platform/twips.h"
#include "startup/adminsettings.h"
#include "startup/adminsettingssave.h"
#include "startup/deferredstart.h"
#include "startup/startsteps.h"
#include "startup/startview.h"

#include <QObject>

#include <memory>

namespace Voruvar::Platform {
class BrowserPane;
class InstanceProbe;
class MessagePresenter;
class PrintSpool;
class ProcessControl;
class ScreenMetrics;
class Shell;
} // namespace Voruvar::Platform

namespace Voruvar::Host {
class HostLibrary;
}

namespace Voruvar::Windows {

class frmLogo;
class frmMain;
class frmWait;
class MainCommands;
class SearchCommand;

// The running add-in: owns the process-wide records and the windows (each created when first
// touched), and wires the automation object, the start sequence and the windows together.
class Addin final : public QObject,
                    public Host::AutomationHost,
                    public Startup::StartView,
                    public Startup::StartSteps
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Addin)

public:
    struct PlatformServices
    {
        Platform::MessagePresenter &messages;
        Platform::InstanceProbe &instances;
        Platform::ScreenMetrics &screen;
        Platform::ProcessControl &process;
        Platform::Shell &shell;
        // The host's automation library; none: the host's log cannot be reached.
        Host::HostLibrary *hostLibrary = nullptr;
        // Started for a host console (--automation) rather than on its own.
        bool hosted = true;
        // Where print jobs go; none: the system's CUPS scheduler.
        Platform::PrintSpool *spool = nullptr;
    };

    Addin(PlatformServices services, QString executableDirectory, QObject *parent = nullptr);
    ~Addin() override;

    Host::HostContext &context() { return m_context; }
    Host::RetryFields &retry() { return m_retry; }
    Startup::AdminSettings &settings() { return m_settings; }
    Startup::DeferredStart &deferredStart() { return m_start; }
    // Writes the add-in's entries to the host's log.
    Host::HostLog &hostLog() { return *m_hostLog; }
    // The host's automation library, for the reminder and the about window's link; none when the
    // add-in was made without one.
    Host::HostLibrary *hostLibrary() const { return m_services.hostLibrary; }
    // Reads the retry count from the host's database; the reader program beside the executable
    // unless replaced (tests).
    Platform::JetDatabase &database() { return *m_database; }
    void setDatabase(std::unique_ptr<Platform::JetDatabase> database) { m_database = std::move(database); }

    // The administrator's save of the three switches into the settings file beside the executable,
    // with its confirmation or "Save Failure" box. Returns whether the file was written.
    bool saveAdminSettings(const Startup::AdminChoices &choices);

    // The main window, loaded (hidden) on first touch.
    frmMain &mainWindow();
    bool mainWindowLoaded() const { return m_main != nullptr; }
    frmWait *waitWindow() const { return m_wait.get(); }

    // AutomationHost
    void requestStart() override;
    void endProcess() override;
    void putLogoOnClipboard() override;
    QString executableDirectory() const override { return m_executableDirectory; }

    // StartView
    void enableTimer() override;
    void disableTimer() override;
    void showWaitWindow() override;
    void unloadWaitWindow() override;
    void processEvents() override;
    void setAdminButtonVisible(bool visible) override;
    QStringList listEntries() const override;
    void selectEntry(int index) override;
    void moveBannerDown(int twips) override;
    void showMainWindow() override;
    void focusList() override;

    // StartSteps
    void fetchRetryCount() override;
    void readSettings() override;
    void buildCategoryList() override;

    // The refresh command: rebuilds the list, focuses it and selects its first entry.
    void refreshCategories();
    // The user entries of the last building of the list.
    const Catalog::UserDocuments &userDocuments() const { return m_userDocuments; }
    Catalog::DocumentDisplay &documentDisplay() { return m_display; }
    // The main window's details pane (WB1); loads the main window.
    Platform::BrowserPane &detailsPane();
    // The main window's commands; loads the main window.
    MainCommands &commands();
    // The search across all documents; loads the main window.
    SearchCommand &search();

Q_SIGNALS:
    // A start sequence has run to its end and the main window is visible.
    void startFinished();

private:
    void onTimerTick();
    void onCategorySelected(int row);

    PlatformServices m_services;
    QString m_executableDirectory;
    Platform::Twips m_twips;
    Host::HostContext m_context;
    Host::RetryFields m_retry;
    Startup::AdminSettings m_settings;
    Startup::DeferredStart m_start;
    std::unique_ptr<Host::HostLog> m_hostLog;
    std::unique_ptr<Platform::JetDatabase> m_database;
    std::unique_ptr<Platform::PrintSpool> m_ownSpool;
    Catalog::UserDocuments m_userDocuments;
    Catalog::DocumentDisplay m_display{m_userDocuments, m_executableDirectory};
    Platform::TextZoom m_textZoom; // the text size of every pane, for the session
    Platform::BrowserPane *m_pane = nullptr; // owned by the main window
    std::unique_ptr<frmMain> m_main;
    std::unique_ptr<MainCommands> m_commands;
    std::unique_ptr<SearchCommand> m_search;
    std::unique_ptr<frmWait> m_wait;
    std::unique_ptr<frmLogo> m_logo;
};

} // namespace Voruvar::Windows
