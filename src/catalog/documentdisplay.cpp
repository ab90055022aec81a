// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "documentdisplay.h"

#include "builtincategory.h"
#include "documentaddress.h"
#include "core/texttools.h"
#include "platform/documentpane.h"
#include "userdocuments.h"

namespace Voruvar::Catalog {

DocumentDisplay::DocumentDisplay(const UserDocuments &userDocuments, QString executableDirectory)
    : m_userDocuments(userDocuments), m_executableDirectory(std::move(executableDirectory))
{}

QStringList DocumentDisplay::addressesFor(const QString &selectedText) const
{
    // Built-in titles win over user entries, whether or not the built-ins are listed.
    if (const BuiltInCategory *row = BuiltInCategory::findByTitle(selectedText.toUpper()))
        return {row->documentPath(m_executableDirectory)};

    QStringList addresses;
    const QString title = Core::trimBlanks(selectedText);
    const QStringList &titles = m_userDocuments.strUserTitles();
    const QStringList &locations = m_userDocuments.strUserLocations();
    for (qsizetype i = 1; i < titles.size(); ++i) {
        if (titles[i] == title)
            addresses.append(DocumentAddress::forUserLocation(m_executableDirectory, locations[i]));
    }
    return addresses;
}

void DocumentDisplay::show(const QString &selectedText) const
{
    for (const QString &address : addressesFor(selectedText)) {
        if (m_mainPane)
            m_mainPane->navigate(address);
        if (m_secondPane) {
            if (Platform::DocumentPane *second = m_secondPane())
                second->navigate(address);
        }
    }
}

} // namespace Voruvar::Catalog
