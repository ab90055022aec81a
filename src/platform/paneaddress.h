// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>
#include <QUrl>

namespace Voruvar::Platform {

// How the details pane reads an address: an absolute path, a URL with its scheme, or a web
// address written without one.
class PaneAddress final
{
public:
    PaneAddress() = delete;

    // The URL an address names; an empty or unusable address gives an invalid URL.
    static QUrl toUrl(const QString &address);
    // A built-in reference document (a local file whose name ends ".DOX"): the native renderer
    // shows it.
    static bool isReferenceDocument(const QUrl &url);
};

} // namespace Voruvar::Platform
