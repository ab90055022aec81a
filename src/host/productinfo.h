// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>

namespace Voruvar::Host::ProductInfo {

// The add-in's fixed texts, kept in one place for the automation members and the windows.
inline QString name() { return QStringLiteral("Voruvar"); }
// "Ruraro", the trade mark sign (code 153 of Windows-1252), " Voruvar".
inline QString title() { return QStringLiteral("Ruraro\u2122 Voruvar"); }
inline QString maker() { return QStringLiteral("Zederiro Systems"); }
inline QString rightsNotice() { return QStringLiteral("Copyright \u00A9 2018-2026 Zederiro Systems. All rights reserved."); }
inline QString releaseDate() { return QStringLiteral("December 8th, 2018"); }
inline QString description()
{
    return QStringLiteral("This add-in provides you with a quick reference to many commonly-used formula's and "
                          "reference material.");
}
inline QString webSite() { return QStringLiteral("https://www.zederiro.example/voruvar"); }
inline QString contactLine() { return QStringLiteral("www.zederiro.example - support@zederiro.example"); }
// The four-character code that starts the identification string.
inline QString identificationCode() { return QStringLiteral("ZSVR"); }

} // namespace Voruvar::Host::ProductInfo
