// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "maincommands.h"

#include "frmabout.h"
#include "frmadmin.h"
#include "frmhelp.h"
#include "frmmain.h"
#include "frmxpand.h"
#include "printcommand.h"

#include "catalog/documentdisplay.h"
#include "core/numbertext.h"
#include "host/hostlibrary.h"
#include "host/hostcontext.h"
#include "host/hostlibrarycalls.h"
#include "host/productinfo.h"
#include "host/reminder.h"
#include "platform/browserpane.h"
#include "platform/messagepresenter.h"
#include "platform/shell.h"
#include "platform/textzoom.h"
#include "startup/adminsettings.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QLoggingCategory>
#include <QShortcut>

Q_LOGGING_CATEGORY(lcCommands, "voruvar.windows.commands")

namespace Voruvar::Windows {

namespace {

QPixmap pictureOf(const QWidget &window, const char *name)
{
    const auto *label = window.findChild<QLabel *>(QLatin1String(name));
    return label ? label->pixmap() : QPixmap();
}

} // namespace

MainCommands::MainCommands(Services services, QObject *parent) : QObject(parent), m_services(std::move(services))
{
    m_print = std::make_unique<PrintCommand>(m_services.pane, m_services.settings, m_services.messages,
                                             m_services.spool, &PrintCommand::showPrintDialog, &m_services.main);
    auto *printKey = new QShortcut(QKeySequence::Print, &m_services.main);
    connect(printKey, &QShortcut::activated, this, &MainCommands::print);
    // While the zoom window is on show, every selection shows its document there too.
    m_services.display.setSecondPane([this]() -> Platform::DocumentPane * {
        return m_zoom && m_zoom->isVisible() ? m_zoom->WB1() : nullptr;
    });
}

MainCommands::~MainCommands()
{
    m_services.display.setSecondPane({});
}

void MainCommands::print()
{
    m_print->request();
}

frmXpand *MainCommands::zoomWindow() const
{
    return m_zoom;
}

frmAdmin *MainCommands::adminWindow() const
{
    return m_admin;
}

frmHelp *MainCommands::helpWindow() const
{
    return m_help;
}

frmAbout *MainCommands::aboutWindow() const
{
    return m_about;
}

Startup::AdminChoices MainCommands::choicesFrom(const Startup::AdminSettings &settings)
{
    return {Core::numberFromText(settings.strMaximize) == 1.0, settings.bytPrinterDialog == 1,
            settings.bytBypassBuiltIns == 1};
}

void MainCommands::openModal(QWidget *dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

int MainCommands::selectedRow() const
{
    return m_services.main.List1()->currentRow();
}

QString MainCommands::selectedText() const
{
    const QListWidgetItem *item = m_services.main.List1()->currentItem();
    return item ? item->text() : QString();
}

void MainCommands::expand()
{
    if (m_zoom)
        return;
    auto *zoom = new frmXpand(m_services.twips, m_services.pluginDirectory, &m_services.main);
    m_zoom = zoom;
    connect(zoom, &frmXpand::nextRequested, this, &MainCommands::next);
    connect(zoom, &frmXpand::previousRequested, this, &MainCommands::previous);
    zoom->WB1()->setTextZoom(&m_services.textZoom);
    connect(zoom->WB1(), &Platform::BrowserPane::openInBrowserRequested, this, &MainCommands::openAddress);
    // The zoom window prints the main pane's document, which is the one it shows.
    connect(zoom, &frmXpand::printRequested, this, &MainCommands::print);
    connect(zoom->WB1(), &Platform::BrowserPane::printRequested, this, &MainCommands::print);
    connect(new QShortcut(QKeySequence::Print, zoom), &QShortcut::activated, this, &MainCommands::print);
    zoom->setNavigation(ZoomNavigation::atOpening(selectedRow(), m_services.main.List1()->count()));
    zoom->setItem(selectedText());
    zoom->move(0, 0);
    zoom->setWindowState(Qt::WindowMaximized);
    QCoreApplication::processEvents();
    zoom->setWindowTitle(m_services.main.windowTitle() + QStringLiteral(" (Zoom Window)"));
    zoom->WB1()->navigate(m_services.pane.locationURL());
    Q_EMIT zoomOpened(zoom);
    openModal(zoom);
}

void MainCommands::step(int direction)
{
    if (!m_zoom)
        return;
    QListWidget *list = m_services.main.List1();
    const int target = ZoomNavigation::stepTarget(list->currentRow(), list->count(), direction);
    // Past either end the selection stays; the label and the buttons follow it all the same.
    if (target >= 0)
        list->setCurrentRow(target);
    m_zoom->setItem(selectedText());
    m_zoom->setNavigation(direction > 0 ? m_zoom->navigation().afterNext(list->currentRow(), list->count())
                                        : m_zoom->navigation().afterPrevious(list->currentRow()));
}

void MainCommands::selectCategory(int row)
{
    QListWidget *list = m_services.main.List1();
    list->setCurrentRow(row);
    if (m_zoom) {
        m_zoom->setItem(selectedText());
        m_zoom->setNavigation(ZoomNavigation::atOpening(list->currentRow(), list->count()));
    }
}

void MainCommands::next()
{
    step(+1);
}

void MainCommands::previous()
{
    step(-1);
}

void MainCommands::calculator()
{
    const int result = m_services.shell.openCalculator();
    if (Platform::Shell::failed(result))
        m_services.messages.show({QStringLiteral("Failed Execution"),
                                  QStringLiteral("Could not succesfully launch the calculator application."),
                                  Platform::MessageIcon::Error});
}

void MainCommands::reminder()
{
    // On its own, where no console is on the bus, nothing would keep the reminder: say so.
    if (!m_services.hosted && (!m_services.library || !m_services.library->present()) &&
        Host::Reminder::check(m_services.context, selectedText()) == Host::Reminder::Check::Allowed) {
        m_services.messages.show({QStringLiteral("No Console Connected"),
                                  QStringLiteral("Reminders are kept by the RURARO console, and no console is "
                                                 "connected.\r\nStart Voruvar from the console to create reminders."),
                                  Platform::MessageIcon::Information});
        return;
    }
    if (m_services.library)
        Host::Reminder::create(selectedText(), m_services.context, *m_services.library, m_services.messages);
}

void MainCommands::administratorOptions()
{
    if (m_admin)
        return;
    auto *admin = new frmAdmin(m_services.twips, m_services.largeFonts, pictureOf(m_services.main, "picShade"),
                               pictureOf(m_services.main, "Picture2"), &m_services.main);
    m_admin = admin;
    admin->setChoices(choicesFrom(m_services.settings));
    connect(admin, &frmAdmin::saveRequested, this, [this, admin](const Startup::AdminChoices &choices) {
        // A save that could not write the file keeps the window open, so nothing typed is lost.
        if (m_services.saveSettings && m_services.saveSettings(choices))
            admin->close();
    });
    openModal(admin);
}

void MainCommands::help()
{
    if (m_help)
        return;
    m_help = new frmHelp(m_services.twips, m_services.largeFonts, pictureOf(m_services.main, "picShade"),
                         &m_services.main);
    openModal(m_help);
}

void MainCommands::about()
{
    if (m_about)
        return;
    auto *about = new frmAbout(m_services.twips, m_services.largeFonts, pictureOf(m_services.main, "picShade"),
                               &m_services.main);
    m_about = about;
    about->fill(m_services.context, pictureOf(m_services.main, "Picture2"));
    // From the event loop, not from inside the window's own event handling: the retries let
    // events run, and the window may close meanwhile.
    connect(about, &frmAbout::linkActivated, this, &MainCommands::openWebSite, Qt::QueuedConnection);
    openModal(about);
}

void MainCommands::openWebSite()
{
    openAddress(QUrl(Host::ProductInfo::webSite()));
}

void MainCommands::openAddress(const QUrl &url)
{
    const QString address = url.toString(QUrl::FullyEncoded);
    if (!m_services.hosted) {
        if (!m_services.shell.openAddress(address))
            qCWarning(lcCommands) << "Cannot open" << address << "in the desktop's browser";
        return;
    }
    if (!m_services.library)
        return;
    Host::openAddressWithRetries(*m_services.library, m_services.context, m_services.retry, m_services.log,
                                 m_services.messages, address, [] { QCoreApplication::processEvents(); });
}

} // namespace Voruvar::Windows
