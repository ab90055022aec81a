// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "platform/printspool.h"

#include <QCoreApplication>

namespace Voruvar::Platform {

// The print service through libcups. The server is looked up again for every call (CUPS_SERVER,
// then the client configuration files), as the lp command does on each run, so a restarted or
// moved scheduler is found without restarting the add-in.
class CupsPrintSpool final : public PrintSpool
{
    Q_DECLARE_TR_FUNCTIONS(CupsPrintSpool)

public:
    SpoolPrinter printer(const QString &name) override;
    SpoolJob submit(const QString &pdfPath, const QString &title, const PrintJobOptions &options) override;
};

} // namespace Voruvar::Platform
