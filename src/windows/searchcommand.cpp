// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "searchcommand.h"

#include "frmmain.h"
#include "frmxpand.h"
#include "maincommands.h"
#include "searchdialog.h"

#include "platform/browserpane.h"

#include <QListWidget>
#include <QShortcut>
#include <QTimer>

namespace Voruvar::Windows {

SearchCommand::SearchCommand(frmMain &main, MainCommands &commands, Platform::BrowserPane &pane,
                             const Catalog::UserDocuments &userDocuments, QString executableDirectory, QObject *parent)
    : QObject(parent), m_main(main), m_commands(commands), m_pane(pane), m_userDocuments(userDocuments),
      m_executableDirectory(std::move(executableDirectory))
{
    addShortcuts(&m_main);
    connect(&m_commands, &MainCommands::zoomOpened, this, [this](frmXpand *zoom) { addShortcuts(zoom); });
}

SearchCommand::~SearchCommand()
{
    // The search window reads the index, which goes with this object.
    delete m_dialog;
}

SearchDialog *SearchCommand::dialog() const
{
    return m_dialog;
}

void SearchCommand::addShortcuts(QWidget *window)
{
    for (const QKeySequence &keys :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F), QKeySequence(Qt::CTRL | Qt::Key_K)}) {
        auto *shortcut = new QShortcut(keys, window);
        connect(shortcut, &QShortcut::activated, this, [this, window] { open(window); });
    }
}

void SearchCommand::startIndexAfterFirstPaint()
{
    if (m_started)
        return;
    // Whichever comes first starts the reading; the connections go with their context.
    auto *painted = new QObject(this);
    const auto start = [this, painted] {
        painted->deleteLater();
        if (!m_started)
            indexListedCategories();
    };
    connect(&m_pane, &Platform::BrowserPane::documentPainted, painted, start, Qt::QueuedConnection);
    QTimer::singleShot(1000, painted, start);
}

void SearchCommand::indexListedCategories()
{
    m_started = true;
    QStringList titles;
    const QListWidget *list = m_main.List1();
    titles.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        titles.append(list->item(i)->text());
    m_index.setSources(Catalog::SearchSource::forCategories(titles, m_executableDirectory, m_userDocuments));
}

void SearchCommand::onCategoriesListed()
{
    if (m_started)
        indexListedCategories();
}

void SearchCommand::open(QWidget *over)
{
    if (m_dialog) {
        m_dialog->raise();
        m_dialog->activateWindow();
        return;
    }
    if (!m_started)
        indexListedCategories();
    auto *dialog = new SearchDialog(m_index, over);
    m_dialog = dialog;
    connect(dialog, &SearchDialog::hitChosen, this, &SearchCommand::show);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void SearchCommand::show(const Catalog::SearchHit &hit)
{
    const QList<QListWidgetItem *> items = m_main.List1()->findItems(hit.title, Qt::MatchExactly);
    if (items.isEmpty())
        return;
    m_commands.selectCategory(m_main.List1()->row(items.first()));
    m_pane.highlight(hit.matchedText, hit.occurrence);
    if (const frmXpand *zoom = m_commands.zoomWindow())
        zoom->WB1()->highlight(hit.matchedText, hit.occurrence);
}

} // namespace Voruvar::Windows
