// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "addin.h"

#include "frmlogo.h"
#include "frmmain.h"
#include "frmwait.h"
#include "maincommands.h"
#include "searchcommand.h"
#include "catalog/categorylist.h"
#include "host/hostlibrarylog.h"
#include "platform/browserpane.h"
#include "platform/pluginprintspool.h"
#include "platform/jetreaderprocess.h"
#include "platform/processcontrol.h"
#include "platform/screenmetrics.h"
#include "startup/retrycountfetch.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QTimer>
#include <QToolButton>

namespace Voruvar::Windows {

Addin::Addin(PlatformServices services, QString executableDirectory, QObject *parent)
    : QObject(parent),
      m_services(services),
      m_executableDirectory(std::move(executableDirectory)),
      m_twips(services.screen.twipsPerLogicalPixel()),
      m_start(m_context, {*this, *this, services.messages, services.instances, services.screen, services.process}),
      m_hostLog(services.hostLibrary ? std::unique_ptr<Host::HostLog>(
                                           std::make_unique<Host::HostLibraryLog>(*services.hostLibrary, m_context))
                                     : std::make_unique<Host::UnreachableHostLog>()),
      m_database(std::make_unique<Platform::JetReaderProcess>(m_executableDirectory + QStringLiteral("/voruvar-jetread")))
{
    if (!m_services.spool) {
        m_ownSpool = std::make_unique<Platform::PluginPrintSpool>(m_executableDirectory);
        m_services.spool = m_ownSpool.get();
    }
}

Addin::~Addin() = default;

frmMain &Addin::mainWindow()
{
    if (!m_main) {
        m_main = std::make_unique<frmMain>(m_twips);
        connect(m_main->Timer1(), &QTimer::timeout, this, &Addin::onTimerTick);
        connect(m_main.get(), &frmMain::exitRequested, this, &Addin::endProcess);
        m_pane = new Platform::BrowserPane(m_executableDirectory);
        m_pane->setAccessibleName(tr("Details"));
        m_pane->setTextZoom(&m_textZoom);
        m_main->setDetailsPane(m_pane);
        m_display.setMainPane(m_pane);
        connect(m_main->List1(), &QListWidget::currentRowChanged, this, &Addin::onCategorySelected);
        connect(m_main->button(QStringLiteral("Command5")), &QToolButton::clicked, this, &Addin::refreshCategories);

        m_commands = std::make_unique<MainCommands>(MainCommands::Services{
            *m_main, *m_pane, m_textZoom, m_display, m_context, m_retry, m_settings, m_services.hostLibrary, hostLog(),
            m_services.messages, m_services.shell, *m_services.spool, m_twips, m_services.screen.twipsPerPixelX() == 12.0,
            m_executableDirectory, m_services.hosted,
            [this](const Startup::AdminChoices &choices) { return saveAdminSettings(choices); }});
        MainCommands *commands = m_commands.get();
        const std::pair<const char *, void (MainCommands::*)()> buttons[] = {
            {"Command3", &MainCommands::expand},   {"Command6", &MainCommands::calculator},
            {"Command7", &MainCommands::administratorOptions}, {"Command2", &MainCommands::help},
            {"Command8", &MainCommands::reminder}, {"Command4", &MainCommands::print},
        };
        for (const auto &[name, command] : buttons)
            connect(m_main->button(QLatin1String(name)), &QToolButton::clicked, commands, command);
        connect(m_main.get(), &frmMain::bannerClicked, commands, &MainCommands::about);
        connect(m_pane, &Platform::BrowserPane::openInBrowserRequested, commands, &MainCommands::openAddress);
        connect(m_pane, &Platform::BrowserPane::printRequested, commands, &MainCommands::print);

        m_search = std::make_unique<SearchCommand>(*m_main, *m_commands, *m_pane, m_userDocuments, m_executableDirectory);
        connect(this, &Addin::startFinished, m_search.get(), &SearchCommand::startIndexAfterFirstPaint);
    }
    return *m_main;
}

MainCommands &Addin::commands()
{
    mainWindow();
    return *m_commands;
}

SearchCommand &Addin::search()
{
    mainWindow();
    return *m_search;
}

Platform::BrowserPane &Addin::detailsPane()
{
    mainWindow();
    return *m_pane;
}

void Addin::onCategorySelected(int row)
{
    // Emptying the list drops the selection without a click: the pane keeps its document.
    if (row < 0)
        return;
    m_display.show(m_main->List1()->item(row)->text());
}

void Addin::onTimerTick()
{
    const bool wasRunning = m_start.isRunning();
    m_start.onTick();
    if (!wasRunning && m_main && m_main->isVisible())
        Q_EMIT startFinished();
}

void Addin::requestStart()
{
    // The host's call returns before any window work: loading the main window and arming its
    // timer happen on the next turn of the event loop.
    QMetaObject::invokeMethod(
        this,
        [this] {
            mainWindow();
            m_start.arm();
        },
        Qt::QueuedConnection);
}

void Addin::endProcess()
{
    m_services.process.endProcess();
}

void Addin::putLogoOnClipboard()
{
    if (!m_logo)
        m_logo = std::make_unique<frmLogo>(m_twips);
    m_logo->copyLogoToClipboard();
}

void Addin::enableTimer()
{
    mainWindow().Timer1()->start();
}

void Addin::disableTimer()
{
    mainWindow().Timer1()->stop();
}

void Addin::showWaitWindow()
{
    if (!m_wait)
        m_wait = std::make_unique<frmWait>(m_twips, m_services.screen.twipsPerPixelX() == 12.0);
    m_wait->show();
    m_wait->repaint();
}

void Addin::unloadWaitWindow()
{
    m_wait.reset();
}

void Addin::processEvents()
{
    QCoreApplication::processEvents();
}

void Addin::setAdminButtonVisible(bool visible)
{
    mainWindow().setAdminButtonVisible(visible);
}

QStringList Addin::listEntries() const
{
    QStringList entries;
    if (!m_main)
        return entries;
    const QListWidget *list = m_main->List1();
    entries.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        entries.append(list->item(i)->text());
    return entries;
}

void Addin::selectEntry(int index)
{
    mainWindow().List1()->setCurrentRow(index);
}

void Addin::moveBannerDown(int twips)
{
    mainWindow().moveBannerDown(twips);
}

void Addin::showMainWindow()
{
    mainWindow().showInChosenState();
}

void Addin::focusList()
{
    mainWindow().List1()->setFocus();
}

void Addin::fetchRetryCount()
{
    Startup::RetryCountFetch(*m_database, hostLog(), m_services.messages).fetch(m_context.strDataPath, m_retry);
}

void Addin::readSettings()
{
    m_settings = Startup::AdminSettings::readFrom(m_executableDirectory);
    mainWindow().setOpenMaximized(m_settings.opensMaximized());
}

bool Addin::saveAdminSettings(const Startup::AdminChoices &choices)
{
    return Startup::saveAdminSettings(m_executableDirectory, choices, m_settings, hostLog(), m_services.messages);
}

void Addin::buildCategoryList()
{
    const Catalog::CategoryList listing =
        Catalog::CategoryList::build({m_context.strSitePath, m_context.strSiteName, m_settings.bytBypassBuiltIns,
                                      Catalog::UserDocuments::filePath(m_executableDirectory)},
                                     m_userDocuments);
    frmMain &main = mainWindow();
    main.setWindowTitle(listing.caption);
    main.showCategories(listing.entries, listing.countText);
    m_search->onCategoriesListed();
}

void Addin::refreshCategories()
{
    buildCategoryList();
    QListWidget *list = mainWindow().List1();
    list->setFocus();
    if (list->count() > 0)
        list->setCurrentRow(0);
}

} // namespace Voruvar::Windows
