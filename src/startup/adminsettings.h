// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include <QString>

namespace Voruvar::Startup {

// The three installation-wide switches an administrator sets. One record per process; read at
// every start and changed by the administrator's save.
struct AdminSettings
{
    QString strMaximize;        // the first line as read; numeric value 1 opens the main window maximized
    quint8 bytPrinterDialog = 0;  // 1: printing shows the printer dialog
    quint8 bytBypassBuiltIns = 0; // 1: the built-in categories are left out of the list
};

} // namespace Voruvar::Startup
