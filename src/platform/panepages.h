// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>
#include <QUrl>

namespace Voruvar::Platform {

// The pages the details pane writes itself, in the native browser: a document that cannot be
// shown, a page whose renderer stopped, and a folder's listing.
class PanePages final
{
public:
    PanePages() = delete;

    // The link the renderer-stopped page offers; the pane loads its document again.
    static QUrl reloadLink();

    static QString errorPage(const QUrl &url, const QString &reason);
    static QString rendererStoppedPage(const QUrl &url);

    // The folder's entries, folders first, each group sorted by name, with sizes and the
    // modification times, and a link up to the parent folder. Empty with *error set when the
    // folder cannot be read.
    static QString folderListing(const QString &folder, QString *error);
};

} // namespace Voruvar::Platform
