// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "platform/printspool.h"

#include <QObject>

namespace Voruvar::Platform {

// The plugin that brings the print service's client library (and the many libraries it needs)
// into the process, only when something is first printed.
class CupsPlugin final : public QObject, public PrintSpoolFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VoruvarPrintSpoolFactory_iid)
    Q_INTERFACES(Voruvar::Platform::PrintSpoolFactory)

public:
    std::unique_ptr<PrintSpool> create() override;
};

} // namespace Voruvar::Platform
