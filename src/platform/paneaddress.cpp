// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "paneaddress.h"

#include <QRegularExpression>

namespace Voruvar::Platform {

QUrl PaneAddress::toUrl(const QString &address)
{
    const QString text = address.trimmed();
    if (text.isEmpty())
        return {};
    if (text.startsWith(u'/'))
        return QUrl::fromLocalFile(text);
    // A scheme of two letters or more ("file:", "http:", "HTTPS:", "about:") is kept as written.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(text).hasMatch()) {
        QUrl url(text, QUrl::TolerantMode);
        return url.isValid() ? url : QUrl();
    }
    // Written without a scheme ("www.example.com", "httpdocs/a.htm"): a web address, as a
    // desktop browser reads it.
    return QUrl::fromUserInput(text);
}

bool PaneAddress::isReferenceDocument(const QUrl &url)
{
    return url.isLocalFile() && url.path().endsWith(u".DOX", Qt::CaseInsensitive);
}

} // namespace Voruvar::Platform
