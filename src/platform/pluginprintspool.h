// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#pragma once

#include "printspool.h"

#include <QString>

#include <memory>

namespace Voruvar::Platform {

// The print service from its plugin beside the executable, loaded at the first call. When the
// plugin cannot be loaded, every call fails with the reason.
class PluginPrintSpool final : public PrintSpool
{
public:
    explicit PluginPrintSpool(QString pluginDirectory);
    ~PluginPrintSpool() override;

    static QString pluginFileName();

    SpoolPrinter printer(const QString &name) override;
    SpoolJob submit(const QString &pdfPath, const QString &title, const PrintJobOptions &options) override;

private:
    // The spool of the plugin; null with m_loadError set when it cannot be loaded.
    PrintSpool *spool();

    QString m_pluginDirectory;
    std::unique_ptr<PrintSpool> m_spool;
    QString m_loadError;
};

} // namespace Voruvar::Platform
