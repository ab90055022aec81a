// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace Voruvar::Platform {
class DocumentPane;
}

namespace Voruvar::Catalog {

class UserDocuments;

// Shows the selected category's document: a built-in title gives its document beside the
// executable, otherwise every user entry with that title is shown in file order, so the last
// one stays displayed.
class DocumentDisplay final
{
public:
    DocumentDisplay(const UserDocuments &userDocuments, QString executableDirectory);

    void setMainPane(Platform::DocumentPane *pane) { m_mainPane = pane; }
    // The second pane (the zoom window's) when its window is visible, null otherwise. Asked at
    // every navigation.
    void setSecondPane(std::function<Platform::DocumentPane *()> visibleSecondPane)
    {
        m_secondPane = std::move(visibleSecondPane);
    }

    // The addresses a selection navigates to, in order; empty when nothing matches.
    QStringList addressesFor(const QString &selectedText) const;
    // Navigates the panes for a selection.
    void show(const QString &selectedText) const;

private:
    const UserDocuments &m_userDocuments;
    QString m_executableDirectory;
    Platform::DocumentPane *m_mainPane = nullptr;
    std::function<Platform::DocumentPane *()> m_secondPane;
};

} // namespace Voruvar::Catalog
