// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "platform/twips.h"
#include "startup/adminsettingssave.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>
#include <memory>

namespace Voruvar::Catalog {
class DocumentDisplay;
}
namespace Voruvar::Host {
class HostLibrary;
class HostLog;
struct HostContext;
struct RetryFields;
} // namespace Voruvar::Host
namespace Voruvar::Platform {
class BrowserPane;
class MessagePresenter;
class PrintSpool;
class Shell;
class TextZoom;
} // namespace Voruvar::Platform
namespace Voruvar::Startup {
struct AdminSettings;
}

namespace Voruvar::Windows {

class frmAbout;
class frmAdmin;
class frmHelp;
class frmMain;
class frmXpand;
class PrintCommand;

// The main window's commands other than the list's own: expand into the zoom window and step
// through it, the calculator, the reminder, the administrator's options, help and about. Each
// window it opens is made afresh, shown modally and discarded when it closes.
class MainCommands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainCommands)

public:
    struct Services
    {
        frmMain &main;
        Platform::BrowserPane &pane;
        Platform::TextZoom &textZoom; // shared by the zoom window's pane
        Catalog::DocumentDisplay &display;
        const Host::HostContext &context;
        Host::RetryFields &retry;
        const Startup::AdminSettings &settings;
        Host::HostLibrary *library; // none: the add-in has no host library at all
        Host::HostLog &log;
        Platform::MessagePresenter &messages;
        Platform::Shell &shell;
        Platform::PrintSpool &spool;
        Platform::Twips twips;
        bool largeFonts;         // 12 twips a pixel
        QString pluginDirectory; // where the web renderer's plugin is
        bool hosted;             // started by a host console, which keeps reminders and opens addresses
        std::function<bool(const Startup::AdminChoices &)> saveSettings;
    };

    explicit MainCommands(Services services, QObject *parent = nullptr);
    ~MainCommands() override;

    // Prints the main pane's document, from the main window or the zoom window; a request while
    // one waits is ignored.
    void print();
    PrintCommand &printCommand() { return *m_print; }
    void expand();
    void next();
    void previous();
    void calculator();
    void reminder();
    void administratorOptions();
    void help();
    void about();
    void openWebSite();
    // A web address in a browser: the host console's, through its library with the retries of
    // the web link, when hosted; the desktop's default browser on its own.
    void openAddress(const QUrl &address);
    // Selects a category of the main list, as a click would; the zoom window, when open, follows
    // with its title and steps as if opened there.
    void selectCategory(int row);

    // The windows while they are open; null otherwise.
    frmXpand *zoomWindow() const;
    frmAdmin *adminWindow() const;
    frmHelp *helpWindow() const;
    frmAbout *aboutWindow() const;

    static Startup::AdminChoices choicesFrom(const Startup::AdminSettings &settings);

Q_SIGNALS:
    // The zoom window has been made, before it is shown.
    void zoomOpened(frmXpand *zoom);

private:
    // Shows a dialog modally without a nested event loop and discards it once it is closed.
    void openModal(QWidget *dialog);
    int selectedRow() const;
    QString selectedText() const;
    void step(int direction);

    Services m_services;
    std::unique_ptr<PrintCommand> m_print;
    QPointer<frmXpand> m_zoom;
    QPointer<frmAdmin> m_admin;
    QPointer<frmHelp> m_help;
    QPointer<frmAbout> m_about;
};

} // namespace Voruvar::Windows
