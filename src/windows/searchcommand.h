// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "catalog/searchindex.h"

#include <QObject>
#include <QPointer>

namespace Voruvar::Catalog {
class UserDocuments;
}
namespace Voruvar::Platform {
class BrowserPane;
}

namespace Voruvar::Windows {

class frmMain;
class MainCommands;
class SearchDialog;

// The search across all documents from the main window and the zoom window (Ctrl+Shift+F or
// Ctrl+K): keeps the index of the listed categories' documents, opens the search window over
// the window it was asked from, and shows a chosen hit: its category selected in the main list,
// the match selected in the page.
class SearchCommand final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SearchCommand)

public:
    SearchCommand(frmMain &main, MainCommands &commands, Platform::BrowserPane &pane,
                  const Catalog::UserDocuments &userDocuments, QString executableDirectory, QObject *parent = nullptr);
    ~SearchCommand() override;

    // Gives a window the search's shortcuts; the search window opens over it.
    void addShortcuts(QWidget *window);

    // Starts reading the documents once the page on show has been painted (or a second after
    // the call, should no page paint), so the start never waits for the reading.
    void startIndexAfterFirstPaint();
    // Reads the documents of the categories listed now; the first call starts the index.
    void indexListedCategories();
    // The list was built again: the index follows it, once started.
    void onCategoriesListed();

    void open(QWidget *over);
    void show(const Catalog::SearchHit &hit);

    Catalog::SearchIndex &index() { return m_index; }
    // The search window while it is open; null otherwise.
    SearchDialog *dialog() const;

private:
    frmMain &m_main;
    MainCommands &m_commands;
    Platform::BrowserPane &m_pane;
    const Catalog::UserDocuments &m_userDocuments;
    QString m_executableDirectory;
    Catalog::SearchIndex m_index;
    bool m_started = false;
    QPointer<SearchDialog> m_dialog;
};

} // namespace Voruvar::Windows
