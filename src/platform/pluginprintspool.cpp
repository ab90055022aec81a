// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Voruvar developers
#include "pluginprintspool.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QPluginLoader>

Q_LOGGING_CATEGORY(lcPrintSpool, "voruvar.platform.printspool")

namespace Voruvar::Platform {

PluginPrintSpool::PluginPrintSpool(QString pluginDirectory) : m_pluginDirectory(std::move(pluginDirectory)) {}

PluginPrintSpool::~PluginPrintSpool() = default;

QString PluginPrintSpool::pluginFileName()
{
    return QStringLiteral("libvoruvar_cups.so");
}

PrintSpool *PluginPrintSpool::spool()
{
    if (m_spool || !m_loadError.isEmpty())
        return m_spool.get();
    QPluginLoader loader(QDir(m_pluginDirectory).filePath(pluginFileName()));
    auto *factory = qobject_cast<PrintSpoolFactory *>(loader.instance());
    if (!factory) {
        m_loadError = QCoreApplication::translate("Voruvar::Platform::PluginPrintSpool",
                                                  "The print service cannot be loaded: %1")
                          .arg(loader.errorString());
        qCWarning(lcPrintSpool) << m_loadError;
        return nullptr;
    }
    m_spool = factory->create();
    return m_spool.get();
}

SpoolPrinter PluginPrintSpool::printer(const QString &name)
{
    if (PrintSpool *loaded = spool())
        return loaded->printer(name);
    return {name, {}, m_loadError};
}

SpoolJob PluginPrintSpool::submit(const QString &pdfPath, const QString &title, const PrintJobOptions &options)
{
    if (PrintSpool *loaded = spool())
        return loaded->submit(pdfPath, title, options);
    return {0, m_loadError};
}

} // namespace Voruvar::Platform
